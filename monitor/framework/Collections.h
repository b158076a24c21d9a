// The framework's string array and typed pointer list, thin over the standard
// containers. The pointer list does not own what it holds: owners delete.
#pragma once

#include <list>
#include <vector>

#include "CString.h"

class CStringArray {
public:
    int Add(const CString& s) { m_items.push_back(s); return GetSize() - 1; }
    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    const CString& GetAt(int nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }
    const CString& operator[](int nIndex) const { return GetAt(nIndex); }
    void RemoveAll() { m_items.clear(); }
    std::vector<CString>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CString>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CString> m_items;
};

// An ordered, doubly linked list of pointers.
template <class TPtr>
class CTypedPtrList {
public:
    using iterator = typename std::list<TPtr>::iterator;
    using const_iterator = typename std::list<TPtr>::const_iterator;

    void AddTail(TPtr p) { m_items.push_back(p); }
    void AddHead(TPtr p) { m_items.push_front(p); }
    TPtr GetHead() const { return m_items.front(); }
    TPtr RemoveHead() { TPtr p = m_items.front(); m_items.pop_front(); return p; }
    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    void RemoveAll() { m_items.clear(); }
    void Swap(CTypedPtrList& other) { m_items.swap(other.m_items); }

    // The element at a position counted from the head, or null when out of range.
    TPtr GetAt(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetCount())
            return nullptr;
        auto it = m_items.begin();
        std::advance(it, nIndex);
        return *it;
    }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    std::list<TPtr> m_items;
};
