#include "extras/GameStart.h"

#include "extras/GameCommand.h"

BOOL ResolveConnectAddress(const CString& strAddress, CString& strConnect)
{
    CString strHost = GameHostPart(strAddress);
    // An empty name would resolve to this machine's own address.
    if (strHost.IsEmpty())
        return FALSE;
    hostent* pHost = gethostbyname(strHost);
    if (!pHost || pHost->h_addrtype != AF_INET || pHost->h_length != 4 || !pHost->h_addr_list[0])
        return FALSE;
    strConnect = FormatConnectAddress(reinterpret_cast<const BYTE*>(pHost->h_addr_list[0]), strAddress);
    return TRUE;
}

UINT StartGame(const CString& strExePath, const CString& strConnect)
{
    CString strCommand = BuildGameCommandLine(strExePath, strConnect);
    CString strGameDir = GameDirectory(strExePath);

    char szPrevious[MAX_PATH] = "";
    DWORD nPrevious = GetCurrentDirectoryA(MAX_PATH, szPrevious);
    // The game finds its data relative to the current directory; ours must not
    // stay changed, as the monitor reads and writes its files there.
    BOOL bMoved = !strGameDir.IsEmpty() && nPrevious > 0 && nPrevious < MAX_PATH
                  && SetCurrentDirectoryA(strGameDir);
    UINT nResult = WinExec(strCommand, SW_SHOW);
    if (bMoved)
        SetCurrentDirectoryA(szPrevious);
    return nResult;
}
