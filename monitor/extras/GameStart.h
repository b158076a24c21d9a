// Starting the game for Join Server (Windows only).
#pragma once

#include "extras/GameCommand.h"
#include "framework/CString.h"

// Saves the process's current directory and makes it current again on
// destruction: the monitor reads and writes its text files there.
class CKeepCurrentDirectory {
public:
    CKeepCurrentDirectory();
    virtual ~CKeepCurrentDirectory();
    CKeepCurrentDirectory(const CKeepCurrentDirectory&) = delete;
    CKeepCurrentDirectory& operator=(const CKeepCurrentDirectory&) = delete;
    // FALSE when it could not be saved: then it must not be changed either.
    BOOL IsSaved() const { return m_bSaved; }

private:
    char m_szSaved[MAX_PATH];
    BOOL m_bSaved;
};

// Looks up the host of a record's address text and gives the address the game
// connects to. FALSE when the host is empty or cannot be resolved to IPv4.
BOOL ResolveConnectAddress(const CString& strAddress, CString& strConnect);

// Starts the game connected to strConnect, with the executable's folder as the
// current directory for the start only; the caller's directory is back on return.
// The WinExec result: greater than 31 when the game started; 0 when an option's
// value is not safe for the command line, and nothing was started.
UINT StartGame(const CString& strExePath, const CString& strConnect, const CJoinOptions& options = CJoinOptions());
