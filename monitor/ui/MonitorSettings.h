// The rules of the two settings the main window reads at start-up and writes at
// shut-down (section "General" of the profile file).
#pragma once

#include "framework/CString.h"

#define SETTINGS_SECTION "General"
#define SETTING_NUM_QUERY_THREADS "NumQueryThreads"
#define SETTING_SERVER_LIST_MODE "ServerListMode"

#define DEFAULT_NUM_QUERY_THREADS 5
#define DEFAULT_SERVER_LIST_MODE 5 // all servers

// A number as the settings file stores it: decimal text.
CString SettingText(int nValue);

// The thread budget for a stored text. A budget below 1 (text reads as 0) would
// start polls that never query anything and never end, so it falls back to the default.
int ThreadBudgetFromSetting(const CString& strValue);

// Which of the three budget buttons shows a budget: 1 and 3 as themselves,
// every other value as 7. Returns 1, 3 or 7.
int ThreadButtonForBudget(int nBudget);
