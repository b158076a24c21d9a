// A server's address text: where it splits, and the port a record gives it.
#include <gtest/gtest.h>

#include "query/GameServer.h"
#include "query/ServerAddress.h"

TEST(ServerAddress, OnlyTheFirstColonSplits)
{
    const struct { const char* text; const char* host; const char* port; BOOL bColon; } cases[] = {
        {"q2.example.org:27911", "q2.example.org", "27911", TRUE},
        {"h:27911:x", "h", "27911:x", TRUE},
        {"localhost", "localhost", "", FALSE},
        {":27911", "", "27911", TRUE}, // a colon first: no host, not the whole text
        {"h:", "h", "", TRUE},
        {"", "", "", FALSE},
    };
    for (const auto& c : cases) {
        CServerAddress address = SplitServerAddress(c.text);
        EXPECT_EQ(address.strHost, c.host) << c.text;
        EXPECT_EQ(address.strPort, c.port) << c.text;
        EXPECT_EQ(address.bHasColon, c.bColon) << c.text;
    }
}

TEST(ServerAddress, ARecordReplacesOnlyAMissingOrZeroPort)
{
    const std::pair<const char*, const char*> cases[] = {
        {"10.0.0.1", "10.0.0.1:27910"},
        {"10.0.0.1:0", "10.0.0.1:27910"},
        {"10.0.0.1:", "10.0.0.1:27910"},
        {"10.0.0.1:abc", "10.0.0.1:27910"},
        {"h::27911", "h:27910"},   // the port text ":27911" reads as 0
        {"h:+0", "h:27910"},
        {"host.example:27911x", "host.example:27911x"},
        {"h:27911:x", "h:27911:x"},
        {"h:-5", "h:-5"},          // not 0: kept as written
        {"h: 27911", "h: 27911"},  // white space before the digits is allowed
        {":27920", ":27920"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGameServer(c.first).GetAddress(), c.second) << c.first;
    EXPECT_EQ(CGameServer().GetAddress(), "0.0.0.0:0");
}
