// What the extras' Windows tests share: settings for the application object
// (ExtrasApp.cpp, named "varnok", the message boxes' caption), an owner dialog
// whose list view 1001 plays the server list, a fake quake2.exe that logs how it
// was started, and the log of the test prefix's recording browser.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "GuiHarness.h"
#include "TestPaths.h"
#include "framework/Framework.h"
#include "query/GameServer.h"

extern const char* const kAppName;

// Points the application's settings at a fresh file.
void UseFreshSettings(const std::string& iniPath);

class ServerListOwner : public CDialog {
public:
    ServerListOwner() : CDialog(900) { Create(900); }
    ~ServerListOwner() override { DestroyWindow(); }
    // Adds a row for the record (null: a row without one) and selects it.
    void AddSelectedRow(CGameServer* pServer);
    CListCtrl m_listServers;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1001, m_listServers); }
};

// A record as serverlist.txt gives it: the address and web page as written.
std::unique_ptr<CGameServer> MakeServer(const std::string& address, const std::string& website = "");

struct GameRun {
    std::string commandLine;
    std::string directory;
};

// The fake game (KELVANE_FAKE_QUAKE2) copied to <scratch>\<folder>\quake2.exe;
// Windows paths.
class FakeGame {
public:
    FakeGame(const ScratchDir& scratch, const std::string& folder);
    const std::string& ExePath() const { return m_exe; }
    const std::string& Folder() const { return m_folder; } // ends with a backslash
    // The runs logged so far, waiting up to timeoutMs for at least nRuns.
    std::vector<GameRun> WaitForRuns(size_t nRuns, int timeoutMs = 10000) const;

private:
    std::string m_folder, m_exe, m_log;
};

// Empties the recording browser's log (KELVANE_BROWSER_LOG, a Unix path: the
// browser runs with Wine's Unix environment) and reads back the addresses opened.
class BrowserLog {
public:
    BrowserLog();
    std::vector<std::string> WaitFor(size_t n, int timeoutMs = 10000) const;

private:
    std::string m_path;
};

// Types a path into the open-file dialog's file name box (from a watcher thread).
void TypeFileName(HWND hFileDialog, const std::string& path);
