#include <gtest/gtest.h>

#include "framework/RowTable.h"
#include "ui/core/Caption.h"
#include "ui/core/ListMode.h"
#include "ui/core/ServerRows.h"
#include "ui/core/Settings.h"

TEST(SortKeys, NumbersCompareAsNumbersWhenBothArePositive)
{
    EXPECT_LT(CompareSortKeys("45", "120", TRUE), 0);
    EXPECT_LT(CompareSortKeys("120", "750", TRUE), 0);
    EXPECT_GT(CompareSortKeys("45", "120", FALSE), 0);
    EXPECT_LT(CompareSortKeys("2 Fort", "10 Base", TRUE), 0);
    // Only the leading number counts: versions 4.5 and 4.7, players 3/16 and 3/8.
    EXPECT_EQ(CompareSortKeys("4.5", "4.7", TRUE), 0);
    EXPECT_EQ(CompareSortKeys("3/16", "3/8", TRUE), 0);
    EXPECT_EQ(CompareSortKeys("192.168.0.1:27910", "192.0.0.9:27911", TRUE), 0);
    // Saturated values far apart must not overflow into the wrong sign.
    EXPECT_LT(CompareSortKeys("1", "99999999999", TRUE), 0);
}

TEST(SortKeys, ZeroNegativeOrTextCompareByteByByte)
{
    // "0" and "45": 0 is no positive number, so the texts decide; '0' < '4'.
    EXPECT_LT(CompareSortKeys("0", "45", TRUE), 0);
    // Scores: -10 before -3 (byte '1' below '3'), both before 0, 0 before 5.
    EXPECT_LT(CompareSortKeys("-10", "-3", TRUE), 0);
    EXPECT_LT(CompareSortKeys("-3", "0", TRUE), 0);
    EXPECT_LT(CompareSortKeys("0", "5", TRUE), 0);
    // Case-sensitive, unsigned bytes, no locale.
    EXPECT_LT(CompareSortKeys("Zeta", "alpha", TRUE), 0);
    EXPECT_GT(CompareSortKeys("Zeta", "alpha", FALSE), 0);
    EXPECT_LT(CompareSortKeys("abc", "ab\xE9", TRUE), 0);
    EXPECT_LT(CompareSortKeys("ab", "abc", TRUE), 0);
    EXPECT_EQ(CompareSortKeys("same", "same", FALSE), 0);
    EXPECT_EQ(CompareSortKeys("", "", TRUE), 0);
}

TEST(SortKeys, MarksPutFavouritesFirstAndIgnoredLast)
{
    EXPECT_LT(MarksRank(1, 0), MarksRank(0, 0));
    EXPECT_LT(MarksRank(0, 0), MarksRank(0, 1));
    // Ignored outranks favourite: a row with both marks goes after a plain row.
    EXPECT_GT(MarksRank(1, 1), MarksRank(0, 0));
    EXPECT_LT(MarksRank(1, 1), MarksRank(0, 1));
    EXPECT_EQ(MarksRank(2, 0), MarksRank(0, 0)) << "marks are compared with 1";
}

TEST(PingImage, GradesAtTheLimits)
{
    EXPECT_EQ(PingImageFor(0), PING_IMAGE_GOOD);
    EXPECT_EQ(PingImageFor(100), PING_IMAGE_GOOD);
    EXPECT_EQ(PingImageFor(101), PING_IMAGE_FAIR);
    EXPECT_EQ(PingImageFor(200), PING_IMAGE_FAIR);
    EXPECT_EQ(PingImageFor(201), PING_IMAGE_POOR);
    EXPECT_EQ(PingImageFor(749), PING_IMAGE_POOR);
    EXPECT_EQ(PingImageFor(750), PING_IMAGE_DEAD);
    EXPECT_EQ(PingImageFor(0xFFFFFFFFu), PING_IMAGE_DEAD);
}

TEST(SortKeys, OnlyTwoPositiveNumbersCompareAsNumbers)
{
    // Text against a number, and two negative scores: byte order, not value order.
    EXPECT_GT(CompareSortKeys("abc", "5", TRUE), 0);
    EXPECT_LT(CompareSortKeys("-10", "-20", TRUE), 0);
}

