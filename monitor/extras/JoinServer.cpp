#include "extras/JoinServer.h"

#include "extras/GameStart.h"
#include "extras/SelectedServer.h"
#include "query/GameServer.h"

// The open-file dialog for quake2.exe. TRUE with the chosen path on OK.
static BOOL AskForGameExecutable(CWnd* pOwner, CString& strPath)
{
    // The dialog leaves the folder it last showed as the current directory, where
    // serverlist.txt would then be written at exit and missed at the next start.
    CKeepCurrentDirectory keep;
    CFileDialog dlg(TRUE, nullptr, "*.exe", OFN_HIDEREADONLY, "Quake File (*.exe)|*.exe||", pOwner);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.GetPathName();
    return TRUE;
}

void JoinSelectedServer(CWnd* pOwner, CSortedListCtrl& listServers)
{
    if (CGameServer* pServer = SelectedServerOrExplain(listServers))
        JoinServer(pOwner, pServer);
}

void JoinServer(CWnd* pOwner, CGameServer* pServer)
{

    CWinApp* pApp = AfxGetApp();
    CString strExePath = pApp->GetProfileString(GAME_LOCATION_SECTION, GAME_LOCATION_KEY);
    // Holding Control is how the user replaces a stored path; the key is only
    // asked about when there is one.
    if (strExePath.IsEmpty() || GetAsyncKeyState(VK_CONTROL) != 0) {
        if (!AskForGameExecutable(pOwner, strExePath)) {
            AfxMessageBox("You must have Quake installed to connect to a server");
            return;
        }
        pApp->WriteProfileString(GAME_LOCATION_SECTION, GAME_LOCATION_KEY, strExePath);
    }

    CString strConnect;
    if (ResolveConnectAddress(pServer->GetAddress(), strConnect))
        StartGame(strExePath, strConnect);
}
