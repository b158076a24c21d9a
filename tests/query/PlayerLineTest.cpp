// A player line of a status reply: `<score> <ping> "<name>`.
#include <gtest/gtest.h>

#include <string>

#include "query/GameServer.h"

TEST(PlayerLine, ScoreAndPingScanAsDecimalsAndTheNameKeepsUpTo128Characters)
{
    const struct { std::string line; int score; DWORD ping; std::string name; } cases[] = {
        {"12 50 \"Bob\"", 12, 50, "Bob"},
        {"  -3 7  \"Big Bad Bob\" trailing", -3, 7, "Big Bad Bob"},
        {"1 2 \"no closing quote", 1, 2, "no closing quote"},
        {"99999999999 5 \"huge\"", 2147483647, 5, "huge"},
        {"+5 +7 \"a\"", 5, 7, "a"},
        {"\t-2\t9\t\"tab\"", -2, 9, "tab"},
        {"3 -1 \"wraps\"", 3, 4294967295u, "wraps"},  // an unsigned scan negates
        {"1 2 \"" + std::string(128, 'n') + "\"", 1, 2, std::string(128, 'n')},
        {"1 2 \"" + std::string(300, 'n') + "\"", 1, 2, std::string(128, 'n')},
        // Lines that do not scan give an empty player.
        {"4 5 \"\"", 0, 0, ""},
        {"12 \"Bob\"", 0, 0, ""},
        {"12 50 Bob", 0, 0, ""},
        {"- 2 \"x\"", 0, 0, ""},
        {"", 0, 0, ""},
    };
    for (const auto& c : cases) {
        CPlayerInfo player{CString(c.line.c_str())};
        EXPECT_EQ(player.GetScore(), c.score) << c.line;
        EXPECT_EQ(player.GetPing(), c.ping) << c.line;
        EXPECT_EQ(player.GetName(), c.name.c_str()) << c.line;
    }
}
