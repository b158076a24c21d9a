#include "ui/MonitorDlg.h"

#include "ui/ServerListRules.h"

struct SortKey {
    CString strText;
    BYTE bFavorite;
    BYTE bIgnored;
};

void CMonitorDlg::SortList(CListCtrl& list, int nColumn, BOOL bAscending, BOOL bServerList)
{
    std::unordered_map<LPARAM, SortKey> keys;
    for (int nRow = 0, nRows = list.GetItemCount(); nRow < nRows; ++nRow) {
        LPARAM lData = static_cast<LPARAM>(list.GetItemData(nRow));
        SortKey key{list.GetItemText(nRow, nColumn), 0, 0};
        if (bServerList && lData) {
            auto* pServer = reinterpret_cast<CGameServer*>(lData);
            key.bFavorite = pServer->IsFavorite();
            key.bIgnored = pServer->IsIgnored();
        }
        keys.emplace(lData, key);
    }
    SORTPARAMS params{bAscending ? 1 : 0, static_cast<BYTE>(bServerList ? 1 : 0), &keys};
    list.SortItems(CompareListItems, reinterpret_cast<DWORD_PTR>(&params));
}

int CALLBACK CMonitorDlg::CompareListItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const auto* pParams = reinterpret_cast<const SORTPARAMS*>(lParamSort);
    auto itA = pParams->pKeys->find(lParam1);
    auto itB = pParams->pKeys->find(lParam2);
    if (itA == pParams->pKeys->end() || itB == pParams->pKeys->end())
        return 0;
    const SortKey& a = itA->second;
    const SortKey& b = itB->second;
    int nResult = CompareSortKeys(a.strText, b.strText, pParams->bAscending);
    if (nResult == 0 && pParams->bServerList)
        nResult = CompareMarks(a.bFavorite, a.bIgnored, b.bFavorite, b.bIgnored);
    return nResult;
}

LRESULT CMonitorDlg::AnswerCustomDraw(NMLVCUSTOMDRAW* pDraw, COLORREF (*pfnTextColor)(LPARAM))
{
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        pDraw->clrTextBk = RowBackgroundColor(static_cast<int>(pDraw->nmcd.dwItemSpec));
        pDraw->clrText = pfnTextColor(pDraw->nmcd.lItemlParam);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}
