#include <gtest/gtest.h>

#include "ui/ServerListRules.h"

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
    // Ignored outranks favourite: a row with both marks goes after a plain row.
    EXPECT_GT(CompareMarks(1, 1, 0, 0), 0);
    EXPECT_EQ(CompareMarks(0, 1, 0, 1), 0);
    EXPECT_GT(CompareMarks(0, 0, 1, 0), 0);
    EXPECT_EQ(CompareMarks(2, 0, 0, 0), 0) << "marks are compared with 1";
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
