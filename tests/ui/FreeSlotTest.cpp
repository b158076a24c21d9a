#include <gtest/gtest.h>

#include <string>

#include "ui/core/FreeSlot.h"

namespace {

CServerStatus Status(DWORD nPing, DWORD nPlayers, DWORD nSlots)
{
    CServerStatus status;
    status.m_strName = "\xcb" "elvane";
    status.m_nPing = nPing;
    status.m_nPlayers = nPlayers;
    status.m_nMaxPlayers = nSlots;
    return status;
}

TEST(FreeSlot, AnAnsweringServerIsFullWithEverySlotTakenAndFreeOtherwise)
{
    const struct {
        DWORD ping, players, slots;
        bool full, free;
    } table[] = {
        {40, 8, 8, true, false},  {40, 9, 8, true, false},   {40, 7, 8, false, true},
        {40, 0, 0, false, true},  {750, 0, 0, false, false}, {750, 8, 8, false, false},
    };
    for (const auto& row : table) {
        CServerStatus status = Status(row.ping, row.players, row.slots);
        EXPECT_EQ(IsServerFull(status), row.full) << row.ping << " " << row.players << "/" << row.slots;
        EXPECT_EQ(HasFreeSlot(status), row.free) << row.ping << " " << row.players << "/" << row.slots;
    }
    EXPECT_EQ(FullServerQuestion(Status(40, 8, 8)), "Kelvane is full (8/8). Wait for a free slot and join then?");
    EXPECT_EQ(SlotCountText(Status(40, 7, 8)), "Players: 7/8");
    EXPECT_EQ(SlotCountText(Status(750, 0, 0)), "Players: no answer");
}

} // namespace

namespace {
CServerStatus Parsed(const std::string& keys, const std::string& players)
{
    CGameServer server("10.0.0.1:27910");
    const std::string reply = "\xFF\xFF\xFF\xFFprint\n\\hostname\\Busy\\game\\kelvane" + keys + "\n" + players;
    EXPECT_TRUE(server.ParseStatusReply(reply.c_str(), 40));
    return server.GetStatus();
}
} // namespace

// Slots the reply does not tell cannot be all taken: no question, no wait.
TEST(FreeSlot, AReplyWithoutSlotsIsNeverFull)
{
    const std::string players = "1 20 \"A\"\n2 30 \"B\"\n";
    for (const std::string& keys : {std::string(), std::string("\\maxclients\\"), std::string("\\maxclients\\none")}) {
        const CServerStatus status = Parsed(keys, players);
        EXPECT_FALSE(IsServerFull(status)) << keys;
        EXPECT_TRUE(HasFreeSlot(status)) << keys;
    }
    EXPECT_TRUE(IsServerFull(Parsed("\\maxclients\\2", players)));
}
