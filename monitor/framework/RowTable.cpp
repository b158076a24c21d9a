#include "RowTable.h"

#include <algorithm>
#include <cstring>

namespace {
// Byte by byte as unsigned values, which is strcmp's order, at strcmp's speed.
int CompareBytes(const char* pszA, const char* pszB)
{
    const int nResult = std::strcmp(pszA, pszB);
    return nResult < 0 ? -1 : (nResult > 0 ? 1 : 0);
}

int CompareKeys(long long nA, const char* pszA, long long nB, const char* pszB)
{
    if (nA > 0 && nB > 0)
        return nA < nB ? -1 : (nA > nB ? 1 : 0);
    return CompareBytes(pszA, pszB);
}

const CString kNoText;
const CRowLook kPlainLook;
} // namespace

int CompareSortKeys(const char* pszA, const char* pszB, BOOL bAscending)
{
    // 64 bits: two saturated 32-bit values must not overflow their difference.
    return CompareSortKeys(ReadLeadingInt(pszA), pszA, ReadLeadingInt(pszB), pszB, bAscending);
}

int CompareSortKeys(long long nA, const char* pszA, long long nB, const char* pszB, BOOL bAscending)
{
    const int nResult = CompareKeys(nA, pszA, nB, pszB);
    return bAscending ? nResult : -nResult;
}

BOOL NextSortAscending(int nClicked, int nSortColumn, BOOL bSortAscending)
{
    return nClicked == nSortColumn ? !bSortAscending : TRUE;
}

CRowTable::CRowTable(int nColumns, int nSortColumn, BOOL bSortAscending)
    : m_nColumns(nColumns), m_nSortColumn(nSortColumn), m_bSortAscending(bSortAscending)
{
}

CRowTable::~CRowTable() = default;

LPARAM CRowTable::GetKey(int nRow) const
{
    return nRow >= 0 && nRow < GetCount() ? m_rows[static_cast<size_t>(nRow)]->key : 0;
}

const CString& CRowTable::GetText(int nRow, int nColumn) const
{
    if (nRow < 0 || nRow >= GetCount() || nColumn < 0 || nColumn >= m_nColumns)
        return kNoText;
    return m_rows[static_cast<size_t>(nRow)]->texts[static_cast<size_t>(nColumn)];
}

const CRowLook& CRowTable::GetLook(int nRow) const
{
    return nRow >= 0 && nRow < GetCount() ? m_rows[static_cast<size_t>(nRow)]->look : kPlainLook;
}

int CRowTable::Find(LPARAM key) const
{
    auto it = m_byKey.find(key);
    return it == m_byKey.end() ? -1 : it->second->nIndex;
}

void CRowTable::BeginChange()
{
    ++m_nChangeDepth;
}

void CRowTable::EndChange()
{
    if (--m_nChangeDepth > 0)
        return;
    if (m_bRemoved)
        Compact();
    if (m_bChanged) {
        m_bChanged = false;
        if (m_pListener)
            m_pListener->RowsChanged();
    }
}

int CRowTable::Set(LPARAM key, std::vector<CString> texts, const CRowLook& look)
{
    texts.resize(static_cast<size_t>(m_nColumns));
    auto it = m_byKey.find(key);
    if (it != m_byKey.end()) {
        CRow& row = *it->second;
        // A row whose sort text or rank changes is out of order from its place on.
        const size_t nIndex = static_cast<size_t>(row.nIndex);
        if (nIndex < m_nSortedRows && (m_nSortColumn < 0 || m_nSortColumn >= m_nColumns
                                       || row.texts[static_cast<size_t>(m_nSortColumn)] != texts[static_cast<size_t>(m_nSortColumn)]
                                       || row.look.nTieRank != look.nTieRank))
            m_nSortedRows = nIndex;
        row.texts = std::move(texts);
        row.look = look;
        if (m_pListener)
            m_pListener->RowUpdated(row.nIndex);
        return row.nIndex;
    }
    CBatch batch(*this);
    if (!m_bChanged && m_pListener)
        m_pListener->RowsChanging();
    m_bChanged = true;
    const int nIndex = GetCount();
    m_rows.push_back(std::make_unique<CRow>(CRow{key, std::move(texts), look, nIndex}));
    m_byKey.emplace(key, m_rows.back().get());
    return nIndex;
}

void CRowTable::Remove(LPARAM key)
{
    auto it = m_byKey.find(key);
    if (it == m_byKey.end())
        return;
    CBatch batch(*this);
    if (!m_bChanged && m_pListener)
        m_pListener->RowsChanging();
    m_bChanged = m_bRemoved = true;
    it->second->nIndex = -1;
    m_byKey.erase(it);
}

void CRowTable::RemoveAll()
{
    if (m_rows.empty())
        return;
    CBatch batch(*this);
    if (!m_bChanged && m_pListener)
        m_pListener->RowsChanging();
    m_bChanged = true;
    m_bRemoved = false;
    m_rows.clear();
    m_byKey.clear();
    m_nSortedRows = 0;
}

void CRowTable::Compact()
{
    m_bRemoved = false;
    // Rows that leave do not disturb the order of those that stay.
    size_t nSortedLeft = 0;
    for (size_t i = 0; i < m_nSortedRows && i < m_rows.size(); ++i)
        nSortedLeft += m_rows[i]->nIndex >= 0 ? 1 : 0;
    m_nSortedRows = nSortedLeft;
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const std::unique_ptr<CRow>& row) {
        return row->nIndex < 0;
    }), m_rows.end());
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i]->nIndex = static_cast<int>(i);
}

void CRowTable::Sort(int nColumn, BOOL bAscending)
{
    CBatch batch(*this);
    const bool bSameOrder = nColumn == m_nSortColumn && bAscending == m_bSortAscending;
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    if (nColumn < 0 || nColumn >= m_nColumns || m_rows.size() < 2) {
        m_nSortedRows = nColumn >= 0 && nColumn < m_nColumns ? m_rows.size() : 0;
        return;
    }
    if (!m_bChanged && m_pListener)
        m_pListener->RowsChanging();
    m_bChanged = true;
    if (m_bRemoved)
        Compact();
    // Each row's key, taken before the sort.
    struct CSortKey {
        long long nLeading;
        const char* pszText;
        int nTieRank;
        CRow* pRow;
    };
    std::vector<CSortKey> keys;
    keys.reserve(m_rows.size());
    for (const auto& row : m_rows) {
        const CString& strText = row->texts[static_cast<size_t>(nColumn)];
        keys.push_back(CSortKey{ReadLeadingInt(strText), strText, row->look.nTieRank, row.get()});
    }
    const auto before = [bAscending](const CSortKey& a, const CSortKey& b) {
        int nResult = CompareKeys(a.nLeading, a.pszText, b.nLeading, b.pszText);
        if (!bAscending)
            nResult = -nResult;
        return nResult != 0 ? nResult < 0 : a.nTieRank < b.nTieRank;
    };
    // The rows in order already come first; the rest are sorted and merged in,
    // which is what a stable sort of them all gives.
    const auto tail = keys.begin() + static_cast<std::ptrdiff_t>(bSameOrder ? std::min(m_nSortedRows, keys.size()) : 0);
    std::stable_sort(tail, keys.end(), before);
    std::inplace_merge(keys.begin(), tail, keys.end(), before);
    m_nSortedRows = keys.size();
    std::vector<std::unique_ptr<CRow>> sorted;
    sorted.reserve(m_rows.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        CRow* pRow = keys[i].pRow;
        sorted.push_back(std::move(m_rows[static_cast<size_t>(pRow->nIndex)]));
        pRow->nIndex = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
}
