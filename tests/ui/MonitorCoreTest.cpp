// The monitor's core without a window: its polls with real queries against the
// fake servers of core.scenario, and what the lists and the caption show.
#include <gtest/gtest.h>

#include "CoreHarness.h"
#include "ui/core/ListMode.h"

namespace {
std::string Address(int nPort)
{
    return "127.0.0.1:" + std::to_string(nPort);
}

int CountQuerying(CMonitorCore& core)
{
    int n = 0;
    for (CGameServer* pServer : core.Servers())
        n += pServer->IsQuerying() ? 1 : 0;
    return n;
}
} // namespace

TEST(MonitorCore, APollKeepsTheBudgetInFlightAndEndsOnceWithTheTotals)
{
    CoreHarness harness("core_poll");
    CMonitorCore& core = harness.core;
    harness.Setting("NumQueryThreads", "3");
    core.ReadSettings();
    std::vector<std::string> addresses;
    for (int i = 0; i < 10; ++i)
        addresses.push_back(Address(28400 + i));
    harness.AddServers(addresses);
    // An ignored server is not asked, but still passes through the status line.
    CGameServer* pIgnored = core.AddServer(new CGameServer(Address(28420).c_str()), FALSE);
    pIgnored->SetIgnored(1);

    core.StartPolling();
    EXPECT_EQ(CountQuerying(core), 3);
    EXPECT_EQ(harness.view.caption, "Kelvane Monitor... (Polling Servers...)");
    EXPECT_TRUE(harness.view.progressShown);
    EXPECT_EQ(harness.view.progressRange, 11);
    core.StartPolling(); // Refresh during a poll changes nothing
    EXPECT_EQ(CountQuerying(core), 3);
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    EXPECT_EQ(harness.view.progressPos, 11);
    EXPECT_FALSE(harness.view.progressShown);
    EXPECT_EQ(harness.view.status, "Ready");
    EXPECT_EQ(harness.view.caption, "Kelvane Monitor... (10 Servers, 0 Players Online) Now showing all servers.");
    EXPECT_EQ(pIgnored->GetPing(), 750u) << "never asked";

    // An empty collection, or one of ignored servers only, ends as it begins.
    CoreHarness empty("core_poll_empty");
    empty.core.StartPolling();
    EXPECT_FALSE(empty.core.IsPolling());
    EXPECT_EQ(empty.view.status, "Ready");
}

// Real queries, to closed loopback ports (the native build learns of them at
// once), with clicked queries among them: every notice is someone's, and the poll
// ends once, after it has taken every record.
TEST(MonitorCore, ClickedQueriesNeverCountAgainstAPoll)
{
    CoreHarness harness("core_clicks");
    CMonitorCore& core = harness.core;
    std::vector<std::string> addresses;
    for (int i = 0; i < 40; ++i)
        addresses.push_back(Address(18150 + i));
    harness.AddServers(addresses);
    harness.Setting("NumQueryThreads", "7");
    core.ReadSettings();
    // Clicked before the poll: their notices may come before or after it reaches them.
    for (int i = 0; i < 40; i += 5)
        core.AskServerAgain(core.Servers().GetAt(i));
    core.StartPolling();
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    EXPECT_EQ(harness.view.progressPos, 40) << "a record counted twice, or one not at all";
    // The clicks' notices that come after the end change nothing.
    harness.PumpUntil([] { return false; }, 300);
    EXPECT_EQ(harness.view.progressHides, 1) << "the poll ended more than once";
    EXPECT_EQ(harness.view.progressPos, 40);
    EXPECT_EQ(CountQuerying(core), 0);
}
