#include "ui/core/Settings.h"

#include <climits>

#include "web/WebServer.h"

namespace {
const CSettingRow kSettings[SETTING_COUNT] = {
    // The thread budget: how many servers a poll asks at once.
    {SETTING_NUM_QUERY_THREADS, "NumQueryThreads", "5", 1, INT_MAX, nullptr, SETTING_WRITTEN_SOON},
    // The list mode: 1 active servers, 3 favourites, 5 all.
    {SETTING_SERVER_LIST_MODE, "ServerListMode", "5", 1, 5, "1,3,5", SETTING_WRITTEN_SOON},
    // Another base location for the web files (a test, the demo): never written.
    {SETTING_WEB_SERVER, KELVANE_WEB_SERVER_KEY, "", 1, 0, nullptr, SETTING_READ_ONLY},
};

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
