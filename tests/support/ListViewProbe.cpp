#include "ListViewProbe.h"

#include <windows.h>

#include <string>

namespace {

LVITEMA ReadItem(HWND hList, int nRow, UINT nMask)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nRow;
    SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}

NMHDR HeaderFrom(HWND hList, UINT nCode)
{
    NMHDR header = {};
    header.hwndFrom = hList;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hList));
    header.code = nCode;
    return header;
}

LRESULT NotifyParent(HWND hList, NMHDR* pHeader)
{
    return SendMessageA(GetParent(hList), WM_NOTIFY, pHeader->idFrom, reinterpret_cast<LPARAM>(pHeader));
}

} // namespace

int ListRowCount(HWND hList) { return static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0)); }

int ListColumnCount(HWND hList)
{
    HWND hHeader = reinterpret_cast<HWND>(SendMessageA(hList, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

CString ListColumnHeading(HWND hList, int nColumn)
{
    char szText[256] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = szText;
    column.cchTextMax = sizeof(szText);
    SendMessageA(hList, LVM_GETCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column));
    return CString(szText);
}

CString ListText(HWND hList, int nRow, int nColumn)
{
    std::string buffer(4096, '\0');
    LVITEMA item = {};
    item.iSubItem = nColumn;
    item.pszText = &buffer[0];
    item.cchTextMax = static_cast<int>(buffer.size());
    const int nLength = static_cast<int>(SendMessageA(hList, LVM_GETITEMTEXTA, nRow, reinterpret_cast<LPARAM>(&item)));
    return CString(item.pszText, nLength);
}

std::vector<std::vector<CString>> ListRows(HWND hList)
{
    std::vector<std::vector<CString>> rows(ListRowCount(hList));
    const int nColumns = ListColumnCount(hList);
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < nColumns; ++column)
            rows[row].push_back(ListText(hList, static_cast<int>(row), column));
    }
    return rows;
}

LPARAM ListItemData(HWND hList, int nRow) { return ReadItem(hList, nRow, LVIF_PARAM).lParam; }

int ListItemImage(HWND hList, int nRow) { return ReadItem(hList, nRow, LVIF_IMAGE).iImage; }

int ListSelectedRow(HWND hList)
{
    return static_cast<int>(SendMessageA(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectListRow(HWND hList, int nRow)
{
    LVITEMA item = {};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hList, LVM_SETITEMSTATE, nRow, reinterpret_cast<LPARAM>(&item));
}

LRESULT SendListNotify(HWND hList, UINT nCode, int nItem, int nSubItem)
{
    // NMITEMACTIVATE begins as NMLISTVIEW does, so it serves both kinds of notice.
    NMITEMACTIVATE notice = {};
    notice.hdr = HeaderFrom(hList, nCode);
    notice.iItem = nItem;
    notice.iSubItem = nSubItem;
    notice.lParam = nItem >= 0 ? ListItemData(hList, nItem) : 0;
    return NotifyParent(hList, &notice.hdr);
}

LRESULT SendListCustomDraw(HWND hList, DWORD dwDrawStage, int nItem, int nSubItem, NMLVCUSTOMDRAW* pDraw)
{
    *pDraw = NMLVCUSTOMDRAW();
    pDraw->nmcd.hdr = HeaderFrom(hList, NM_CUSTOMDRAW);
    pDraw->nmcd.dwDrawStage = dwDrawStage;
    pDraw->nmcd.dwItemSpec = static_cast<DWORD_PTR>(nItem);
    pDraw->nmcd.lItemlParam = nItem >= 0 ? ListItemData(hList, nItem) : 0;
    pDraw->iSubItem = nSubItem;
    pDraw->clrText = GetSysColor(COLOR_WINDOWTEXT);
    pDraw->clrTextBk = GetSysColor(COLOR_WINDOW);
    return NotifyParent(hList, &pDraw->nmcd.hdr);
}
