// Scenario text and escapes, where a mistake would give servers that quietly differ.
#include "Escape.h"
#include "Reply.h"
#include "Scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace std::string_literals;

namespace {

std::vector<ServerSetup> Parse(const std::string& text)
{
    std::istringstream in(text);
    return ParseScenario(in);
}

} // namespace

TEST(Scenario, ReadsBlocksFleetsAndTheirReplies)
{
    std::vector<ServerSetup> servers = Parse("# comment\r\n\n"
                                            "server 27910 delay=20 mode=otherport\r\n"
                                            "key hostname  two  spaces\n"
                                            "key website\n"
                                            "player 1 2 A B\n"
                                            "raw 3 4 \\\"x\\\"\\x00\\n\n"
                                            "fleet 30000 3 delay=7\n");
    ASSERT_EQ(servers.size(), 4u);
    EXPECT_EQ(servers[0].delayMs, 20u);
    EXPECT_EQ(servers[0].mode, ServerMode::OtherPort);
    EXPECT_EQ(StatusReply(servers[0]), "\xFF\xFF\xFF\xFFprint\n\\hostname\\ two  spaces\\website\\\n"
                                       "1 2 \"A B\"\n3 4 \"x\"\0\n"s);
    EXPECT_EQ(servers[3].port, 30002);
    EXPECT_EQ(servers[3].delayMs, 7u);
    EXPECT_EQ(servers[3].keys.front().second, "Fake server 30002");
}

TEST(Scenario, NamesTheLineOfEachMistake)
{
    const char* mistakes[] = {"key game kelvane\n",         "server 27910\nserver 27910\n",
                              "server 65536\n",              "server 27910 delay=-1\n",
                              "server 27910 mode=loud\n",    "server 27910\nraw \\q\n",
                              "server 27910\nplayer 1\n",    "fleet 65535 2\n",
                              "server 27910\nfleet 27900 11\n", "serve 27910\n"};
    for (const char* text : mistakes) {
        std::string lines(text);
        std::string expected = "line " + std::to_string(std::count(lines.begin(), lines.end(), '\n')) + ":";
        try {
            Parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ScenarioError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0u) << error.what();
        }
    }
}

TEST(Escape, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string escaped = EscapeBytes(all);
    EXPECT_EQ(escaped.find_first_of("\n\r\t\x7f\x80\xff"), std::string::npos);
    EXPECT_EQ(UnescapeText(escaped), all);
    EXPECT_EQ(EscapeBytes(std::string("\xFF\xFF\xFF\xFFstatus")), "\\xff\\xff\\xff\\xffstatus");
    EXPECT_FALSE(UnescapeText("ends in \\"));
    EXPECT_FALSE(UnescapeText("\\xg"));
}
