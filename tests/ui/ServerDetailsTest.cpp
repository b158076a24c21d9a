#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeServers.h"
#include "ui/core/ServerDetails.h"

namespace {

std::vector<std::string> Column(const std::vector<std::vector<CString>>& rows, size_t nColumn)
{
    std::vector<std::string> texts;
    for (const std::vector<CString>& row : rows)
        texts.push_back(row.at(nColumn).str());
    return texts;
}

const char kHeader[] = "\xFF\xFF\xFF\xFFprint\n\\";

} // namespace

// The pairs are the last accepted reply's; once a later reply is refused or none
// comes, a note says so, and a listed word is starred in keys as in values.
TEST(ServerDetails, PairsOfTheLastAcceptedReplyWithANoteOnceALaterOneFailed)
{
    ListTestWord(); // "zonk"
    CGameServer server("10.0.0.1:27910");
    EXPECT_EQ(ServerDetailsOf(server.GetStatus()).strNote, "This server has not answered yet.");

    const std::string accepted = std::string(kHeader) +
                                 "hostname\\R\xf5les\\game\\kelvane\\zonk_mode\\on\\motd\\ZONK \x10" "1\x11\n"
                                 "3 25 \"Eve\"\n";
    ASSERT_TRUE(server.ParseStatusReply(accepted.c_str(), 40));
    CServerDetails details = ServerDetailsOf(server.GetStatus());
    EXPECT_EQ(details.strCaption, "Server Details - Rules");
    EXPECT_EQ(details.strNote, "");
    EXPECT_EQ(Column(details.pairs, 0), (std::vector<std::string>{"hostname", "game", "****_mode", "motd"}));
    EXPECT_EQ(Column(details.pairs, 1), (std::vector<std::string>{"Rules", "kelvane", "on", "**** [1]"}));
    EXPECT_EQ(Column(details.players, 0), std::vector<std::string>{"Eve"});
    EXPECT_EQ(Column(details.players, 2), std::vector<std::string>{"25"});

    // Another game's reply is refused: its name shows, the pairs stay the old ones.
    // A query marks the record silent until a reply is accepted, and a refused
    // one leaves that ping; the status is taken as the query leaves it.
    const std::string refused = std::string(kHeader) + "hostname\\Elsewhere\\game\\other\n";
    ASSERT_FALSE(server.ParseStatusReply(refused.c_str(), 30));
    CServerStatus afterRefusal = server.GetStatus();
    afterRefusal.m_nPing = PING_NOT_ANSWERING;
    details = ServerDetailsOf(afterRefusal);
    EXPECT_EQ(details.strCaption, "Server Details - Elsewhere");
    EXPECT_EQ(details.strNote, "These are from the server's last accepted answer.");
    EXPECT_EQ(Column(details.pairs, 0), (std::vector<std::string>{"hostname", "game", "****_mode", "motd"}));
    EXPECT_TRUE(details.players.empty());

    // Accepted again, then silent: a silent server's status has the ping of silence.
    ASSERT_TRUE(server.ParseStatusReply(accepted.c_str(), 40));
    CServerStatus silent = server.GetStatus();
    silent.m_nPing = PING_NOT_ANSWERING;
    EXPECT_EQ(ServerDetailsOf(silent).strNote, "These are from the server's last accepted answer.");
    EXPECT_EQ(ServerDetailsOf(server.GetStatus()).strNote, "");
}
