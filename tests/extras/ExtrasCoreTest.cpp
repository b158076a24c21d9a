#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "extras/GameCommand.h"
#include "extras/ServerPageUrl.h"
#include "extras/TickerMotion.h"
#include "query/ServerWebsite.h"

TEST(GameCommand, ResolvedBytesReplaceTheHostAndThePortStaysAsWritten)
{
    const BYTE ip[4] = {192, 168, 200, 255};
    EXPECT_EQ(FormatConnectAddress(ip, "q2.example.org:27911"), "192.168.200.255:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911:x"), "192.168.200.255:27911:x"); // first colon only
    // No colon (a hand-edited serverlist.txt): the default port, not a bare address.
    EXPECT_EQ(FormatConnectAddress(ip, "localhost"), "192.168.200.255:27910");
}

TEST(GameCommand, AServerListLineCannotAddGameCommands)
{
    const BYTE ip[4] = {10, 0, 0, 1};
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911 +exec evil.cfg"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911+quit"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911;bind x quit"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911\"\r\n"), "10.0.0.1:27911");
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911abc"), "10.0.0.1:27911abc"); // letters stay as written
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911\t"), "10.0.0.1:27911");
    // Bytes above the blank stay, those above 127 included.
    EXPECT_EQ(FormatConnectAddress(ip, "h:27911!\x7f\x80\xe9\xff"), "10.0.0.1:27911!\x7f\x80\xe9\xff");
}

