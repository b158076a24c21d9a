// A report-view list that shows a CRowTable. The list keeps no rows of its own
// (LVS_OWNERDATA): it asks the table for each row's texts and image as it draws
// them, so that thousands of rows entering, leaving or changing order cost the
// table's work and one repaint. It follows the table's changes, keeps its
// selection on the same row key, and paints and sizes its columns once a burst of
// changes is over.
#pragma once

#include <functional>
#include <vector>

#include "Gdi.h"
#include "ListCtrl.h"
#include "RowTable.h"

// One column: its heading and its width at 96 DPI; a negative width is the list's
// width less its magnitude.
struct CListColumn {
    const char* pszHeading;
    int nWidth;
};

class CSortedListCtrl : public CListCtrl, private CRowTable::CListener {
public:
    CSortedListCtrl() = default;
    ~CSortedListCtrl() override;

    // Once the control is bound: the table it shows and its columns, made at dpi.
    void Show(CRowTable& table, const CListColumn* pColumns, int nColumns, int dpi);
    CRowTable* GetTable() const { return m_pTable; }

    // A row's key: the list view's own item data stays 0 in a list without rows.
    DWORD_PTR GetItemData(int nItem) const;
    // The key of the first selected row, or 0.
    LPARAM GetSelectedKey() const;
    // Selects and focuses the key's row alone and scrolls it into view; FALSE when
    // no row shows the key.
    BOOL SelectKey(LPARAM key);

    // The custom draw answer: every row and sub-item asked for, rows banded, each
    // row in its look's colour and weight.
    LRESULT CustomDraw(NMHDR* pNMHDR);
    // The column of an LVN_COLUMNCLICK.
    static int ClickedColumn(NMHDR* pNMHDR);
    // A click on a column sorts the table by it (NextSortAscending).
    void SortOnClick(int nColumn);

    // Sizes the columns to their texts once the changes pause: every column but
    // the last fits its widest text and its heading; the last fills the rest.
    // Not once the columns have widths the user gave them.
    void RequestAutoSize();
    // At a new DPI: the user's widths, or the initial ones while the list is
    // empty, else widths that fit the rows in the list's new font.
    void ScaleColumns(int dpi);

    // Widths the user gave the columns, at 96 DPI (one per column; an empty list
    // for none): the columns keep them, and no longer size themselves; the last
    // still takes the rest of the list's width.
    void SetUserWidths(const std::vector<int>& widths);
    // Told the widths at 96 DPI each time the user sizes a column (drags or
    // double-clicks a divider of the heading).
    void OnUserWidths(std::function<void(const std::vector<int>&)> onWidths) { m_onUserWidths = std::move(onWidths); }

    // Banding of the rows: white, then light grey.
    static constexpr DWORD kEvenRowColor = 0xFFFFFF;
    static constexpr DWORD kOddRowColor = 0xE1E1E1;

protected:
    // The rows' texts and images, and the answers the owner leaves to the list.
    BOOL OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RowsChanging() override;
    void RowsChanged() override;
    void RowUpdated(int nRow) override;

    void ClearSelection(int nSelectedRow);
    void GetDispInfo(LVITEMA& item) const;
    // The header has changed a column's width: the user's doing unless ours.
    void ColumnWidthChanged();
    void SetWidth(int nColumn, int nWidth);
    void FillWithLastColumn();
    int FindByText(const NMLVFINDITEMA& find) const;
    int InitialWidth(int nColumn, int dpi) const;
    void HoldPaint();
    void ScheduleDisplay(UINT nDelayMs);
    void ShowDeferred();
    int FittingWidth(int nColumn);
    int HeadingWidth(int nColumn) const;

    CRowTable* m_pTable = nullptr;
    std::vector<CListColumn> m_columns;
    int m_nDpi = 96;
    // The selection as RowsChanging found it, taken up again by RowsChanged.
    LPARAM m_keptKey = 0;
    int m_nKeptRow = -1;
    // The deferred display.
    int m_nSizeColumn = -1; // the next column to size, or -1
    bool m_bPaintHeld = false;
    bool m_bDisplayScheduled = false;
    // Each byte's width in the list's font and in its bold form, for measuring
    // many texts fast.
    HFONT m_hMeasuredFont = nullptr;
    int m_anCharWidth[256] = {};
    int m_anBoldWidth[256] = {};
    CBoldFont m_boldFont;
    // The user's widths at 96 DPI; empty while the columns size themselves.
    std::vector<int> m_userWidths;
    std::function<void(const std::vector<int>&)> m_onUserWidths;
    int m_nSettingWidths = 0; // the list sets widths itself: not the user's
};
