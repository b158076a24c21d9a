#include "SortedListCtrl.h"

#include <algorithm>

namespace {
// The list's own timer for its deferred display; the list view's timers are
// numbered by its own address.
const UINT_PTR kDisplayTimer = 0x4B4C;
// A burst of changes is shown this long after it began: a poll changes the rows
// thousands of times a second, and each change would repaint or re-measure at once.
const UINT kDisplayDelayMs = 150;
// Sizing a column measures each of its rows: one column a pass, so that a long
// list costs several short stretches rather than one long one.
const UINT kNextColumnDelayMs = 1;
// A header item pads its text on both sides; Wine's automatic width leaves out
// part of that, which cuts short headings that are wider than their column's texts.
const int kHeadingPadding = 14;
// What the list adds to its widest label.
const int kLabelPadding = 12;
} // namespace

CSortedListCtrl::~CSortedListCtrl()
{
    if (m_pTable)
        m_pTable->SetListener(nullptr);
}

void CSortedListCtrl::Show(CRowTable& table, const CListColumn* pColumns, int nColumns, int dpi)
{
    if (m_pTable)
        m_pTable->SetListener(nullptr);
    m_pTable = &table;
    m_pTable->SetListener(this);
    m_columns.assign(pColumns, pColumns + nColumns);
    m_nDpi = dpi;
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    // The rows' overlay images (CRowLook::nOverlay) are asked for with their texts.
    SendMessage(LVM_SETCALLBACKMASK, LVIS_OVERLAYMASK, 0);
    ++m_nSettingWidths;
    for (int i = 0; i < nColumns; ++i)
        InsertColumn(i, pColumns[i].pszHeading, LVCFMT_LEFT, InitialWidth(i, dpi));
    --m_nSettingWidths;
    SetItemCountEx(table.GetCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

void CSortedListCtrl::SetWidth(int nColumn, int nWidth)
{
    ++m_nSettingWidths;
    SetColumnWidth(nColumn, nWidth);
    --m_nSettingWidths;
}

void CSortedListCtrl::SetUserWidths(const std::vector<int>& widths)
{
    if (widths.empty() || widths.size() != m_columns.size())
        return;
    m_userWidths = widths;
    m_nSizeColumn = -1;
    const int nLast = static_cast<int>(widths.size()) - 1;
    for (int i = 0; i < nLast; ++i)
        SetWidth(i, ::MulDiv(widths[static_cast<size_t>(i)], m_nDpi, 96));
    FillWithLastColumn();
}

// The last column takes the rest of the list's width, as when the columns size
// themselves: a column made wider or narrower moves it, and no scroll bar comes.
void CSortedListCtrl::FillWithLastColumn()
{
    if (!m_columns.empty())
        SetWidth(static_cast<int>(m_columns.size()) - 1, LVSCW_AUTOSIZE_USEHEADER);
}

void CSortedListCtrl::ColumnWidthChanged()
{
    if (m_nSettingWidths > 0 || !m_hWnd)
        return;
    if (m_columns.empty())
        return;
    std::vector<int> widths;
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
        widths.push_back(::MulDiv(GetColumnWidth(i), 96, m_nDpi));
    m_nSizeColumn = -1;
    FillWithLastColumn();
    widths.back() = ::MulDiv(GetColumnWidth(static_cast<int>(widths.size()) - 1), 96, m_nDpi);
    if (widths == m_userWidths)
        return;
    m_userWidths = widths;
    if (m_onUserWidths)
        m_onUserWidths(widths);
}

int CSortedListCtrl::InitialWidth(int nColumn, int dpi) const
{
    const int nWidth = m_columns[static_cast<size_t>(nColumn)].nWidth;
    if (nWidth >= 0)
        return ::MulDiv(nWidth, dpi, 96);
    CRect rect;
    GetWindowRect(&rect);
    return rect.Width() - ::MulDiv(-nWidth, dpi, 96);
}

DWORD_PTR CSortedListCtrl::GetItemData(int nItem) const
{
    return m_pTable ? static_cast<DWORD_PTR>(m_pTable->GetKey(nItem)) : 0;
}

LPARAM CSortedListCtrl::GetSelectedKey() const
{
    const int nRow = GetNextItem(-1, LVNI_SELECTED);
    return m_pTable && nRow >= 0 ? m_pTable->GetKey(nRow) : 0;
}

BOOL CSortedListCtrl::SelectKey(LPARAM key)
{
    const int nRow = m_pTable ? m_pTable->Find(key) : -1;
    if (nRow < 0)
        return FALSE;
    ClearSelection(GetNextItem(-1, LVNI_SELECTED));
    const UINT nSelected = LVIS_SELECTED | LVIS_FOCUSED;
    SetItemState(nRow, nSelected, nSelected);
    EnsureVisible(nRow, FALSE);
    return TRUE;
}

// The lists select one row at a time: clearing that row is enough. The list's
// own "every row" (-1) visits each of 40,000 rows under Wine, tens of
// milliseconds at every sort or view change.
void CSortedListCtrl::ClearSelection(int nSelectedRow)
{
    if (nSelectedRow >= 0 && nSelectedRow < GetItemCount())
        SetItemState(nSelectedRow, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CSortedListCtrl::RowsChanging()
{
    const int nRow = GetNextItem(-1, LVNI_SELECTED);
    m_nKeptRow = nRow;
    m_keptKey = m_pTable->GetKey(nRow);
}

void CSortedListCtrl::RowsChanged()
{
    HoldPaint();
    SetItemCountEx(m_pTable->GetCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    // The selection belongs to the row's key, not to the place it had.
    const int nRow = m_nKeptRow >= 0 ? m_pTable->Find(m_keptKey) : -1;
    if (nRow != m_nKeptRow) {
        const UINT nSelected = LVIS_SELECTED | LVIS_FOCUSED;
        ClearSelection(m_nKeptRow);
        if (nRow >= 0)
            SetItemState(nRow, nSelected, nSelected);
    }
    m_nKeptRow = -1;
    m_keptKey = 0;
    RequestAutoSize();
}

void CSortedListCtrl::RowUpdated(int)
{
    HoldPaint();
    RequestAutoSize();
}

BOOL CSortedListCtrl::OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    switch (pNMHDR->code) {
    case LVN_GETDISPINFOA:
        GetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item);
        *pResult = 0;
        return TRUE;
    case LVN_ODFINDITEMA:
        *pResult = FindByText(*reinterpret_cast<NMLVFINDITEMA*>(pNMHDR));
        return TRUE;
    case NM_CUSTOMDRAW:
        *pResult = CustomDraw(pNMHDR);
        return TRUE;
    case LVN_COLUMNCLICK:
        SortOnClick(ClickedColumn(pNMHDR));
        *pResult = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

void CSortedListCtrl::GetDispInfo(LVITEMA& item) const
{
    if (!m_pTable)
        return;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        ::lstrcpynA(item.pszText, m_pTable->GetText(item.iItem, item.iSubItem), item.cchTextMax);
    if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0)
        item.iImage = m_pTable->GetLook(item.iItem).nImage;
    if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_OVERLAYMASK)) {
        item.state &= ~LVIS_OVERLAYMASK;
        item.state |= INDEXTOOVERLAYMASK(m_pTable->GetLook(item.iItem).nOverlay);
    }
}

// Typing a row's first letters goes to the next row whose first text starts so.
int CSortedListCtrl::FindByText(const NMLVFINDITEMA& find) const
{
    const LVFINDINFOA& info = find.lvfi;
    if (!m_pTable || !(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz)
        return -1;
    const int nLength = ::lstrlenA(info.psz);
    const int nRows = m_pTable->GetCount();
    for (int i = 0; i < nRows; ++i) {
        const int nRow = (find.iStart + i) % nRows;
        const CString& strText = m_pTable->GetText(nRow, 0);
        if (strText.GetLength() >= nLength &&
            ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, strText, nLength, info.psz, nLength) == CSTR_EQUAL)
            return nRow;
    }
    return -1;
}

LRESULT CSortedListCtrl::CustomDraw(NMHDR* pNMHDR)
{
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int nRow = static_cast<int>(pDraw->nmcd.dwItemSpec);
        const CRowLook& look = m_pTable ? m_pTable->GetLook(nRow) : CRowLook();
        pDraw->clrTextBk = nRow % 2 == 0 ? kEvenRowColor : kOddRowColor;
        pDraw->clrText = look.crText;
        return look.bBold ? m_boldFont.SelectInto(pDraw->nmcd.hdc, m_hWnd) : CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

int CSortedListCtrl::ClickedColumn(NMHDR* pNMHDR)
{
    return reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
}

void CSortedListCtrl::SortOnClick(int nColumn)
{
    if (m_pTable)
        m_pTable->Sort(nColumn, NextSortAscending(nColumn, m_pTable->GetSortColumn(), m_pTable->IsSortAscending()));
}

void CSortedListCtrl::ScaleColumns(int dpi)
{
    m_nDpi = dpi;
    if (!m_userWidths.empty()) {
        SetUserWidths(std::vector<int>(m_userWidths));
        return;
    }
    if (GetItemCount() > 0) {
        RequestAutoSize();
        return;
    }
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
        SetWidth(i, InitialWidth(i, dpi));
}

void CSortedListCtrl::ScheduleDisplay(UINT nDelayMs)
{
    if (!m_bDisplayScheduled && m_hWnd) {
        m_bDisplayScheduled = true;
        SetTimer(kDisplayTimer, nDelayMs, nullptr);
    }
}

void CSortedListCtrl::HoldPaint()
{
    if (!m_bPaintHeld && m_hWnd) {
        SetRedraw(FALSE);
        m_bPaintHeld = true;
    }
    ScheduleDisplay(kDisplayDelayMs);
}

void CSortedListCtrl::RequestAutoSize()
{
    if (!m_userWidths.empty())
        return;
    m_nSizeColumn = 0;
    ScheduleDisplay(kDisplayDelayMs);
}

LRESULT CSortedListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // WM_TIMER comes only when no other message waits: the burst is over.
    if (message == WM_TIMER && wParam == kDisplayTimer) {
        KillTimer(kDisplayTimer);
        m_bDisplayScheduled = false;
        ShowDeferred();
        return 0;
    }
    const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
    // The header tells its list of every width change, the user's dragging and
    // double-clicking among them, once the list has taken the new width.
    if (message == WM_NOTIFY && lParam) {
        const UINT nCode = reinterpret_cast<const NMHDR*>(lParam)->code;
        if (nCode == HDN_ITEMCHANGEDA || nCode == HDN_ITEMCHANGEDW) {
            const HDITEMA* pItem = reinterpret_cast<const NMHEADERA*>(lParam)->pitem;
            if (pItem && (pItem->mask & HDI_WIDTH))
                ColumnWidthChanged();
        }
    }
    return result;
}

void CSortedListCtrl::ShowDeferred()
{
    const int nColumns = static_cast<int>(m_columns.size());
    if (m_nSizeColumn >= 0 && m_nSizeColumn < nColumns) {
        const int i = m_nSizeColumn++;
        // The last column takes the rest of the list's width, which the list works
        // out without measuring its rows.
        if (i < nColumns - 1) {
            SetWidth(i, std::max(FittingWidth(i), HeadingWidth(i)));
        } else {
            SetWidth(i, LVSCW_AUTOSIZE_USEHEADER);
            m_nSizeColumn = -1;
        }
    }
    if (m_bPaintHeld) {
        m_bPaintHeld = false;
        SetRedraw(TRUE);
        Invalidate(FALSE);
    }
    if (m_nSizeColumn >= 0)
        ScheduleDisplay(kNextColumnDelayMs);
}

// Each byte's width in the font.
static void MeasureChars(HDC hDC, HFONT hFont, int anWidth[256])
{
    HGDIOBJ hOldFont = ::SelectObject(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(SYSTEM_FONT));
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        SIZE size = {};
        anWidth[c] = ::GetTextExtentPoint32A(hDC, &ch, 1, &size) ? size.cx : 0;
    }
    ::SelectObject(hDC, hOldFont);
}

// The list's own automatic width measures every row with a display context of its
// own (under Wine each selects the font anew, reading X resource files: seconds
// for a long list). The font's width of each byte is measured once instead, and a
// text's width is the sum of its bytes': the system's text extent adds them so.
int CSortedListCtrl::FittingWidth(int nColumn)
{
    const HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont != m_hMeasuredFont || !m_anCharWidth[static_cast<unsigned char>('x')]) {
        m_hMeasuredFont = hFont;
        HDC hDC = ::GetDC(m_hWnd);
        MeasureChars(hDC, hFont, m_anCharWidth);
        // A bold row is drawn wider: measured as drawn, its text is never cut.
        const HFONT hBold = m_boldFont.Of(m_hWnd);
        MeasureChars(hDC, hBold ? hBold : hFont, m_anBoldWidth);
        ::ReleaseDC(m_hWnd, hDC);
    }
    int nWidest = 0;
    for (int nRow = 0, nRows = m_pTable ? m_pTable->GetCount() : 0; nRow < nRows; ++nRow) {
        const CString& strText = m_pTable->GetText(nRow, nColumn);
        const int* anWidth = m_pTable->GetLook(nRow).bBold ? m_anBoldWidth : m_anCharWidth;
        int nWidth = 0;
        for (int i = 0, n = strText.GetLength(); i < n; ++i)
            nWidth += anWidth[static_cast<unsigned char>(strText.GetAt(i))];
        nWidest = std::max(nWidest, nWidth);
    }
    // The first column also holds the row's small image.
    int cxImage = 0, cyImage = 0;
    if (nColumn == 0) {
        HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        if (hImages)
            ImageList_GetIconSize(hImages, &cxImage, &cyImage);
    }
    return nWidest + cxImage + kLabelPadding;
}

// The width that keeps the column's heading whole.
int CSortedListCtrl::HeadingWidth(int nColumn) const
{
    const char* pszHeading = m_columns[static_cast<size_t>(nColumn)].pszHeading;
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(pszHeading))) + kHeadingPadding;
}
