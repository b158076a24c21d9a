// Join Server: start Quake II connected to the server selected in the list.
#pragma once

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"

class CGameServer;

// The settings value that holds the game executable's full path.
#define GAME_LOCATION_SECTION "General"
#define GAME_LOCATION_KEY "Quake2Location"

// Asks for the executable (or uses the stored one unless Control is held),
// resolves the server's host and starts the game. Nothing is started when the
// user cancels the file dialog or the host cannot be resolved.
void JoinSelectedServer(CWnd* pOwner, CSortedListCtrl& listServers);
// The same for a record the caller holds.
void JoinServer(CWnd* pOwner, CGameServer* pServer);
