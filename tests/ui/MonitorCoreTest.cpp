// The monitor's core without a window: its polls with real queries against the
// fake servers of core.scenario, their progress, status line and caption.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "CoreHarness.h"
#include "ui/core/FreeSlot.h"

namespace {
std::vector<int> Ports(int nFirst, int nCount)
{
    std::vector<int> ports;
    for (int i = 0; i < nCount; ++i)
        ports.push_back(nFirst + i);
    return ports;
}

// Runs the poll to its end; the most queries that ran at once, or -1 when it did not end.
int MostInFlight(CoreHarness& harness)
{
    int nMost = 0;
    bool bEnded = harness.PumpUntil([&] {
        nMost = std::max(nMost, harness.CountQuerying());
        return !harness.core.IsPolling();
    }, 5000);
    return bEnded ? nMost : -1;
}
} // namespace

TEST(MonitorCore, APollKeepsTheBudgetInFlightAndEndsOnceWithTheTotals)
{
    CoreHarness harness("core_poll");
    CMonitorCore& core = harness.core;
    harness.Setting("NumQueryThreads", "3");
    core.ReadSettings();
    harness.AddServers(Ports(kSlowFleet, 10));
    // An ignored server is not asked, but still passes through the status line.
    CGameServer* pIgnored = core.AddServer(new CGameServer(Address(kAlpha).c_str()), FALSE);
    pIgnored->SetIgnored(1);
    const int nIgnoredAsked = RequestsPerPort()[kAlpha];

    core.StartPolling();
    EXPECT_EQ(harness.CountQuerying(), 3);
    EXPECT_EQ(harness.view.caption, "Kelvane Monitor... (Polling Servers...)");
    EXPECT_TRUE(harness.view.progressShown);
    EXPECT_EQ(harness.view.progressRange, 11);
    core.StartPolling(); // Refresh during a poll changes nothing
    EXPECT_EQ(harness.CountQuerying(), 3);
    EXPECT_EQ(harness.view.statuses.size(), 3u);
    ASSERT_TRUE(harness.PumpUntil([&] { return !core.IsPolling(); }, 5000));
    EXPECT_EQ(harness.view.progressPos, 11);
    EXPECT_FALSE(harness.view.progressShown);
    EXPECT_EQ(harness.view.progressHides, 1);
    EXPECT_EQ(harness.view.caption, "Kelvane Monitor... (10 Servers, 0 Players Online) Now showing all servers.");
    // Every server in collection order, whatever order the answers came in; then Ready.
    std::vector<std::string> statuses;
    for (CGameServer* pServer : core.Servers())
        statuses.push_back("Querying server at " + std::string(pServer->GetAddress()) + "...");
    statuses.push_back("Ready");
    EXPECT_EQ(harness.view.statuses, statuses);
    EXPECT_EQ(pIgnored->GetPing(), 750u);
    EXPECT_EQ(RequestsPerPort()[kAlpha], nIgnoredAsked) << "an ignored server was asked";
    EXPECT_EQ(core.ServerRows().GetLook(core.ServerRows().Find(reinterpret_cast<LPARAM>(pIgnored))).crText,
              static_cast<DWORD>(COLOR_TEXT_IGNORED));

    // Nothing to ask, whether the collection is empty or every server is ignored:
    // the poll ends as it begins, and a refresh after it is a poll again.
    for (int nRecords : {0, 2}) {
        CoreHarness quiet("core_poll_quiet");
        quiet.AddServers(Ports(kQuickFleet, nRecords));
        for (CGameServer* pServer : quiet.core.Servers())
            pServer->SetIgnored(1);
        quiet.core.StartPolling();
        EXPECT_FALSE(quiet.core.IsPolling()) << nRecords;
        EXPECT_EQ(quiet.CountQuerying(), 0) << nRecords;
        EXPECT_EQ(quiet.view.status, "Ready") << nRecords;
        EXPECT_FALSE(quiet.view.progressShown) << nRecords;
        EXPECT_EQ(quiet.view.progressPos, nRecords);
        EXPECT_EQ(quiet.view.caption, "Kelvane Monitor... (0 Servers, 0 Players Online) Now showing all servers.")
            << nRecords;
        quiet.core.StartPolling();
        EXPECT_EQ(quiet.view.progressHides, 2) << nRecords;
    }
}

