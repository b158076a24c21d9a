// Starting the game for Join Server (Windows only).
#pragma once

#include "framework/CString.h"

// Looks up the host of a record's address text and gives the address the game
// connects to. FALSE when the host is empty or cannot be resolved to IPv4.
BOOL ResolveConnectAddress(const CString& strAddress, CString& strConnect);

// Starts the game connected to strConnect, with the executable's folder as the
// current directory for the start only; the caller's directory is back on return.
// The WinExec result: greater than 31 when the game started.
UINT StartGame(const CString& strExePath, const CString& strConnect);
