#include <gtest/gtest.h>

#include <vector>

#include "web/MasterList.h"

static std::vector<std::string> Split(const CString& body)
{
    CStringArray lines;
    SplitMasterList(body, lines);
    std::vector<std::string> out;
    for (const CString& line : lines)
        out.push_back(line.str());
    return out;
}

using Lines = std::vector<std::string>;

TEST(MasterList, LinesEndAtCrLfAndTheLastNeedsNone)
{
    EXPECT_EQ(Split("a:1\r\nb\r\nc:27911\r\n"), (Lines{"a:1", "b", "c:27911"}));
    EXPECT_EQ(Split("a:1\r\nb\r\nc:27911"), (Lines{"a:1", "b", "c:27911"}));
    EXPECT_EQ(Split("solo"), (Lines{"solo"}));
}

TEST(MasterList, EmptyLinesAndEmptyBodiesGiveNothing)
{
    EXPECT_EQ(Split("a\r\n\r\n\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(Split("\r\n\r\na"), (Lines{"a"}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("\r\n"), Lines{});
}

TEST(MasterList, OnlyCrLfSeparatesAndNothingIsTrimmed)
{
    // Bare LF and bare CR stay inside their line: a Unix file is one line.
    EXPECT_EQ(Split("a\nb\nc\n"), (Lines{"a\nb\nc\n"}));
    EXPECT_EQ(Split("a\rb\r\n\n\r\r"), (Lines{"a\rb", "\n\r\r"}));
    EXPECT_EQ(Split("  10.0.0.1:27911 \t\r\n host \r\n"), (Lines{"  10.0.0.1:27911 \t", " host "}));
    // A CR LF split across the end of the body is no separator: the CR stays.
    EXPECT_EQ(Split("a\r"), (Lines{"a\r"}));
}