// Whatever the budget, the queries in flight are the budget's number until the
// collection runs out; a budget far beyond the collection costs nothing past it.
TEST(MonitorCore, EachBudgetKeepsItsNumberOfQueriesInFlight)
{
    const struct {
        const char* stored;
        int records;
        int inFlight;
    } budgets[] = {{"1", 10, 1}, {"3", 10, 3}, {"7", 10, 7}, {"7", 2, 2}, {"99999999999", 10, 10}};
    for (const auto& budget : budgets) {
        const std::string what = std::string(budget.stored) + " over " + std::to_string(budget.records);
        CoreHarness harness("core_budget");
        harness.Setting("NumQueryThreads", budget.stored);
        harness.core.ReadSettings();
        harness.AddServers(Ports(kQuickFleet, budget.records));
        const auto start = std::chrono::steady_clock::now();
        harness.core.StartPolling();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(ms, 500) << what << ": the poll's start spun through the budget";
        EXPECT_EQ(harness.CountQuerying(), budget.inFlight) << what;
        EXPECT_EQ(MostInFlight(harness), budget.inFlight) << what;
        EXPECT_EQ(harness.view.progressPos, budget.records) << what;
        for (CGameServer* pServer : harness.core.Servers())
            EXPECT_LT(pServer->GetPing(), 750u) << what << ": " << pServer->GetAddress();
    }
    CoreHarness huge("core_budget_huge");
    huge.Setting("NumQueryThreads", "99999999999");
    huge.core.ReadSettings();
    EXPECT_EQ(huge.core.GetThreadBudget(), INT_MAX);
}

// A budget chosen during a poll leaves the poll's queries as they are; the next
// poll runs with it.
TEST(MonitorCore, ABudgetChosenDuringAPollAppliesFromTheNext)
{
    CoreHarness harness("core_budget_change");
    harness.Setting("NumQueryThreads", "3");
    harness.core.ReadSettings();
    harness.AddServers(Ports(kQuickFleet, 6));
    harness.core.StartPolling();
    harness.core.SetThreadBudget(1);
    EXPECT_EQ(MostInFlight(harness), 3);
    harness.core.StartPolling();
    EXPECT_EQ(MostInFlight(harness), 1);
}

// Real queries, to closed loopback ports (the native build learns of them at
// once), with clicked queries among them: every notice is someone's, and the poll
// ends once, after it has taken every record.
TEST(MonitorCore, ClickedQueriesNeverCountAgainstAPoll)
{
    CoreHarness harness("core_clicks");
    CMonitorCore& core = harness.core;
    harness.AddServers(Ports(18150, 40));
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
    EXPECT_EQ(harness.CountQuerying(), 0);
}

// However the clicks on a slower server (150 ms) and their notices fall, a poll
// that follows counts only its own notices: it ends once its query of that
// server has answered, and the poll after it is whole again.
TEST(MonitorCore, AClickedQueryNeverEndsAPollWhereverItsNoticeFalls)
{
    CoreHarness harness("core_click_notices");
    CMonitorCore& core = harness.core;
    harness.AddServers({kZeta, kAlpha});
    core.ReadSettings();
    CGameServer* pSlow = harness.Server(kZeta);
    ASSERT_TRUE(harness.Poll());
    auto click = [&] { core.ClickServer(pSlow); };
    // Held back, the notices of ended queries stay queued; handed over, they are taken.
    auto queryEnds = [&] { ASSERT_TRUE(harness.WaitForQueries(3000)); };
    auto noticesTaken = [&] { harness.PumpQueued(); };
    struct {
        const char* what;
        std::vector<std::function<void()>> steps;
    } cases[] = {
        {"the clicked query still runs", {click}},
        {"its notice is still queued", {click, queryEnds}},
        {"a second click, both notices queued", {click, queryEnds, click, queryEnds}},
        {"a second click, its notice queued", {click, queryEnds, click, noticesTaken, queryEnds}},
        {"a second click, its query still runs", {click, queryEnds, click, noticesTaken}},
    };
    for (auto& c : cases) {
        for (auto& step : c.steps)
            step();
        for (const char* poll : {"the poll", "the next poll"}) {
            const int nQuickAsked = RequestsPerPort()[kAlpha];
            const int nHides = harness.view.progressHides;
            ASSERT_TRUE(harness.Poll(3000)) << c.what << ", " << poll;
            EXPECT_FALSE(pSlow->IsQuerying()) << c.what << ", " << poll << ": it ended on a clicked query's notice";
            EXPECT_EQ(harness.view.progressPos, 2) << c.what << ", " << poll;
            EXPECT_EQ(harness.view.progressHides, nHides + 1) << c.what << ", " << poll;
            EXPECT_EQ(RequestsPerPort()[kAlpha], nQuickAsked + 1) << c.what << ", " << poll;
        }
        // The clicks' notices still to come belong to nobody.
        ASSERT_TRUE(harness.WaitForQueries(3000));
        harness.PumpQueued();
        EXPECT_FALSE(core.IsPolling()) << c.what;
    }
}

namespace {
// A window over the main one that follows replies.
struct Watcher : CServerWatcher {
    void ServerNoticed(CGameServer* pServer) override
    {
        told.push_back(pServer);
        if (also)
            also(pServer);
    }
    std::vector<CGameServer*> told;
    std::function<void(CGameServer*)> also;
};
} // namespace

