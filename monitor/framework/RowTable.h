// The rows of a list window in the order shown: each row has a key that its owner
// chooses (a record, a player's place), the texts of its columns and how it is
// drawn. A list window (CSortedListCtrl) asks the table for what it shows, so that
// a change of thousands of rows is one change here and one repaint there.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "CString.h"

// How a row is drawn beside its texts.
struct CRowLook {
    int nImage = -1;       // the small image, -1 for none
    int nOverlay = 0;      // the image list's overlay drawn over it, 0 for none
    DWORD crText = 0;      // the text colour (0x00BBGGRR)
    bool bBold = false;
    // Among rows whose sort texts are equal, the lower rank comes first, whatever the direction.
    int nTieRank = 0;

    bool operator==(const CRowLook& other) const
    {
        return nImage == other.nImage && nOverlay == other.nOverlay && crText == other.crText && bBold == other.bBold && nTieRank == other.nTieRank;
    }
};

// Two rows' texts in the sort column: as numbers when both start with a number
// above 0, else byte by byte (unsigned, case-sensitive). The direction is applied here.
int CompareSortKeys(const char* pszA, const char* pszB, BOOL bAscending);
// The same with each text's leading number (ReadLeadingInt) read beforehand: a sort
// reads it once a row, not twice a comparison.
int CompareSortKeys(long long nA, const char* pszA, long long nB, const char* pszB, BOOL bAscending);
// A click on a column sorts it ascending; a click on the sorted column turns it round.
BOOL NextSortAscending(int nClicked, int nSortColumn, BOOL bSortAscending);

class CRowTable {
public:
    // What a list window learns of the table's changes.
    class CListener {
    public:
        virtual ~CListener() = default;
        // Rows are about to be added, removed or reordered: the window notes its
        // selection by key...
        virtual void RowsChanging() = 0;
        // ...and takes it up again at the rows' new places.
        virtual void RowsChanged() = 0;
        // A row's texts or look changed in place.
        virtual void RowUpdated(int nRow) = 0;
    };

    // Every change between Begin and End reaches the listener as one: removals in
    // it cost one pass over the rows, not one each.
    class CBatch {
    public:
        explicit CBatch(CRowTable& table) : m_table(table) { m_table.BeginChange(); }
        ~CBatch() { m_table.EndChange(); }
        CBatch(const CBatch&) = delete;
        CBatch& operator=(const CBatch&) = delete;

    private:
        CRowTable& m_table;
    };

    CRowTable(int nColumns, int nSortColumn, BOOL bSortAscending);
    virtual ~CRowTable();
    CRowTable(const CRowTable&) = delete;
    CRowTable& operator=(const CRowTable&) = delete;

    void SetListener(CListener* pListener) { m_pListener = pListener; }

    int GetColumnCount() const { return m_nColumns; }
    int GetCount() const { return static_cast<int>(m_rows.size()); }
    // 0, an empty text and a plain look out of range.
    LPARAM GetKey(int nRow) const;
    const CString& GetText(int nRow, int nColumn) const;
    const CRowLook& GetLook(int nRow) const;
    // The row that shows key, or -1.
    int Find(LPARAM key) const;
    bool Contains(LPARAM key) const { return m_byKey.count(key) != 0; }

    // The key's row shows these texts (one per column) and look: a new key's row is
    // added at the end, a known one changes in place. Returns the row.
    int Set(LPARAM key, std::vector<CString> texts, const CRowLook& look = CRowLook());
    void Remove(LPARAM key);
    void RemoveAll();

    // Orders the rows by a column's texts, ties by rank, and keeps the column and
    // direction as the sort state. Rows equal in both keep their order. Again by
    // the same state, only the rows added or changed since are sorted, and merged
    // in: a view change of thousands of rows does not sort them all again.
    void Sort(int nColumn, BOOL bAscending);
    // Sorts again by the sort state.
    void Resort() { Sort(m_nSortColumn, m_bSortAscending); }
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL IsSortAscending() const { return m_bSortAscending; }

private:
    struct CRow {
        LPARAM key;
        std::vector<CString> texts;
        CRowLook look;
        int nIndex; // place in m_rows; -1 once removed
    };

    void BeginChange();
    void EndChange();
    // Takes removed rows out and numbers the rest.
    void Compact();

    const int m_nColumns;
    int m_nSortColumn;
    BOOL m_bSortAscending;
    std::vector<std::unique_ptr<CRow>> m_rows;
    std::unordered_map<LPARAM, CRow*> m_byKey;
    CListener* m_pListener = nullptr;
    int m_nChangeDepth = 0;
    bool m_bChanged = false;  // rows added, removed or reordered in the open change
    bool m_bRemoved = false;  // rows wait in m_rows to be taken out
    // The leading rows that are in the order of the sort state.
    size_t m_nSortedRows = 0;
};
