// The framework's string array, thin over the standard container.
#pragma once

#include <vector>

#include "CString.h"

class CStringArray {
public:
    int Add(const CString& s) { m_items.push_back(s); return GetSize() - 1; }
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CString& GetAt(int nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }
    std::vector<CString>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CString>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CString> m_items;
};
