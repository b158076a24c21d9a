#include <gtest/gtest.h>

#include "ui/ListMode.h"
#include "ui/MonitorSettings.h"
#include "ui/ServerListRules.h"

static int Sign(int n) { return (n > 0) - (n < 0); }

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
    EXPECT_LT(CompareMarks(1, 0, 0, 0), 0);
    EXPECT_LT(CompareMarks(0, 0, 0, 1), 0);
    EXPECT_LT(CompareMarks(1, 0, 0, 1), 0);
    // Ignored outranks favourite: a row with both marks goes after a plain row.
    EXPECT_GT(CompareMarks(1, 1, 0, 0), 0);
    EXPECT_EQ(CompareMarks(0, 1, 0, 1), 0);
    EXPECT_EQ(Sign(CompareMarks(0, 0, 1, 0)), -Sign(CompareMarks(1, 0, 0, 0)));
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

TEST(RowColours, FavouriteBeatsIgnoredAndBandsFollowThePosition)
{
    EXPECT_EQ(ServerTextColor(1, 1), 0xFF0000u);
    EXPECT_EQ(ServerTextColor(0, 1), 0x0000FFu);
    EXPECT_EQ(ServerTextColor(0, 0), 0x000000u);
    EXPECT_EQ(ServerTextColor(2, 0), 0x000000u); // marks are compared with 1
    EXPECT_EQ(RowBackgroundColor(0), 0xFFFFFFu);
    EXPECT_EQ(RowBackgroundColor(1), 0xE1E1E1u);
    EXPECT_EQ(RowBackgroundColor(4), 0xFFFFFFu);
}

TEST(ListModes, SettingButtonCycleAndAdmission)
{
    EXPECT_EQ(ListModeFromSetting("1"), 1);
    EXPECT_EQ(ListModeFromSetting("3"), 3);
    for (const char* other : {"5", "7", "2", "", "abc", "-1"})
        EXPECT_EQ(ListModeFromSetting(other), 5) << other;

    EXPECT_EQ(NextListMode(1), 3);
    EXPECT_EQ(NextListMode(3), 5);
    EXPECT_EQ(NextListMode(5), 1);
    EXPECT_STREQ(ListModeButtonCaption(1), "Show Favorites Only");
    EXPECT_STREQ(ListModeButtonCaption(3), "Show ALL Servers");
    EXPECT_STREQ(ListModeButtonCaption(5), "Show Active Servers");

    EXPECT_TRUE(ListModeAdmits(1, 0, 0, 749));
    EXPECT_FALSE(ListModeAdmits(1, 0, 0, 750));
    EXPECT_FALSE(ListModeAdmits(1, 0, 0, 900));
    EXPECT_FALSE(ListModeAdmits(1, 1, 1, 20));
    EXPECT_TRUE(ListModeAdmits(3, 1, 1, 750));
    EXPECT_FALSE(ListModeAdmits(3, 0, 0, 20));
    EXPECT_TRUE(ListModeAdmits(5, 0, 1, 750));
}

TEST(Captions, TotalsNameTheView)
{
    EXPECT_STREQ(TotalsCaption(12, 40, 1),
                 "Kelvane Monitor... (12 Servers, 40 Players Online) Now showing active servers.");
    EXPECT_STREQ(TotalsCaption(0, 0, 3),
                 "Kelvane Monitor... (0 Servers, 0 Players Online) Now showing favorite servers.");
    EXPECT_STREQ(TotalsCaption(1, 2, 5),
                 "Kelvane Monitor... (1 Servers, 2 Players Online) Now showing all servers.");
    EXPECT_STREQ(PollingCaption(), "Kelvane Monitor... (Polling Servers...)");
}

TEST(Settings, ThreadBudgetFallsBackToTheDefaultBelowOne)
{
    EXPECT_EQ(ThreadBudgetFromSetting("3"), 3);
    EXPECT_EQ(ThreadBudgetFromSetting("2"), 2);
    EXPECT_EQ(ThreadBudgetFromSetting(" 12abc"), 12);
    for (const char* bad : {"0", "-4", "", "many"})
        EXPECT_EQ(ThreadBudgetFromSetting(bad), 5) << bad;

    EXPECT_EQ(ThreadButtonForBudget(1), 1);
    EXPECT_EQ(ThreadButtonForBudget(3), 3);
    EXPECT_EQ(ThreadButtonForBudget(5), 7);
    EXPECT_EQ(ThreadButtonForBudget(2), 7);
}
