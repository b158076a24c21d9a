// varnok.exe run as its own process and met only through its windows and files,
// as a user or the system meets it. The program is a copy of varnok.exe named for
// the test, so that its settings file (named after the executable, in the Windows
// directory) is the test's own.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ChildProgram.h"
#include "FakeServers.h"
#include "TestPaths.h"

const DWORD kProgramWaitMs = 20000;
// The main window's controls that the tests use.
const int kServerList = 1001, kJoin = 1003, kRefresh = 1005, kThreads1 = 1008, kThreads3 = 1009, kListMode = 1013;

// The main window once its first poll has ended (its caption then has the totals).
bool FirstPollEnded(const ChildProgram& monitor);
void ClickButton(HWND hDialog, int id);
// A right or left click on the first row of the server list, as the mouse gives it.
void RightClickFirstRow(HWND hDialog);
void LeftClickFirstRow(HWND hDialog);
// A click on the server list's heading of a column.
void ClickHeading(HWND hDialog, int nColumn);
// The text of a list view's cell in the program's process.
std::string ListTextOf(const ChildProgram& program, HWND hList, int nRow, int nColumn);

class VarnokProgram : public ::testing::Test {
protected:
    VarnokProgram();
    ~VarnokProgram() override;

    // A settings file that names only the test's web folder.
    void FreshSettings();
    // No serverlist.txt and fresh settings, as before a first run.
    void ForgetRunState();
    // What a run left behind: serverlist.txt whole, with no half-written file
    // beside it, and the two settings that the user changes in the window.
    void ExpectRunState(const std::string& list, const char* threads, const char* mode, const std::string& context) const;
    void Serve(const std::string& file, const std::string& body);
    void Setting(const char* key, const std::string& value);
    std::string StoredSetting(const char* key) const;

    std::string m_case;
    ScratchDir m_dir;
    std::string m_exeName, m_ini, m_exe, m_web;
};
