// Join Server: start Quake II connected to the server selected in the list.
#pragma once

#include "extras/GameCommand.h"
#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"

// The settings value that holds the game executable's full path.
#define GAME_LOCATION_SECTION "General"
#define GAME_LOCATION_KEY "Quake2Location"

// Asks for the executable (or uses the stored one unless Control is held),
// resolves the server's host and starts the game. Nothing is started when the
// user cancels the file dialog or the host cannot be resolved.
void JoinSelectedServer(CWnd* pOwner, CSortedListCtrl& listServers);
// The same for a server's address text, with what the user chose to add; TRUE
// when the game started.
BOOL JoinServer(CWnd* pOwner, const CString& strAddress, const CJoinOptions& options = CJoinOptions());