TEST(SortKeys, AClickSortsANewColumnAscendingAndTurnsTheSortedOneRound)
{
    const struct { int clicked, sorted; BOOL ascending, next; } cases[] = {
        {0, 3, TRUE, TRUE}, {0, 3, FALSE, TRUE}, {3, 3, TRUE, FALSE}, {3, 3, FALSE, TRUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextSortAscending(c.clicked, c.sorted, c.ascending), c.next) << c.clicked << c.sorted << c.ascending;
}

TEST(RowColors, FavouriteBlueBeforeIgnoredRed)
{
    // COLORREF is 0x00BBGGRR.
    const struct { BYTE favorite, ignored; DWORD color; } cases[] = {
        {0, 0, 0x000000}, {1, 0, 0xFF0000}, {0, 1, 0x0000FF}, {1, 1, 0xFF0000}, {2, 2, 0x000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServerTextColor(c.favorite, c.ignored), c.color) << int(c.favorite) << int(c.ignored);
}

TEST(ListModes, SettingCycleCaptionsAndNames)
{
    const std::pair<const char*, int> settings[] = {
        {"1", 1}, {"3", 3}, {" 3", 3}, {"5", 5}, {"7", 5}, {"2", 5}, {"-1", 5}, {"abc", 5}, {"", 5},
    };
    for (const auto& s : settings)
        EXPECT_EQ(ListModeFromSetting(s.first), s.second) << s.first;
    const struct { int mode, next; const char *caption, *name; } modes[] = {
        {1, 3, "Show Favorites Only", "active"},
        {3, 5, "Show ALL Servers", "favorite"},
        {5, 1, "Show Active Servers", "all"},
    };
    for (const auto& m : modes) {
        EXPECT_EQ(NextListMode(m.mode), m.next) << m.mode;
        EXPECT_STREQ(ListModeButtonCaption(m.mode), m.caption) << m.mode;
        EXPECT_STREQ(ListModeName(m.mode), m.name) << m.mode;
    }
}

TEST(ListModes, WhichRecordsHaveARow)
{
    const struct { int mode; BYTE favorite, ignored; DWORD ping; bool listed; } cases[] = {
        {1, 0, 0, 749, true}, {1, 0, 0, 750, false}, {1, 1, 0, 750, false}, {1, 0, 1, 40, false},
        {1, 1, 1, 40, false}, {1, 2, 2, 40, true},
        {3, 1, 0, 750, true}, {3, 1, 1, 40, true}, {3, 0, 0, 40, false}, {3, 2, 0, 40, false},
        {5, 0, 1, 750, true}, {5, 1, 1, 40, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListModeAdmits(c.mode, c.favorite, c.ignored, c.ping), c.listed)
            << c.mode << " " << int(c.favorite) << int(c.ignored) << " " << c.ping;
}

TEST(Captions, TotalsAndPolling)
{
    EXPECT_EQ(TotalsCaption(3, 17, 3), "Kelvane Monitor... (3 Servers, 17 Players Online) Now showing favorite servers.");
    EXPECT_EQ(PollingCaption(), "Kelvane Monitor... (Polling Servers...)");
}

TEST(Settings, StoredTextsAsTheTableTakesThem)
{
    const CSettingRow& budget = SettingRow(SETTING_NUM_QUERY_THREADS);
    const std::pair<const char*, const char*> budgets[] = {
        {"1", "1"}, {"2", "2"}, {"7", "7"}, {" 3x", "3"}, {"", "5"}, {"0", "5"}, {"-3", "5"}, {"abc", "5"}};
    for (const auto& b : budgets)
        EXPECT_EQ(SettingValue(budget, b.first), b.second) << b.first;
    const CSettingRow& mode = SettingRow(SETTING_SERVER_LIST_MODE);
    for (const auto& m : {std::make_pair("1", "1"), {"3", "3"}, {"5", "5"}, {"2", "5"}, {"7", "5"}, {"x", "5"}})
        EXPECT_EQ(SettingValue(mode, m.first), m.second) << m.first;
    EXPECT_EQ(SettingValue(SettingRow(SETTING_WEB_SERVER), " http://x.example/ "), " http://x.example/ ");
    for (int i = 0; i < SETTING_COUNT; ++i)
        EXPECT_EQ(SettingRow(static_cast<SettingId>(i)).eId, i) << "the table's rows follow SettingId";

    // Only the settings written while running are saved; a value out of range
    // becomes the default.
    CSettings settings;
    EXPECT_FALSE(settings.SetNumber(SETTING_NUM_QUERY_THREADS, 0)) << "0 reads as the default, 5";
    EXPECT_TRUE(settings.SetNumber(SETTING_NUM_QUERY_THREADS, 3));
    EXPECT_TRUE(settings.SetNumber(SETTING_SERVER_LIST_MODE, 1));
    EXPECT_TRUE(settings.SetNumber(SETTING_SERVER_LIST_MODE, 4)) << "4 is no mode: all servers";
    EXPECT_EQ(settings.WrittenValues(), (std::vector<std::pair<CString, CString>>{
                                            {"NumQueryThreads", "3"}, {"ServerListMode", "5"}}));
}
