#include <gtest/gtest.h>

#include "TestPaths.h"
#include "query/WordFilter.h"

namespace {

CWordFilter FilterFrom(const std::string& fileText)
{
    ScratchDir dir("word_filter");
    WriteFile(dir.File("words.txt"), fileText);
    CWordFilter filter;
    filter.LoadFromFile(dir.File("words.txt").c_str());
    return filter;
}

TEST(WordFilter, StarsEveryCaseInsideLongerWords)
{
    CWordFilter filter = FilterFrom("CaT\n");
    EXPECT_EQ(filter.Censor("Concatenate"), "Con***enate");
    EXPECT_EQ(filter.Censor("CAT and Cat"), "*** and ***");
    EXPECT_EQ(filter.Censor("dog"), "dog");
    EXPECT_EQ(filter.Censor("ca"), "ca");
}

TEST(WordFilter, MatchesOfOneWordDoNotOverlapButDifferentWordsDo)
{
    CWordFilter filter = FilterFrom("aa\nabc\nbcd\n");
    EXPECT_EQ(filter.Censor("aaa"), "**a");
    EXPECT_EQ(filter.Censor("abcd"), "****");
}

TEST(WordFilter, SpacesBelongToTheWordAndCrLfEndsALine)
{
    CWordFilter filter = FilterFrom("bad \r\nugly\r\n");
    ASSERT_EQ(filter.GetWordCount(), 2);
    EXPECT_EQ(filter.GetWord(1), "ugly");
    EXPECT_EQ(filter.Censor("bad bad"), "****bad");
    EXPECT_EQ(filter.Censor("UGLY"), "****");
}

TEST(WordFilter, EmptyLinesAndTheRestOfA126CharacterLineAddNoWord)
{
    // An empty word would match at the same place forever; a CR LF line is empty too.
    std::string longWord(126, 'x');
    CWordFilter filter = FilterFrom("\nab\n\r\n\n" + longWord + "\n" + std::string(130, 'y') + "\n");
    ASSERT_EQ(filter.GetWordCount(), 4);
    EXPECT_EQ(filter.GetWord(0), "ab");
    EXPECT_EQ(filter.GetWord(1), longWord.c_str());
    EXPECT_EQ(filter.GetWord(2), std::string(126, 'y').c_str());
    EXPECT_EQ(filter.GetWord(3), "yyyy");
    EXPECT_EQ(filter.Censor("cab"), "c**");
}

TEST(WordFilter, WordsInTheGamesAlternateLettersAreStarredWhereverTheyStand)
{
    CWordFilter filter = FilterFrom("cat\n1337\n\xe9t\xe9\n");
    const struct {
        const char* text;
        const char* censored;
    } cases[] = {
        {"\xe3\xe1\xf4s", "***s"},       // wholly alternate, lower case
        {"a C\xc1T!", "a ***!"},           // partly, upper case
        {"\x13\x15\x15\x19", "****"},   // bold digits
        {"\x93\x95\x15\x19x", "****x"}, // their alternate copies
        {"\xe9t\xe9", "***"},             // an 8-bit word still matches itself
        {"\xe3\xe1\n\xf4", "\xe3\xe1\n\xf4"}, // a line end is no letter
        {"\x83" "at", "\x83" "at"}, // 0x83 reads as '.', not 'c'
    };
    for (const auto& c : cases)
        EXPECT_EQ(filter.Censor(c.text), c.censored) << c.text;
}

TEST(WordFilter, NoFileChangesNothing)
{
    CWordFilter filter;
    filter.LoadFromFile("no such file.txt");
    EXPECT_EQ(filter.GetWordCount(), 0);
    EXPECT_EQ(filter.Censor("Anything"), "Anything");
}

}  // namespace
