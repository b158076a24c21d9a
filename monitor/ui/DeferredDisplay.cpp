#include "ui/MonitorDlg.h"

#include <algorithm>

#include "ui/ServerListRules.h"

// A poll changes the lists, the status line and the progress bar thousands of
// times a second, and each change would repaint at once (or re-measure every row,
// for the column widths). The changes are made with painting held, and shown in
// one go when the timer fires: WM_TIMER comes only when no other message waits,
// and the delay (ScheduleDisplay's default, 150 ms) bounds how often a long list
// is measured.
// Sizing a column measures each of its rows: one column per pass, so that a long
// list costs several short stretches rather than one long one.
static const UINT kNextColumnDelayMs = 1;

// A header item pads its text on both sides; Wine's automatic width leaves out
// part of that, which cuts short headings that are wider than their column's texts.
static const int kHeadingPadding = 14;

// The list's own automatic width measures each row with a display context of its
// own, and under Wine every one of those selects the font anew, which reads the X
// resource files: seconds for a long list. One context serves the whole column
// here; the paddings are those the list adds to its widest text.
static const int kLabelPadding = 12;

static int FittingWidth(CListCtrl& list, int nColumn)
{
    HWND hList = list.GetSafeHwnd();
    HDC hDC = ::GetDC(hList);
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(list.SendMessage(WM_GETFONT, 0, 0)));
    int nWidest = 0;
    char text[512];
    for (int nRow = 0, nRows = list.GetItemCount(); nRow < nRows; ++nRow) {
        int nLength = list.GetItemText(nRow, nColumn, text, sizeof text);
        SIZE size = {};
        if (nLength > 0 && ::GetTextExtentPoint32A(hDC, text, nLength, &size) && size.cx > nWidest)
            nWidest = size.cx;
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(hList, hDC);
    // The first column also holds the row's small image.
    int cxImage = 0, cyImage = 0;
    if (nColumn == 0) {
        HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        if (hImages)
            ImageList_GetIconSize(hImages, &cxImage, &cyImage);
    }
    return nWidest + cxImage + kLabelPadding;
}

// The width that keeps the column's heading whole; 0 when it cannot be read.
static int HeadingWidth(CListCtrl& list, int nColumn)
{
    char heading[64] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    if (!list.SendMessage(LVM_GETCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column)))
        return 0;
    return static_cast<int>(list.SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(heading)))
        + kHeadingPadding;
}

CMonitorDlg::CDeferredList& CMonitorDlg::Deferred(CListCtrl& list)
{
    return &list == &m_listServers ? m_deferServers : m_deferPlayers;
}

void CMonitorDlg::ScheduleDisplay(UINT nDelayMs)
{
    if (!m_bDisplayScheduled) {
        m_bDisplayScheduled = TRUE;
        SetTimer(kDisplayTimer, nDelayMs, nullptr);
    }
}

void CMonitorDlg::HoldPaint(CListCtrl& list)
{
    CDeferredList& deferred = Deferred(list);
    if (!deferred.bPaintHeld) {
        list.SetRedraw(FALSE);
        deferred.bPaintHeld = TRUE;
    }
    ScheduleDisplay();
}

void CMonitorDlg::RequestAutoSize(CListCtrl& list)
{
    Deferred(list).nSizeColumn = 0;
    ScheduleDisplay();
}

void CMonitorDlg::ShowStatusSoon()
{
    m_bStatusPending = TRUE;
    ScheduleDisplay();
}

void CMonitorDlg::StepProgressSoon()
{
    ++m_nProgressPos;
    ScheduleDisplay();
}

// Sizes the next column that waits and paints. TRUE while more columns wait.
BOOL CMonitorDlg::ShowDeferred(CListCtrl& list, int nColumns)
{
    CDeferredList& deferred = Deferred(list);
    if (deferred.nSizeColumn >= 0) {
        int i = deferred.nSizeColumn++;
        // The last column takes the rest of the list's width, which the list works
        // out without measuring its rows.
        if (i < nColumns - 1) {
            list.SetColumnWidth(i, std::max(FittingWidth(list, i), HeadingWidth(list, i)));
        } else {
            list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
            deferred.nSizeColumn = -1;
        }
    }
    if (deferred.bPaintHeld) {
        deferred.bPaintHeld = FALSE;
        list.SetRedraw(TRUE);
        list.Invalidate(FALSE);
    }
    return deferred.nSizeColumn >= 0;
}

void CMonitorDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kSaveTimer) {
        ScheduleSave();
        return;
    }
    if (nIDEvent != kDisplayTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kDisplayTimer);
    m_bDisplayScheduled = FALSE;
    BOOL bMore = ShowDeferred(m_listServers, SERVER_COLUMN_COUNT);
    bMore |= ShowDeferred(m_listPlayers, PLAYER_COLUMN_COUNT);
    if (m_bStatusPending) {
        m_bStatusPending = FALSE;
        UpdateData(FALSE);
    }
    if (m_progress.GetPos() != m_nProgressPos)
        m_progress.SetPos(m_nProgressPos);
    if (bMore)
        ScheduleDisplay(kNextColumnDelayMs);
}
