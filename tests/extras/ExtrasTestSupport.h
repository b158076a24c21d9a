// What the extras' Windows tests share: fresh settings for the application
// object, and an owner dialog whose list view 1001 plays the server list.
#pragma once

#include <memory>
#include <string>

#include "BrowserLog.h"
#include "FakeGame.h"
#include "GuiHarness.h"
#include "TestApp.h"
#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"
#include "query/GameServer.h"

// Points the application's settings at a fresh file.
void UseFreshSettings(const std::string& iniPath);

class ServerListOwner : public CDialog {
public:
    ServerListOwner() : CDialog(900) { Create(900); }
    ~ServerListOwner() override { DestroyWindow(); }
    // Adds a row for the record (null: a row without one) and selects it.
    void AddSelectedRow(CGameServer* pServer);
    CRowTable m_rows{1, 0, TRUE};
    CSortedListCtrl m_listServers;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1001, m_listServers); }
};

// A record as serverlist.txt gives it: the address and web page as written.
std::unique_ptr<CGameServer> MakeServer(const std::string& address, const std::string& website = "");

// Types a path into the open-file dialog's file name box (from a watcher thread).
void TypeFileName(HWND hFileDialog, const std::string& path);
