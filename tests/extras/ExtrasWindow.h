// What the extras' window tests share: the application object (its name is the
// message boxes' caption, its settings file lies in the build folder), an owner
// dialog with a server list, and records to put into it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/Framework.h"
#include "query/GameServer.h"

extern const char* const kAppName;

// Points the application's settings at a fresh file of the scratch folder.
void UseFreshSettings(const std::string& iniPath);

// A modeless owner dialog whose list view 1001 plays the server list.
class ServerListOwner : public CDialog {
public:
    ServerListOwner();
    ~ServerListOwner() override;

    // Adds a row for the record (null: a row without one) and selects it.
    void AddSelectedRow(CGameServer* pServer);
    CListCtrl m_listServers;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// A record as serverlist.txt would give it: address and web page as written.
std::unique_ptr<CGameServer> MakeServer(const std::string& address, const std::string& website = "");
