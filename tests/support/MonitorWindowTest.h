// The one fixture of the main window's tests: a scratch folder as the current
// folder, the settings file in it, the web files served by the local web server
// (KELVANE_UI_WEB_ROOT, KELVANE_UI_WEB_PORT) from a folder of the test's own, and
// the fake game servers' request log.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "DialogScript.h"
#include "FakeServers.h"
#include "TestPaths.h"

class MonitorWindow : public ::testing::Test {
protected:
    MonitorWindow();
    ~MonitorWindow() override;

    void Setting(const char* pszKey, const char* pszValue);
    std::string StoredSetting(const char* pszKey);
    // Serves this master list (and news) for the dialog's start-up.
    void ServeMasterList(const std::string& strBody, const std::string& strNews = "");
    // One more web file of the test's folder, or one less.
    void ServeFile(const std::string& strName, const std::string& strBody);
    void UnserveFile(const std::string& strName);
    // Points the dialog at a web folder path of the test web server, e.g. "status/500/".
    void UseWebPath(const std::string& strPath);
    // The web server's base location in the settings, ending with a slash.
    std::string WebBase();

    // A master list of the fake servers on these ports.
    static std::string Lines(std::initializer_list<int> ports);

    // Runs the dialog until its first poll ends, then the script.
    void RunAfterFirstPoll(const std::function<void(CMonitorDlg&)>& script, int timeoutMs = 15000);

    ScratchDir m_dir;
    std::string m_strIni;
    std::string m_strCase;
    LPCSTR m_pszOldProfile;
};
