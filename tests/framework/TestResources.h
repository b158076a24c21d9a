// Resource ids of the framework's window tests.
#ifndef FRAMEWORK_TEST_RESOURCES_H
#define FRAMEWORK_TEST_RESOURCES_H

#define IDD_TEST 200
#define IDS_TEST_PROMPT 201
#define IDB_TEST_GREEN 202
#define IDB_TEST_RED 203

#define IDC_TEST_BUTTON 210
#define IDC_TEST_OTHER_BUTTON 211
#define IDC_TEST_LIST 212
#define IDC_TEST_STATIC 213
#define IDC_TEST_EDIT 214

#endif
