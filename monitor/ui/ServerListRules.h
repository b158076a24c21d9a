// The texts, images and order rules of the server and player lists that do not
// need a window: row texts are the sort keys, so both come from here.
#pragma once

#include "framework/CString.h"

// The server list's columns: name, map, version, ping, "players/slots", address.
enum ServerColumn {
    SERVER_COLUMN_NAME, SERVER_COLUMN_MAP, SERVER_COLUMN_VERSION,
    SERVER_COLUMN_PING, SERVER_COLUMN_PLAYERS, SERVER_COLUMN_ADDRESS, SERVER_COLUMN_COUNT
};

#define PLAYER_COLUMN_COUNT 3 // name, score, ping

enum PingImage { PING_IMAGE_GOOD = 0, PING_IMAGE_FAIR = 1, PING_IMAGE_POOR = 2, PING_IMAGE_DEAD = 3 };
// Green up to 100 ms, orange to 200, red below 750, the skull from 750 on (silence).
int PingImageFor(DWORD nPing);

#define COLOR_ROW_EVEN 0xFFFFFF
#define COLOR_ROW_ODD 0xE1E1E1
#define COLOR_TEXT_FAVORITE 0xFF0000
#define COLOR_TEXT_IGNORED 0x0000FF
#define COLOR_TEXT_PLAIN 0x000000

// Banding follows the row position, not the record.
DWORD RowBackgroundColor(int nRow);
DWORD ServerTextColor(BYTE bFavorite, BYTE bIgnored);

// The comparison of two rows' texts in the sort column: as numbers when both
// start with a number above 0, else byte by byte (unsigned, case-sensitive).
// Negative, 0 or positive; the direction is applied here.
int CompareSortKeys(const char* pszA, const char* pszB, BOOL bAscending);
// A click on a column sorts it ascending, a click on the sorted column turns it round.
BOOL NextSortAscending(int nClicked, int nSortColumn, BOOL bSortAscending);
// The server list's tie-break, whatever the direction: ignored rows last,
// otherwise favourites first.
int CompareMarks(BYTE bFavoriteA, BYTE bIgnoredA, BYTE bFavoriteB, BYTE bIgnoredB);

// "Kelvane Monitor..." followed by the totals of the listed rows and the view's name.
CString TotalsCaption(int nServers, int nPlayers, int nListMode);
CString PollingCaption();
#define MONITOR_TITLE "Kelvane Monitor..."
