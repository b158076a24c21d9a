// Watching for games with real queries: the polls of its own, the notices and
// the buddies' bold rows, buddies.txt.
#include <gtest/gtest.h>

#include "CoreHarness.h"

namespace {
const UINT kWatchTimer = CMonitorCore::WATCH_TIMER;

bool BoldRow(const CRowTable& rows, int nRow)
{
    return nRow >= 0 && rows.GetLook(nRow).bBold;
}

int PlayerRow(CMonitorCore& core, const char* pszName)
{
    const CRowTable& rows = core.PlayerRows();
    for (int nRow = 0; nRow < rows.GetCount(); ++nRow)
        if (rows.GetText(nRow, 0) == pszName)
            return nRow;
    return -1;
}
} // namespace

TEST(CoreWatch, APollOfItsOwnFollowsTheLastOnlyWhileWatching)
{
    CoreHarness harness("core_watch_timer");
    CMonitorCore& core = harness.core;
    harness.Setting("WatchMinutes", "1");
    harness.StartUp({kTwo, kAlpha});
    ASSERT_TRUE(harness.Poll());
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 0u) << "not watching: no poll of its own";
    EXPECT_FALSE(harness.view.watching);

    core.SetWatching(TRUE);
    EXPECT_TRUE(harness.view.watching);
    EXPECT_EQ(harness.view.tip, "Kelvane Monitor - 3 players online");
    ASSERT_EQ(harness.view.timers.count(kWatchTimer), 1u);
    EXPECT_GT(harness.view.timers[kWatchTimer], 55000u);
    EXPECT_LE(harness.view.timers[kWatchTimer], 60000u);
    ASSERT_TRUE(harness.SaveWhenDue());
    EXPECT_EQ(harness.StoredSetting("WatchForGames"), "1");

    // F5 meanwhile: that poll is the last one, and the next of its own follows it.
    core.StartPolling();
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 0u);
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 1u);

    // Its time has come: a poll as F5 starts one, and the timer waits for its end.
    core.TimerFired(kWatchTimer);
    EXPECT_TRUE(core.IsPolling());
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 0u);
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 1u);

    // Off: no timer, and a stale tick polls nothing.
    core.SetWatching(FALSE);
    EXPECT_FALSE(harness.view.watching);
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 0u);
    core.TimerFired(kWatchTimer);
    EXPECT_FALSE(core.IsPolling());

    // Watching again long after the last poll: the poll is due at once.
    harness.Setting("WatchMinutes", "x");
    core.SetWatching(TRUE);
    EXPECT_LE(harness.view.timers[kWatchTimer], 120000u) << "a damaged WatchMinutes reads as 2";
    harness.Close();
    EXPECT_FALSE(harness.view.watching) << "the icon goes at shut-down";
    EXPECT_EQ(harness.view.timers.count(kWatchTimer), 0u);
}

TEST(CoreWatch, ABuddyWhoJoinsIsToldOnceAndDrawnBold)
{
    CoreHarness harness("core_watch_buddy");
    CMonitorCore& core = harness.core;
    harness.Setting("WatchForGames", "1");
    WriteFile(harness.dir.File("buddies.txt"), "alice\n");
    // Alpha Base, a favourite, has three players from its first reply: a game.
    WriteFile(harness.dir.File("serverlist.txt"), Address(kAlpha) + "\nAlpha Base\n\n1\n0\n");
    harness.StartUp({kBuddyBase});
    EXPECT_TRUE(harness.view.watching) << "watching from the start";
    ASSERT_TRUE(harness.Poll());
    EXPECT_EQ(harness.view.notices, std::vector<std::string>{"A game is on at Alpha Base (3/16)"});
    EXPECT_EQ(core.NoticedServer(), Address(kAlpha).c_str());
    EXPECT_FALSE(BoldRow(core.ServerRows(), harness.RowOf(kBuddyBase)));

    // Alice joins Bob: one notice, the server's row bold, her row bold beside his plain one.
    core.TimerFired(kWatchTimer);
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    ASSERT_EQ(harness.view.notices.size(), 2u);
    EXPECT_EQ(harness.view.notices[1], "Alice is playing on Buddy Base (2/8)");
    EXPECT_EQ(core.NoticedServer(), Address(kBuddyBase).c_str());
    EXPECT_EQ(harness.view.tip, "Kelvane Monitor - 5 players online");
    EXPECT_TRUE(BoldRow(core.ServerRows(), harness.RowOf(kBuddyBase)));
    EXPECT_FALSE(BoldRow(core.ServerRows(), harness.RowOf(kAlpha)));
    core.UpdateServerItem(harness.Server(kBuddyBase));
    EXPECT_TRUE(BoldRow(core.PlayerRows(), PlayerRow(core, "Alice")));
    EXPECT_FALSE(BoldRow(core.PlayerRows(), PlayerRow(core, "Bob")));

    // Still there at the next poll: nothing more.
    ASSERT_TRUE(harness.Poll());
    EXPECT_EQ(harness.view.notices.size(), 2u);

    // Bob made a buddy: his rows and both his servers' rows turn bold at once, and
    // buddies.txt is written soon.
    EXPECT_TRUE(core.AddBuddy("  Bob "));
    EXPECT_FALSE(core.AddBuddy("BOB"));
    EXPECT_TRUE(BoldRow(core.PlayerRows(), PlayerRow(core, "Bob")));
    EXPECT_TRUE(BoldRow(core.ServerRows(), harness.RowOf(kAlpha)));
    core.RemoveBuddy("alice");
    EXPECT_FALSE(BoldRow(core.PlayerRows(), PlayerRow(core, "Alice")));
    ASSERT_TRUE(harness.SaveWhenDue());
    // As it reads back, whatever line ends text mode wrote.
    CBuddyList saved;
    ASSERT_TRUE(saved.Load(harness.dir.File("buddies.txt").c_str()));
    EXPECT_EQ(saved.Names(), std::vector<CString>{"Bob"});
    EXPECT_TRUE(harness.view.reports.empty());
}
