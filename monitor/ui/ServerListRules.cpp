#include "ui/ServerListRules.h"

#include "query/GameServer.h"
#include "ui/ListMode.h"

int PingImageFor(DWORD nPing)
{
    if (nPing <= 100)
        return PING_IMAGE_GOOD;
    if (nPing <= 200)
        return PING_IMAGE_FAIR;
    if (nPing < PING_NOT_ANSWERING)
        return PING_IMAGE_POOR;
    return PING_IMAGE_DEAD;
}

DWORD RowBackgroundColor(int nRow)
{
    return nRow % 2 == 0 ? COLOR_ROW_EVEN : COLOR_ROW_ODD;
}

DWORD ServerTextColor(BYTE bFavorite, BYTE bIgnored)
{
    if (bFavorite == 1)
        return COLOR_TEXT_FAVORITE;
    if (bIgnored == 1)
        return COLOR_TEXT_IGNORED;
    return COLOR_TEXT_PLAIN;
}

static int CompareBytes(const char* pszA, const char* pszB)
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(pszA);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(pszB);
    for (; *a || *b; ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
    }
    return 0;
}

int CompareSortKeys(const char* pszA, const char* pszB, BOOL bAscending)
{
    // 64 bits: two saturated 32-bit values must not overflow their difference.
    long long nA = ReadLeadingInt(pszA);
    long long nB = ReadLeadingInt(pszB);
    int nResult;
    if (nA > 0 && nB > 0)
        nResult = nA < nB ? -1 : (nA > nB ? 1 : 0);
    else
        nResult = CompareBytes(pszA, pszB);
    return bAscending ? nResult : -nResult;
}

BOOL NextSortAscending(int nClicked, int nSortColumn, BOOL bSortAscending)
{
    return nClicked == nSortColumn ? !bSortAscending : TRUE;
}

int CompareMarks(BYTE bFavoriteA, BYTE bIgnoredA, BYTE bFavoriteB, BYTE bIgnoredB)
{
    bool bIgnA = bIgnoredA == 1, bIgnB = bIgnoredB == 1;
    if (bIgnA != bIgnB)
        return bIgnA ? 1 : -1;
    bool bFavA = bFavoriteA == 1, bFavB = bFavoriteB == 1;
    if (bFavA != bFavB)
        return bFavA ? -1 : 1;
    return 0;
}

CString TotalsCaption(int nServers, int nPlayers, int nListMode)
{
    CString s;
    s.Format("%s (%d Servers, %d Players Online) Now showing %s servers.", MONITOR_TITLE, nServers,
             nPlayers, ListModeName(nListMode));
    return s;
}

CString PollingCaption()
{
    CString s;
    s.Format("%s (Polling Servers...)", MONITOR_TITLE);
    return s;
}
