#include "extras/SelectedServer.h"

CGameServer* SelectedServerOrExplain(CSortedListCtrl& listServers)
{
    int nItem = listServers.GetNextItem(-1, LVNI_SELECTED);
    if (nItem < 0) {
        AfxMessageBox("Please select a server");
        return nullptr;
    }
    CGameServer* pServer = reinterpret_cast<CGameServer*>(listServers.GetItemData(nItem));
    if (!pServer)
        AfxMessageBox("I don't have enough information about that server");
    return pServer;
}
