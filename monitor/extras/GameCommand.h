// The texts of Join Server: which host to resolve, the address the game connects
// to, its command line and the folder it starts in.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

// The port of a record's address text, colon included, as written up to the first
// blank, control character, quote, "+" or ";", so that a server list line cannot
// add commands to the game's command line. A text without a colon (only a
// hand-edited serverlist.txt holds one) joins on the default port.
CString GamePortPart(const CString& strAddress);

// "a.b.c.d:port": the resolved IPv4 bytes in network order and the address's port part.
CString FormatConnectAddress(const BYTE abAddress[4], const CString& strAddress);

// The game's command line. A path with blanks is quoted, otherwise the platform
// would try to start "C:\Program" with the rest as arguments.
CString BuildGameCommandLine(const CString& strExePath, const CString& strConnect);

// The executable's folder up to and including its last backslash; empty without one.
CString GameDirectory(const CString& strExePath);
