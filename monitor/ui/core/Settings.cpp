#include "ui/core/Settings.h"

#include <climits>
#include <string>

#include "ui/core/ServerFilter.h"
#include "web/WebServer.h"

namespace {
const CSettingRow kSettings[SETTING_COUNT] = {
    // The thread budget: how many servers a poll asks at once.
    {SETTING_NUM_QUERY_THREADS, "NumQueryThreads", "5", 1, INT_MAX, nullptr, SETTING_WRITTEN_SOON},
    // The list mode: 1 active servers, 3 favourites, 5 all.
    {SETTING_SERVER_LIST_MODE, "ServerListMode", "5", 1, 5, "1,3,5", SETTING_WRITTEN_SOON},
    // Another base location for the web files (a test, the demo): never written.
    {SETTING_WEB_SERVER, KELVANE_WEB_SERVER_KEY, "", 1, 0, nullptr, SETTING_READ_ONLY},
    // The server list's quick filters: hide empty, full and passworded servers,
    // those above a ping (0: any), those whose name and map lack a text.
    {SETTING_FILTER_HIDE_EMPTY, "FilterHideEmpty", "0", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_FILTER_HIDE_FULL, "FilterHideFull", "0", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_FILTER_HIDE_PASSWORD, "FilterHidePassword", "0", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_FILTER_MAX_PING, "FilterMaxPing", "0", 0, MAX_FILTER_PING, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_FILTER_TEXT, "FilterText", "", 1, 0, nullptr, SETTING_WRITTEN_SOON},
    // The last sorts made: the server list's by ping, ascending, at first; the
    // player list's column -1 until the user sorts it (its rows come in reply
    // order; the sort decides where the next click on a heading goes).
    {SETTING_SERVER_SORT_COLUMN, "ServerSortColumn", "3", 0, 5, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_SERVER_SORT_ASCENDING, "ServerSortAscending", "1", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_PLAYER_SORT_COLUMN, "PlayerSortColumn", "-1", -1, 2, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_PLAYER_SORT_ASCENDING, "PlayerSortAscending", "1", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    // Widths the user gave the columns (WidthListText); empty: each list sizes its own.
    {SETTING_SERVER_COLUMN_WIDTHS, "ServerColumnWidths", "", 1, 0, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_PLAYER_COLUMN_WIDTHS, "PlayerColumnWidths", "", 1, 0, nullptr, SETTING_WRITTEN_SOON},
    // Watching for games: a poll of its own this many minutes after the last, and
    // a notice when a favourite has this many players (a game) from fewer.
    {SETTING_WATCH_FOR_GAMES, "WatchForGames", "0", 0, 1, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_WATCH_MINUTES, "WatchMinutes", "2", 1, 60, nullptr, SETTING_WRITTEN_SOON},
    {SETTING_WATCH_PLAYERS, "WatchPlayers", "2", 1, 64, nullptr, SETTING_WRITTEN_SOON},
};

// Wider than any screen at 96 DPI: a larger width is a damaged setting.
const int kMaxColumnWidth = 10000;

bool IsChoice(const char* pszChoices, int nValue)
{
    if (!pszChoices)
        return true;
    for (const char* p = pszChoices; *p;) {
        if (ReadLeadingInt(p) == nValue)
            return true;
        while (*p && *p++ != ',') {
        }
    }
    return false;
}
} // namespace

const CSettingRow& SettingRow(SettingId id)
{
    static_assert(sizeof kSettings / sizeof kSettings[0] == SETTING_COUNT, "a row for every setting");
    return kSettings[id];
}

CString SettingValue(const CSettingRow& row, const CString& strStored)
{
    if (row.nMin > row.nMax)
        return strStored;
    int nValue = ReadLeadingInt(strStored);
    if (nValue < row.nMin || nValue > row.nMax || !IsChoice(row.pszChoices, nValue))
        nValue = ReadLeadingInt(row.pszDefault);
    CString strValue;
    strValue.Format("%d", nValue);
    return strValue;
}

CSettings::CSettings()
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const CSettingRow& row = SettingRow(static_cast<SettingId>(i));
        m_values[i] = SettingValue(row, row.pszDefault);
    }
}

BOOL CSettings::Set(SettingId id, const CString& strValue)
{
    CString strNew = SettingValue(SettingRow(id), strValue);
    if (strNew == m_values[id])
        return FALSE;
    m_values[id] = strNew;
    return TRUE;
}

BOOL CSettings::SetNumber(SettingId id, int nValue)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return Set(id, strValue);
}

std::vector<int> ReadWidthList(const CString& strText, int nColumns)
{
    std::vector<int> widths;
    const std::string& text = strText.str();
    size_t nPos = 0;
    while (nPos <= text.size()) {
        size_t nEnd = text.find(',', nPos);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        const std::string item = text.substr(nPos, nEnd - nPos);
        if (item.empty() || item.size() > 5 || item.find_first_not_of("0123456789") != std::string::npos)
            return {};
        const int nWidth = std::stoi(item);
        if (nWidth > kMaxColumnWidth)
            return {};
        widths.push_back(nWidth);
        nPos = nEnd + 1;
    }
    if (static_cast<int>(widths.size()) != nColumns)
        return {};
    return widths;
}

CString WidthListText(const std::vector<int>& widths)
{
    CString strText;
    for (size_t i = 0; i < widths.size(); ++i) {
        CString strWidth;
        strWidth.Format(i == 0 ? "%d" : ",%d", widths[i]);
        strText += strWidth;
    }
    return strText;
}

std::vector<std::pair<CString, CString>> CSettings::WrittenValues() const
{
    std::vector<std::pair<CString, CString>> values;
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const CSettingRow& row = SettingRow(static_cast<SettingId>(i));
        if (row.eWritten == SETTING_WRITTEN_SOON)
            values.emplace_back(row.pszKey, m_values[i]);
    }
    return values;
}
