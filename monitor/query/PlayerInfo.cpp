#include "query/GameServer.h"

namespace {

void SkipSpace(const char*& p)
{
    while (IsAsciiSpace(*p))
        ++p;
}

// A decimal number as scanf's %d and %lu take it: white space, an optional sign,
// at least one digit. The value itself is read with the saturating helpers, so a
// huge number is safe and reads alike on every platform.
bool ScanNumber(const char*& p, const char*& pNumber)
{
    SkipSpace(p);
    pNumber = p;
    if (*p == '+' || *p == '-')
        ++p;
    const char* pDigits = p;
    while (*p >= '0' && *p <= '9')
        ++p;
    return p > pDigits;
}

}  // namespace

CPlayerInfo::CPlayerInfo(const CString& strLine)
{
    // `<score> <ping> "<name>`: the closing quote is optional, text after it ignored.
    const char* p = strLine;
    const char *pScore, *pPing;
    if (!ScanNumber(p, pScore) || !ScanNumber(p, pPing))
        return;
    SkipSpace(p);
    if (*p++ != '"')
        return;
    int nLength = 0;
    while (p[nLength] && p[nLength] != '"')
        ++nLength;
    if (nLength == 0)
        return;
    m_strName = CString(p, nLength < MAX_NAME_LENGTH ? nLength : MAX_NAME_LENGTH);
    m_nScore = ReadLeadingInt(pScore);
    m_nPing = ReadLeadingUInt(pPing);
}
