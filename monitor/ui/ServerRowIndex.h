// Which row of the server list shows a record, in constant time. A list view finds
// a row by its item data only by walking every row, and the list is asked for a
// record's row with every notice of a poll and every record shown at start-up.
// The list stays the truth: an answer is checked against the row's item data, and
// a stale index is rebuilt from the rows.
#pragma once

#include <unordered_map>

#include "framework/Types.h"

class CServerRowIndex {
public:
    // What the index reads from the list: its row count and a row's item data.
    class CRows {
    public:
        virtual ~CRows() = default;
        virtual int GetCount() const = 0;
        virtual LPARAM GetData(int nRow) const = 0;
    };

    virtual ~CServerRowIndex() = default;

    // The row whose item data is lData, or -1.
    int Find(LPARAM lData, const CRows& rows);
    // A row with item data lData is now at nRow (rows after it have moved down).
    void Inserted(LPARAM lData, int nRow, const CRows& rows);
    // The row at nRow, with item data lData, is gone (rows after it have moved up).
    void Deleted(LPARAM lData, int nRow, const CRows& rows);
    // The rows have been reordered or replaced: rebuilt on the next Find.
    void Invalidate() { m_bStale = true; }

private:
    void Rebuild(const CRows& rows);
    void Renumber(int nFrom, const CRows& rows);

    std::unordered_map<LPARAM, int> m_rows;
    bool m_bStale = true;
};
