// A copyable 8-bit string with the members the monitor calls, over std::string.
// Text may hold any byte, zero bytes included; GetLength counts them all.
#pragma once

#include <string>

#include "Types.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_s(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_s(pch, nLength > 0 ? nLength : 0) {}
    CString(const std::string& s) : m_s(s) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    char GetAt(int nIndex) const { return m_s.at(nIndex); }
    void SetAt(int nIndex, char ch) { m_s.at(nIndex) = ch; }
    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    // Positions are 0-based; -1 means "not found", as the framework's.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    // Out-of-range counts are clamped, never an error.
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    CString& MakeLower();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimRight().TrimLeft(); }

    void Format(const char* pszFormat, ...)
#ifdef __GNUC__
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* psz) { m_s += psz ? psz : ""; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
    // Appends the character; without it the conversion to const char* would offset a pointer.
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }

    // Byte-wise comparisons: unsigned 8-bit order, no locale.
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    // Either order: without it the conversion to const char* would compare pointers.
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

private:
    std::string m_s;
};

// The C library's white space in the "C" locale: space, tab, LF, CR, VT, FF.
inline bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Leading-digits conversion as the 32-bit C library's atoi/strtoul do it, alike on
// every platform and without their overflow undefinedness: leading white space,
// an optional sign, then digits; no digits give 0. Values saturate at 32 bits.
int ReadLeadingInt(const char* psz);
DWORD ReadLeadingUInt(const char* psz);
