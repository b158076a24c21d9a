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

// What a join adds to the game's command line before "+connect": the server's
// password, and to watch rather than play, "spectator" set to 1 or to the
// spectator password. Typed by the user, so untrusted: see IsSafeGameValue.
struct CJoinOptions {
    CString strPassword;  // empty: none
    CString strSpectator; // empty: join as a player
};

// The game splits its command line at blanks and "+", its console at ";" and
// quotes, expands "$name" and keeps userinfo values apart with backslashes: a
// value passes only when it holds none of those, nor control bytes, and is short
// enough for the game to keep (at most MAX_GAME_VALUE bytes).
#define MAX_GAME_VALUE 63
bool IsSafeGameValue(const CString& strValue);
// What the user is told when a password is refused: the characters it may hold.
extern const char* const UNSAFE_PASSWORD_MESSAGE;

// The game's command line. A path with blanks is quoted, otherwise the platform
// would try to start "C:\Program" with the rest as arguments. Empty when an
// option's value is not safe: then nothing may be started.
CString BuildGameCommandLine(const CString& strExePath, const CString& strConnect,
                             const CJoinOptions& options = CJoinOptions());

// The executable's folder up to and including its last backslash; empty without one.
CString GameDirectory(const CString& strExePath);
