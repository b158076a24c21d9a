// The monitor's settings: one table of every key it keeps in section "General" of
// the settings file, with its default, the values it takes and when it is
// written. A new setting is a name in SettingId and one line of the table.
#pragma once

#include <utility>
#include <vector>

#include "framework/CString.h"

#define SETTINGS_SECTION "General"

enum SettingId {
    SETTING_NUM_QUERY_THREADS,
    SETTING_SERVER_LIST_MODE,
    SETTING_WEB_SERVER,
    SETTING_FILTER_HIDE_EMPTY,
    SETTING_FILTER_HIDE_FULL,
    SETTING_FILTER_HIDE_PASSWORD,
    SETTING_FILTER_MAX_PING,
    SETTING_FILTER_TEXT,
    SETTING_SERVER_SORT_COLUMN,
    SETTING_SERVER_SORT_ASCENDING,
    SETTING_PLAYER_SORT_COLUMN,
    SETTING_PLAYER_SORT_ASCENDING,
    SETTING_SERVER_COLUMN_WIDTHS,
    SETTING_PLAYER_COLUMN_WIDTHS,
    SETTING_WATCH_FOR_GAMES,
    SETTING_WATCH_MINUTES,
    SETTING_WATCH_PLAYERS,
    SETTING_COUNT
};

enum SettingWritten {
    SETTING_READ_ONLY,    // read at start-up, never written
    SETTING_WRITTEN_SOON, // soon after a change, and at shut-down
};

struct CSettingRow {
    SettingId eId;
    const char* pszKey;
    const char* pszDefault;
    // A number: leading digits, as the file stores it; a value outside nMin..nMax,
    // or not among pszChoices when they are given ("1,3,5"), reads as the default.
    // Text (nMin > nMax): kept as stored.
    int nMin;
    int nMax;
    const char* pszChoices;
    SettingWritten eWritten;
};

const CSettingRow& SettingRow(SettingId id);

// A stored text as the setting takes it: a number's canonical text, the default
// for a number out of range, text as it is.
CString SettingValue(const CSettingRow& row, const CString& strStored);

// A list's column widths as a setting keeps them: "175,80,50", pixels at 96 DPI.
// Empty unless the text holds exactly nColumns widths that a list can take.
std::vector<int> ReadWidthList(const CString& strText, int nColumns);
CString WidthListText(const std::vector<int>& widths);

// The settings' values: the defaults, then what the file held, then the user's changes.
class CSettings {
public:
    CSettings();
    virtual ~CSettings() = default;

    // Reads every setting: read(key, default) gives the stored text.
    template <typename Reader>
    void Read(Reader read)
    {
        for (int i = 0; i < SETTING_COUNT; ++i) {
            const CSettingRow& row = SettingRow(static_cast<SettingId>(i));
            m_values[i] = SettingValue(row, read(row.pszKey, row.pszDefault));
        }
    }

    const CString& GetText(SettingId id) const { return m_values[id]; }
    int GetNumber(SettingId id) const { return ReadLeadingInt(m_values[id]); }
    // TRUE when the value changed. A value the setting does not take becomes its default.
    BOOL Set(SettingId id, const CString& strValue);
    BOOL SetNumber(SettingId id, int nValue);

    // Key and value of each setting that is written while the program runs.
    std::vector<std::pair<CString, CString>> WrittenValues() const;

private:
    CString m_values[SETTING_COUNT];
};
