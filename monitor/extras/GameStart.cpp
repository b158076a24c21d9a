#include "extras/GameStart.h"

#include "extras/GameCommand.h"
#include "query/ServerAddress.h"

BOOL ResolveConnectAddress(const CString& strAddress, CString& strConnect)
{
    CString strHost = SplitServerAddress(strAddress).strHost;
    // An empty name would resolve to this machine's own address.
    if (strHost.IsEmpty())
        return FALSE;
    hostent* pHost = gethostbyname(strHost);
    if (!pHost || pHost->h_addrtype != AF_INET || pHost->h_length != 4 || !pHost->h_addr_list[0])
        return FALSE;
    strConnect = FormatConnectAddress(reinterpret_cast<const BYTE*>(pHost->h_addr_list[0]), strAddress);
    return TRUE;
}

CKeepCurrentDirectory::CKeepCurrentDirectory()
{
    DWORD nLength = GetCurrentDirectoryA(MAX_PATH, m_szSaved);
    m_bSaved = nLength > 0 && nLength < MAX_PATH;
}

CKeepCurrentDirectory::~CKeepCurrentDirectory()
{
    if (m_bSaved)
        SetCurrentDirectoryA(m_szSaved);
}

UINT StartGame(const CString& strExePath, const CString& strConnect, const CJoinOptions& options)
{
    CString strCommand = BuildGameCommandLine(strExePath, strConnect, options);
    if (strCommand.IsEmpty())
        return 0;
    CString strGameDir = GameDirectory(strExePath);
    // The game finds its data relative to the current directory.
    CKeepCurrentDirectory keep;
    if (keep.IsSaved() && !strGameDir.IsEmpty())
        SetCurrentDirectoryA(strGameDir);
    return WinExec(strCommand, SW_SHOW);
}
