#include "ui/dialogs/ReportList.h"

void AddColumns(CListCtrl& list, std::initializer_list<std::pair<const char*, int>> columns)
{
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CRect rect;
    list.GetClientRect(&rect);
    int nColumn = 0;
    for (const auto& column : columns)
        list.InsertColumn(nColumn++, column.first, LVCFMT_LEFT, rect.Width() * column.second / 100);
}

int AddRow(CListCtrl& list, const std::vector<CString>& texts)
{
    const int nRow = texts.empty() ? -1 : list.InsertItem(list.GetItemCount(), texts.front());
    if (nRow < 0)
        return -1;
    int nColumn = 0;
    for (const CString& text : texts)
        if (nColumn++ > 0)
            list.SetItemText(nRow, nColumn - 1, text);
    return nRow;
}