TEST(GameCommand, CommandLineQuotesOnlyPathsWithBlanks)
{
    const char* tail = " +set game kelvane +demomap kelvaneintro.cin +connect 10.0.0.1:27910";
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Quake2\\quake2.exe", "C:\\Quake2\\quake2.exe"},
        {"C:\\Program Files\\Quake II\\quake2.exe", "\"C:\\Program Files\\Quake II\\quake2.exe\""},
        {"C:\\Quake\t2\\quake2.exe", "\"C:\\Quake\t2\\quake2.exe\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildGameCommandLine(c.first, "10.0.0.1:27910"), CString(c.second) + tail) << c.first;
}

TEST(GameCommand, PasswordsGoBeforeConnectOnlyWhenTheGameCannotSplitThem)
{
    const CString head = "C:\\Quake2\\quake2.exe +set game kelvane +demomap kelvaneintro.cin";
    const CString exe = "C:\\Quake2\\quake2.exe";
    const struct { CJoinOptions options; const char* pszSets; } joins[] = {
        {{"s3cr3t!", ""}, " +set password s3cr3t!"},
        {{"", "1"}, " +set spectator 1"},
        {{"p@ss", "w4tch"}, " +set password p@ss +set spectator w4tch"},
        {{"!#%&'()*,-./:<=>?@[]^_`{|}~", ""}, " +set password !#%&'()*,-./:<=>?@[]^_`{|}~"},
    };
    for (const auto& join : joins)
        EXPECT_EQ(BuildGameCommandLine(exe, "10.0.0.1:27910", join.options),
                  head + join.pszSets + " +connect 10.0.0.1:27910") << join.pszSets;
    EXPECT_TRUE(IsSafeGameValue(CString(std::string(MAX_GAME_VALUE, 'x'))));

    // What the game would split, expand or cut, or not keep at all: nothing is started.
    const std::string unsafe[] = {"two words", "a\"b", "a;quit", "a+quit", "a\\b", "tab\t", "line\n",
                                  std::string("nul\0x", 5), "$rcon_password", "\x7f", "\xe9t\xe9",
                                  "", std::string(MAX_GAME_VALUE + 1, 'x')};
    for (const std::string& value : unsafe) {
        EXPECT_FALSE(IsSafeGameValue(CString(value))) << value;
        if (value.empty())
            continue; // no value: no option
        EXPECT_EQ(BuildGameCommandLine(exe, "10.0.0.1:27910", {CString(value), ""}), "") << value;
        EXPECT_EQ(BuildGameCommandLine(exe, "10.0.0.1:27910", {"", CString(value)}), "") << value;
    }
}

TEST(GameCommand, GameDirectoryEndsAtTheLastBackslash)
{
    EXPECT_EQ(GameDirectory("C:\\Quake2\\quake2.exe"), "C:\\Quake2\\");
    EXPECT_EQ(GameDirectory("quake2.exe"), "");
    EXPECT_EQ(GameDirectory("C:\\a/b/quake2.exe"), "C:\\");
}

TEST(TickerMotion, TwentyStepsASecondOnTheControlsOnlyTimer)
{
    EXPECT_EQ(TICKER_TIMER_ID, 1);
    EXPECT_EQ(1000 / TICKER_INTERVAL_MS, 20);
    EXPECT_EQ(TickerAdvance(0) * -1000 / TICKER_INTERVAL_MS, 40); // pixels a second
}

TEST(TickerMotion, WrapIsStrictAndCopiesTileWithoutGap)
{
    EXPECT_EQ(TickerAdvance(300), 298);
    EXPECT_EQ(TickerWrap(-100, 100), -100);
    EXPECT_EQ(TickerWrap(-102, 100), 0);
    EXPECT_EQ(TickerWrap(INT_MIN, INT_MAX), 0);
    EXPECT_EQ(TickerCopyPositions(-30, 100, 250), std::vector<int>({-30, 70, 170}));
    EXPECT_EQ(TickerCopyPositions(-350, 400, 300), std::vector<int>({-350, 50})); // wider than the strip
    EXPECT_TRUE(TickerCopyPositions(300, 80, 300).empty());                      // right after Start
    EXPECT_TRUE(TickerCopyPositions(0, 0, 300).empty());                         // empty text: no endless loop
}

TEST(ServerPageUrl, EveryPageBecomesOneHttpAddress)
{
    SetNoWebsiteAddress("http://base.example/none.html");
    const struct {
        const char* page;
        const char* url;
    } cases[] = {
        // Left as they are: what an address may hold, escapes included.
        {"http://clan.example/a_b-c.d~e/?x=1&y=[2]#top", "http://clan.example/a_b-c.d~e/?x=1&y=[2]#top"},
        {"http://h.example/a%20b%2fc", "http://h.example/a%20b%2fc"},
        {"http://u:p@h.example:8080/!$()*+,;=", "http://u:p@h.example:8080/!$()*+,;="},
        // What would split the browser's command line or leave the address.
        {"evil.example/\" --new-window \"file:///c:/windows", "http://evil.example/%22%20--new-window%20%22file:///c:/windows"},
        {"http://h.example/a\tb\r\nc\x01\x7f", "http://h.example/a%09b%0D%0Ac%01%7F"},
        {"http://h.example/<>\\^`{|}'", "http://h.example/%3C%3E%5C%5E%60%7B%7C%7D%27"},
        {"http://h.example/\xe9\xff\x80", "http://h.example/%E9%FF%80"},
        // A % that starts no escape is itself escaped; one that does is kept.
        {"http://h.example/100%", "http://h.example/100%25"},
        {"http://h.example/%4", "http://h.example/%254"},
        {"http://h.example/%zz%41", "http://h.example/%25zz%41"},
        // Only http: another scheme is taken as a host name, as a reply's would be.
        {"file:///c:/windows", "http://file:///c:/windows"},
        {"javascript:alert(1)", "http://javascript:alert(1)"},
        {"HTTP://Clan.Example/", "http://Clan.Example/"},
        // No page: the none.html page; white space around is not part of it.
        {"", "http://base.example/none.html"},
        {" \t ", "http://base.example/none.html"},
        {"http://", "http://base.example/none.html"},
        {"  clan.example  ", "http://clan.example"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServerPageUrl(c.page), c.url) << c.page;
}

TEST(ServerPageUrl, ZeroBytesAndLongPagesStayWhole)
{
    CString strPage("http://h.example/a", 18);
    strPage += '\0';
    strPage += "b";
    EXPECT_EQ(ServerPageUrl(strPage), "http://h.example/a%00b");
    CString strLong = "http://h.example/";
    for (int i = 0; i < 1400; ++i)
        strLong += '"';
    CString strUrl = ServerPageUrl(strLong);
    EXPECT_EQ(strUrl.GetLength(), 17 + 3 * 1400);
    EXPECT_EQ(strUrl.Find('"'), -1);
}
