#include "ParamFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestPaths.h"

namespace fs = std::filesystem;

static const std::string kDefaultStored = "+set game kelvane\r\r\n+set deathmatch 1";

TEST(ParamFile, FirstRunUsesDefaultAndStoresItWithDoubledCarriageReturn)
{
    ScratchDir dir("param-first-run");
    EXPECT_EQ(ReadParamFile(kParamFileName), "");
    EXPECT_EQ(ParamsOrDefault(ReadParamFile(kParamFileName)), kDefaultParams);

    ASSERT_TRUE(WriteParamFile(kParamFileName, kDefaultParams));
    EXPECT_EQ(ReadFile(kParamFileName), kDefaultStored);
    EXPECT_EQ(ReadParamFile(kParamFileName), kDefaultParams);
}

TEST(ParamFile, EmptyFileAndEmptyTextFallBackToDefault)
{
    ScratchDir dir("param-empty");
    WriteFile(kParamFileName, "");
    EXPECT_EQ(ParamsOrDefault(ReadParamFile(kParamFileName)), kDefaultParams);

    WriteFile(kParamFileName, "+set game other");
    ASSERT_TRUE(WriteParamFile(kParamFileName, ""));
    EXPECT_EQ(fs::file_size(kParamFileName), 0u);
    EXPECT_EQ(ParamsOrDefault(ReadParamFile(kParamFileName)), kDefaultParams);
    EXPECT_EQ(ParamsOrDefault("+"), "+"); // one character is a text of its own
}

TEST(ParamFile, DecodingTurnsCrLfIntoLfAndStopsAtCtrlZ)
{
    // a file written elsewhere, with plain CR LF line breaks
    EXPECT_EQ(DecodeParams("+set game kelvane\r\n+map q2dm1\r\n"), "+set game kelvane\n+map q2dm1\n");
    // only the pair is joined: a lone CR stays, also as the last byte
    EXPECT_EQ(DecodeParams("a\rb\r"), "a\rb\r");
    EXPECT_EQ(DecodeParams("a\r\r\nb"), "a\r\nb");
    EXPECT_EQ(DecodeParams("+set game kelvane\x1A+set cheats 1"), "+set game kelvane");
    EXPECT_EQ(DecodeParams("\x1A" "anything"), "");
    EXPECT_EQ(EncodeParams("a\r\nb\nc"), "a\r\r\nb\r\nc");
}

TEST(ParamFile, LongTextIsStoredAndLoadedWhole)
{
    ScratchDir dir("param-long");
    std::string text;
    for (int i = 0; text.size() < 12000; ++i)
        text += "+set cl_line" + std::to_string(i) + " value\r\n";
    text += "+set last 1";

    ASSERT_TRUE(WriteParamFile(kParamFileName, text));
    EXPECT_EQ(ReadParamFile(kParamFileName), text);
}

TEST(ParamFile, SaveReplacesTheFileWholeOrNotAtAll)
{
    ScratchDir dir("param-replace");
    const std::string temp = std::string(kParamFileName) + ".tmp";
    WriteFile(kParamFileName, std::string(8000, 'x'));
    ASSERT_TRUE(WriteParamFile(kParamFileName, "+map q2dm1"));
    EXPECT_EQ(ReadFile(kParamFileName), "+map q2dm1");
    EXPECT_FALSE(fs::exists(temp));

    // the temporary file cannot be created: the old file stays
    fs::create_directory(temp);
    EXPECT_FALSE(WriteParamFile(kParamFileName, "+set game changed"));
    EXPECT_EQ(ReadFile(kParamFileName), "+map q2dm1");

    // the move fails (a folder is in the way): no temporary file is left behind
    fs::create_directories("blocked/inside");
    EXPECT_FALSE(WriteParamFile("blocked", "+set game kelvane"));
    EXPECT_TRUE(fs::is_directory("blocked/inside"));
    EXPECT_FALSE(fs::exists("blocked.tmp"));
}
