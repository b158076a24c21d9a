#include "ui/ServerRowIndex.h"

int CServerRowIndex::Find(LPARAM lData, const CRows& rows)
{
    if (m_bStale)
        Rebuild(rows);
    auto it = m_rows.find(lData);
    if (it == m_rows.end())
        return -1;
    if (it->second < rows.GetCount() && rows.GetData(it->second) == lData)
        return it->second;
    // The list changed behind the index's back: believe the rows.
    Rebuild(rows);
    it = m_rows.find(lData);
    return it == m_rows.end() ? -1 : it->second;
}

void CServerRowIndex::Inserted(LPARAM lData, int nRow, const CRows& rows)
{
    if (m_bStale)
        return;
    m_rows[lData] = nRow;
    Renumber(nRow + 1, rows);
}

void CServerRowIndex::Deleted(LPARAM lData, int nRow, const CRows& rows)
{
    if (m_bStale)
        return;
    m_rows.erase(lData);
    Renumber(nRow, rows);
}

void CServerRowIndex::Rebuild(const CRows& rows)
{
    m_rows.clear();
    m_bStale = false;
    Renumber(0, rows);
}

// Only the rows that moved: nothing for a row added at the end.
void CServerRowIndex::Renumber(int nFrom, const CRows& rows)
{
    for (int nRow = nFrom, nRows = rows.GetCount(); nRow < nRows; ++nRow) {
        LPARAM lData = rows.GetData(nRow);
        if (lData)
            m_rows[lData] = nRow;
    }
}