// The windows that follow replies hear of each one once the rows show it, and
// not of a clicked query's notice that a poll's own query of the record overtook.
TEST(MonitorCore, WatchersHearOfEachShownReplyOnce)
{
    CoreHarness h("core_watchers");
    h.StartUp({kAlpha, kZeta});
    Watcher first, second, removed;
    first.also = [&](CGameServer* pServer) {
        const CRowTable& rows = h.core.ServerRows();
        EXPECT_EQ(rows.GetText(rows.Find(reinterpret_cast<LPARAM>(pServer)), SERVER_COLUMN_PING).str(),
                  std::to_string(pServer->GetPing()))
            << "told before the row shows the reply";
        h.core.RemoveWatcher(&removed); // a window that closes meanwhile
    };
    for (Watcher* pWatcher : {&first, &second, &removed})
        h.core.AddWatcher(pWatcher);
    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(first.told, h.notices);
    EXPECT_EQ(second.told, h.notices);
    EXPECT_TRUE(removed.told.empty());

    CGameServer* pAlpha = h.Server(kAlpha);
    h.core.ClickServer(pAlpha);
    ASSERT_TRUE(h.WaitForQueries(3000));
    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(h.notices.size(), 5u);
    EXPECT_EQ(first.told.size(), 4u) << "told of the click's overtaken notice";

    h.core.RemoveWatcher(&second);
    h.core.ClickServer(pAlpha);
    ASSERT_TRUE(h.PumpUntil([&] { return h.notices.size() == 6; }, 3000));
    EXPECT_EQ(first.told.size(), 5u);
    EXPECT_EQ(second.told.size(), 4u);
    // After the close nobody is told.
    h.core.ClickServer(pAlpha);
    h.Close();
    h.PumpQueued();
    EXPECT_EQ(first.told.size(), 5u);
}

// The wait for a free slot asks its server again between polls only; each reply
// reaches it, and the third of this server's has a slot free.
TEST(MonitorCore, AServerIsAskedAgainOnlyBetweenPolls)
{
    CoreHarness h("core_ask_again");
    h.StartUp({kFullHouse, kSlowFleet});
    CGameServer* pFull = h.Server(kFullHouse);
    Watcher wait;
    h.core.AddWatcher(&wait);
    ASSERT_TRUE(h.Poll());
    EXPECT_TRUE(IsServerFull(pFull->GetStatus()));
    const int nAsked = RequestsPerPort()[kFullHouse];
    h.core.StartPolling();
    ASSERT_TRUE(h.PumpUntil([&] {
        if (h.core.IsPolling())
            h.core.AskServerForWatcher(pFull);
        return !h.core.IsPolling();
    }, 3000));
    EXPECT_EQ(RequestsPerPort()[kFullHouse], nAsked + 1) << "asked during the poll";
    EXPECT_TRUE(IsServerFull(pFull->GetStatus()));
    h.core.AskServerForWatcher(pFull);
    ASSERT_TRUE(h.PumpUntil([&] { return wait.told.back() == pFull && !pFull->IsQuerying(); }, 3000));
    EXPECT_EQ(RequestsPerPort()[kFullHouse], nAsked + 2);
    EXPECT_TRUE(HasFreeSlot(pFull->GetStatus()));
    EXPECT_EQ(SlotCountText(pFull->GetStatus()), "Players: 1/2");
}

// The wait's queries leave the player list to the row the user selected: they
// refill it only while the waited server's row is that one. A click always does.
TEST(MonitorCore, AWatchersQueryListsItsPlayersOnlyWhenItsRowIsSelected)
{
    CoreHarness h("core_watcher_players");
    h.StartUp({kAlpha, kZeta});
    ASSERT_TRUE(h.Poll());
    CGameServer* pAlpha = h.Server(kAlpha);
    CGameServer* pZeta = h.Server(kZeta);
    auto askedAndTold = [&](CGameServer* pServer, void (CMonitorCore::*pfnAsk)(CGameServer*)) {
        const size_t nBefore = h.notices.size();
        (h.core.*pfnAsk)(pServer);
        return h.PumpUntil([&] { return h.notices.size() > nBefore && !pServer->IsQuerying(); }, 3000);
    };
    auto players = [&] { return CoreHarness::Column(h.core.PlayerRows(), PLAYER_COLUMN_NAME); };

    h.view.selected = pAlpha;
    ASSERT_TRUE(askedAndTold(pAlpha, &CMonitorCore::ClickServer));
    EXPECT_EQ(players(), (std::vector<std::string>{"Bob", "Al", "Cy"}));
    ASSERT_TRUE(askedAndTold(pZeta, &CMonitorCore::AskServerForWatcher));
    EXPECT_EQ(players(), (std::vector<std::string>{"Bob", "Al", "Cy"})) << "the wait took over the player list";
    EXPECT_EQ(h.RowTexts(h.RowOf(kZeta))[SERVER_COLUMN_NAME], "zeta lower") << "its row follows the reply";

    h.view.selected = pZeta;
    ASSERT_TRUE(askedAndTold(pZeta, &CMonitorCore::AskServerForWatcher));
    EXPECT_EQ(players(), std::vector<std::string>{"Dee"});
}
