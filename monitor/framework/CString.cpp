#include "CString.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdarg>
#include <cstdio>
#include <cstring>

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_s.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (nStart < 0 || nStart > GetLength() || !pszSub)
        return -1;
    size_t pos = m_s.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const
{
    return CString(m_s.substr(0, static_cast<size_t>(std::clamp(nCount, 0, GetLength()))));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int first = std::clamp(nFirst, 0, GetLength());
    int count = std::clamp(nCount, 0, GetLength() - first);
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int nCount) const
{
    int count = std::clamp(nCount, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(count)));
}

// The 8-bit lower-casing of the "C" locale: A to Z only, so that results do not
// depend on the user's code page.
CString& CString::MakeLower()
{
    for (char& c : m_s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return *this;
}

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_s.size() && IsAsciiSpace(m_s[n]))
        ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && IsAsciiSpace(m_s.back()))
        m_s.pop_back();
    return *this;
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
    } else {
        std::string out(static_cast<size_t>(n) + 1, '\0');
        vsnprintf(&out[0], out.size(), pszFormat, args);
        out.resize(static_cast<size_t>(n));
        m_s.swap(out);
    }
    va_end(args);
}

// Shared by both conversions: sign and magnitude of the leading number, the
// magnitude saturated at 2^32 so that an out-of-range number stays out of range.
static uint64_t ReadLeading(const char* psz, bool& bNegative)
{
    bNegative = false;
    if (!psz)
        return 0;
    while (IsAsciiSpace(*psz))
        ++psz;
    if (*psz == '+' || *psz == '-')
        bNegative = *psz++ == '-';
    const uint64_t limit = uint64_t{UINT32_MAX} + 1;
    uint64_t value = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz)
        value = std::min(limit, value * 10 + static_cast<uint64_t>(*psz - '0'));
    return value;
}

int ReadLeadingInt(const char* psz)
{
    bool bNegative;
    uint64_t magnitude = ReadLeading(psz, bNegative);
    if (bNegative)
        return magnitude >= 0x80000000u ? INT32_MIN : -static_cast<int>(magnitude);
    return magnitude > static_cast<uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(magnitude);
}

DWORD ReadLeadingUInt(const char* psz)
{
    // strtoul's rule: a minus sign negates in unsigned arithmetic, and a number
    // out of range, negated or not, gives the largest value.
    bool bNegative;
    uint64_t magnitude = ReadLeading(psz, bNegative);
    if (magnitude > UINT32_MAX)
        return UINT32_MAX;
    return bNegative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
}
