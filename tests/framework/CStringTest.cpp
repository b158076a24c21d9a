#include <gtest/gtest.h>

#include "framework/CString.h"

TEST(CString, SlicesClampOutOfRangeCountsInsteadOfThrowing)
{
    CString s("abcdef");
    EXPECT_EQ(s.Left(3), "abc");
    EXPECT_EQ(s.Left(99), "abcdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(4), "ef");
    EXPECT_EQ(s.Mid(6), "");
    EXPECT_EQ(s.Mid(9), "");
    EXPECT_EQ(s.Mid(2, 99), "cdef");
    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Find('c'), 2);
    EXPECT_EQ(s.Find('c', 3), -1);
    EXPECT_EQ(s.Find("de"), 3);
    EXPECT_EQ(s.Find("", 6), 6);
    EXPECT_EQ(s.Find('a', -1), -1);
}

TEST(CString, KeepsZeroBytesAndComparesBytesUnsigned)
{
    CString z("a\0b", 3);
    EXPECT_EQ(z.GetLength(), 3);
    EXPECT_EQ(z.Find('b'), 2);
    EXPECT_TRUE(CString("Zeta") < CString("alpha"));
    EXPECT_TRUE(CString("zoo") < CString("\xE9t\xE9"));
    EXPECT_TRUE(CString("ab") < CString("abc"));
    EXPECT_FALSE(CString("abc") < CString("abc"));
}

TEST(CString, CaseAndTrimTouchOnlyAsciiAndWhiteSpace)
{
    CString s(" \t MiXeD \xC4 \r\n");
    s.MakeLower();
    EXPECT_EQ(s, " \t mixed \xC4 \r\n");
    s.Trim();
    EXPECT_EQ(s, "mixed \xC4");
    CString f;
    f.Format("%s:%d/%lu", "host", -3, 16UL);
    EXPECT_EQ(f, "host:-3/16");
}

TEST(CString, LeadingNumbersFollowTheCLibraryAndSaturate)
{
    EXPECT_EQ(ReadLeadingInt("  -12abc"), -12);
    EXPECT_EQ(ReadLeadingInt("+7"), 7);
    EXPECT_EQ(ReadLeadingInt("abc"), 0);
    EXPECT_EQ(ReadLeadingInt(""), 0);
    EXPECT_EQ(ReadLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ReadLeadingInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(ReadLeadingUInt("4294967295"), 4294967295u);
    EXPECT_EQ(ReadLeadingUInt("4294967296"), 4294967295u);
    EXPECT_EQ(ReadLeadingUInt("-1"), 4294967295u);
    EXPECT_EQ(ReadLeadingUInt("-4294967295"), 1u);
    EXPECT_EQ(ReadLeadingUInt("-99999999999"), 4294967295u);
    EXPECT_EQ(ReadLeadingUInt(nullptr), 0u);
}
