// The monitor's two lists as the core fills them from real replies of the fake
// servers of core.scenario: rows, images and colours, the views and the marks,
// the sort rules, and the player list.
#include <gtest/gtest.h>

#include <algorithm>

#include "CoreHarness.h"
#include "ui/core/Caption.h"
#include "ui/core/ListMode.h"

namespace {
const std::vector<int> kSix = {kAlpha, kZeta, kTen, kSilent, kOtherGame, kTwo};

std::string TestName()
{
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

std::vector<std::string> Names(const std::vector<CPlayerInfo>& players)
{
    std::vector<std::string> names;
    for (const CPlayerInfo& player : players)
        names.push_back(player.GetName().str());
    return names;
}

bool InOrder(const std::vector<std::string>& pings, bool bAscending)
{
    for (size_t i = 1; i < pings.size(); ++i) {
        const int a = std::stoi(pings[i - 1]), b = std::stoi(pings[i]);
        if (bAscending ? a > b : a < b)
            return false;
    }
    return true;
}

// The core after the first poll of a start-up with these servers in the master list.
class CoreLists : public ::testing::Test {
protected:
    explicit CoreLists(const std::vector<int>& masterList = kSix) : h("core_" + TestName()), core(h.core)
    {
        h.StartUp(masterList);
        EXPECT_TRUE(h.Poll()) << "first poll never ended";
    }

    const CRowLook& Look(int nPort) { return core.ServerRows().GetLook(h.RowOf(nPort)); }
    std::vector<std::string> Players() { return CoreHarness::Column(core.PlayerRows(), PLAYER_COLUMN_NAME); }
    void RightClick(int nPort) { core.CycleMarks(h.Server(nPort)); }

    CoreHarness h;
    CMonitorCore& core;
};

class CoreTwoLists : public CoreLists {
protected:
    CoreTwoLists() : CoreLists({kAlpha, kZeta}) {}
};
} // namespace

TEST_F(CoreLists, RowsShowTheRepliesWithPingImagesAndMarkColours)
{
    ASSERT_EQ(core.ServerRows().GetCount(), 6);
    const std::vector<std::string> alpha = h.RowTexts(h.RowOf(kAlpha));
    EXPECT_EQ(alpha[SERVER_COLUMN_NAME], "Alpha Base");
    EXPECT_EQ(alpha[SERVER_COLUMN_MAP], "q2dm1");
    EXPECT_EQ(alpha[SERVER_COLUMN_VERSION], "4.5");
    EXPECT_LE(std::stoi(alpha[SERVER_COLUMN_PING]), 100);
    EXPECT_EQ(alpha[SERVER_COLUMN_PLAYERS], "3/16");
    EXPECT_EQ(alpha[SERVER_COLUMN_ADDRESS], Address(kAlpha));
    EXPECT_EQ(Look(kAlpha).nImage, PING_IMAGE_GOOD);
    EXPECT_EQ(Look(kTen).nImage, PING_IMAGE_POOR);
    EXPECT_EQ(h.RowTexts(h.RowOf(kSilent)),
              (std::vector<std::string>{"", "", "", "750", "0/0", Address(kSilent)}));
    EXPECT_EQ(Look(kSilent).nImage, PING_IMAGE_DEAD);
    EXPECT_EQ(h.RowTexts(h.RowOf(kOtherGame))[SERVER_COLUMN_PING], "750") << "another game is no answer";
    EXPECT_EQ(Look(kOtherGame).nImage, PING_IMAGE_DEAD);
    for (int i = 0; i < core.ServerRows().GetCount(); ++i) {
        EXPECT_EQ(core.ServerRows().GetLook(i).nImage, PingImageFor(std::stoul(h.RowTexts(i)[SERVER_COLUMN_PING])))
            << "the image grades the ping shown, row " << i;
        EXPECT_EQ(core.ServerRows().GetLook(i).crText, static_cast<DWORD>(COLOR_TEXT_PLAIN)) << i;
    }

    // A right click: blue, red, black again, in place (a mark change sorts nothing).
    const int nRow = h.RowOf(kAlpha);
    for (DWORD crText : {COLOR_TEXT_FAVORITE, COLOR_TEXT_IGNORED, COLOR_TEXT_PLAIN}) {
        RightClick(kAlpha);
        EXPECT_EQ(h.RowOf(kAlpha), nRow);
        EXPECT_EQ(Look(kAlpha).crText, crText);
    }
}

class CoreGameText : public CoreLists {
protected:
    CoreGameText() : CoreLists(WithTestWord({kAlpha, kZeta, kGameText})) {}
    static std::vector<int> WithTestWord(std::vector<int> ports)
    {
        ListTestWord();
        return ports;
    }
};

TEST_F(CoreGameText, RowsReadAsTheGameShowsThemAndTheFileKeepsTheServersBytes)
{
    const int nRow = h.RowOf(kGameText);
    ASSERT_GE(nRow, 0);
    EXPECT_EQ(h.RowTexts(nRow)[SERVER_COLUMN_NAME], "Kelvane CTF [EU]");
    EXPECT_EQ(h.RowTexts(nRow)[SERVER_COLUMN_MAP], "q2dm1");
    // A right click shows the record, and with it its players, filtered in the alternate letters too.
    RightClick(kGameText);
    EXPECT_EQ(Players(), (std::vector<std::string>{"Player", "****er"}));
    // The sort compares what the rows show: between "Alpha" and "zeta", not after them.
    h.ClickServerColumn(SERVER_COLUMN_NAME);
    EXPECT_EQ(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_NAME),
              (std::vector<std::string>{"Alpha Base", "Kelvane CTF [EU]", "zeta lower"}));
    h.Close();
    EXPECT_NE(ReadText(h.dir.File("serverlist.txt"))
                  .find(Record(kGameText, "\xcb\xe5\xec\xf6\xe1\xee\xe5 CTF \x10" "EU\x11", 1, 0)),
              std::string::npos);
}

TEST_F(CoreLists, RightClicksCycleTheMarksAndTheViewsFollowThemWithTheirTotals)
{
    RightClick(kZeta);   // favourite
    RightClick(kSilent); // a favourite that never answers
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");

    core.ShowNextListMode(); // active
    EXPECT_EQ(h.view.button, "Show Favorites Only");
    std::vector<int> ports = h.PortsInRowOrder();
    std::sort(ports.begin(), ports.end());
    EXPECT_EQ(ports, (std::vector<int>{kAlpha, kZeta, kTen, kTwo}));
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing active servers.");
    // The second right click ignores the server: it leaves the active view.
    RightClick(kAlpha);
    EXPECT_EQ(Look(kAlpha).crText, static_cast<DWORD>(COLOR_TEXT_FAVORITE));
    RightClick(kAlpha);
    EXPECT_EQ(h.RowOf(kAlpha), -1);
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (3 Servers, 1 Players Online) Now showing active servers.");

    core.ShowNextListMode(); // favourites, answering or not
    EXPECT_EQ(h.view.button, "Show ALL Servers");
    ports = h.PortsInRowOrder();
    std::sort(ports.begin(), ports.end());
    EXPECT_EQ(ports, (std::vector<int>{kZeta, kSilent}));
    EXPECT_EQ(Look(kSilent).nImage, PING_IMAGE_DEAD);
    EXPECT_EQ(h.RowTexts(h.RowOf(kSilent))[SERVER_COLUMN_PING], "750");
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (1 Servers, 1 Players Online) Now showing favorite servers.");
    RightClick(kZeta); // favourite -> ignored: it leaves the view
    EXPECT_EQ(h.PortsInRowOrder(), std::vector<int>{kSilent});
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (0 Servers, 0 Players Online) Now showing favorite servers.");

    core.ShowNextListMode(); // all: ignored servers in red, and counted
    EXPECT_EQ(h.view.button, "Show Active Servers");
    EXPECT_EQ(h.PortsInRowOrder().size(), 6u);
    EXPECT_EQ(Look(kAlpha).crText, static_cast<DWORD>(COLOR_TEXT_IGNORED));
    EXPECT_EQ(Look(kZeta).crText, static_cast<DWORD>(COLOR_TEXT_IGNORED));
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");
    // An ignored server is no longer asked.
    const int nAsked = RequestsPerPort()[kAlpha];
    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(RequestsPerPort()[kAlpha], nAsked);
}

TEST_F(CoreLists, ColumnsSortAsNumbersOrBytesWithTheMarksBreakingTiesInBothDirections)
{
    // Start-up order: by ping ascending; the first click on Ping turns it round.
    EXPECT_TRUE(InOrder(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_PING), true));
    h.ClickServerColumn(SERVER_COLUMN_PING);
    EXPECT_TRUE(InOrder(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_PING), false));

    // Byte order, but two names that start with positive numbers compare as numbers.
    const std::vector<std::string> names = {"", "2 Base", "10 Base", "Alpha Base", "Plain Quake", "zeta lower"};
    h.ClickServerColumn(SERVER_COLUMN_NAME);
    EXPECT_EQ(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_NAME), names);
    h.ClickServerColumn(SERVER_COLUMN_NAME);
    EXPECT_EQ(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_NAME),
              std::vector<std::string>(names.rbegin(), names.rend()));
    h.ClickServerColumn(SERVER_COLUMN_PLAYERS);
    EXPECT_EQ(CoreHarness::Column(core.ServerRows(), SERVER_COLUMN_PLAYERS).back(), "3/16");

    // Versions 4.5 compare equal: favourite, plain, ignored, in both directions.
    RightClick(kTen);
    RightClick(kTwo);
    RightClick(kTwo);
    for (const char* direction : {"ascending", "descending"}) {
        h.ClickServerColumn(SERVER_COLUMN_VERSION);
        std::vector<int> ports;
        for (int nPort : h.PortsInRowOrder()) {
            if (nPort == kAlpha || nPort == kTen || nPort == kTwo)
                ports.push_back(nPort);
        }
        EXPECT_EQ(ports, (std::vector<int>{kTen, kAlpha, kTwo})) << direction;
    }
}

// Rows that a poll adds stay at the end until the poll ends and sorts them.
TEST(CoreListsDuringAPoll, NewRowsStayAtTheBottomUntilThePollEnds)
{
    CoreHarness h("core_new_rows");
    h.Setting("NumQueryThreads", "1");
    h.StartUp({kZeta, kAlpha, kTwo});
    h.ClickServerColumn(SERVER_COLUMN_NAME);
    h.core.StartPolling();
    ASSERT_TRUE(h.PumpUntil([&] { return h.notices.size() == 2; }, 3000));
    EXPECT_EQ(CoreHarness::Column(h.core.ServerRows(), SERVER_COLUMN_NAME),
              (std::vector<std::string>{"zeta lower", "Alpha Base"}));
    ASSERT_TRUE(h.PumpUntil([&] { return !h.core.IsPolling(); }, 3000));
    EXPECT_EQ(CoreHarness::Column(h.core.ServerRows(), SERVER_COLUMN_NAME),
              (std::vector<std::string>{"2 Base", "Alpha Base", "zeta lower"}));
}

TEST_F(CoreTwoLists, ThePlayersOfTheServerShownLastInReplyOrderSortedByTheSameRule)
{
    CGameServer* pAlpha = h.Server(kAlpha);
    CGameServer* pZeta = h.Server(kZeta);
    ASSERT_EQ(h.notices.back(), pZeta) << "zeta answers 150 ms after Alpha";
    EXPECT_EQ(Players(), std::vector<std::string>{"Dee"});

    // A click between polls asks the server again; its answer shows its players.
    const int nAsked = RequestsPerPort()[kAlpha];
    core.ClickServer(pAlpha);
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (2 Servers, 4 Players Online) Now showing all servers.");
    ASSERT_TRUE(h.PumpUntil([&] { return !pAlpha->IsQuerying() && h.notices.back() == pAlpha; }, 3000));
    EXPECT_EQ(RequestsPerPort()[kAlpha], nAsked + 1);
    const std::vector<std::string> replyOrder = {"Bob", "Al", "Cy"};
    EXPECT_EQ(Players(), replyOrder);

    // The first click on Name turns the start-up order round; scores of 0 and
    // below compare as text, pings as numbers.
    const struct {
        int column;
        std::vector<std::string> texts;
    } clicks[] = {
        {PLAYER_COLUMN_NAME, {"Cy", "Bob", "Al"}}, {PLAYER_COLUMN_NAME, {"Al", "Bob", "Cy"}},
        {PLAYER_COLUMN_SCORE, {"-3", "0", "12"}},  {PLAYER_COLUMN_SCORE, {"12", "0", "-3"}},
        {PLAYER_COLUMN_PING, {"50", "80", "999"}}, {PLAYER_COLUMN_NAME, {"Al", "Bob", "Cy"}},
    };
    for (const auto& click : clicks) {
        h.ClickPlayerColumn(click.column);
        EXPECT_EQ(CoreHarness::Column(core.PlayerRows(), click.column), click.texts) << click.column;
    }

    // A view change ends with the players of the last listed server in collection
    // order; a view that lists none leaves the players as they are.
    core.ShowListMode(LIST_MODE_ACTIVE);
    EXPECT_EQ(Players(), std::vector<std::string>{"Dee"});
    core.ShowListMode(LIST_MODE_FAVORITES);
    EXPECT_EQ(Players(), std::vector<std::string>{"Dee"});
    core.ShowListMode(LIST_MODE_ALL);

    // A poll empties the list; a click during the poll shows that server's players
    // as they are, and each answer refills the list, in reply order whatever the sort.
    core.StartPolling();
    EXPECT_EQ(core.PlayerRows().GetCount(), 0);
    EXPECT_EQ(core.ServerRows().GetCount(), 2) << "a poll keeps the rows until each answer";
    core.ClickServer(pAlpha);
    EXPECT_EQ(Players(), replyOrder);
    const size_t nBefore = h.notices.size();
    ASSERT_TRUE(h.PumpUntil([&] {
        if (h.notices.size() > nBefore) {
            EXPECT_EQ(Players(), Names(h.notices.back()->GetStatus().m_players)) << "after " << h.notices.size();
        }
        return !core.IsPolling();
    }, 3000));
    EXPECT_EQ(Players(), std::vector<std::string>{"Dee"});
}

// Every handler that can redraw a row while its server's query runs shows the
// last answer whole: not the query's 750 and 0/0 beside the old name, and in
// the active view the row stays where it is.
TEST(CoreListsDuringAPoll, ARowWhoseQueryRunsShowsTheLastAnswer)
{
    CoreHarness h("core_query_runs");
    h.StartUp({kSlowBase});
    ASSERT_TRUE(h.Poll());
    CGameServer* pServer = h.Server(kSlowBase);
    const std::vector<std::string> before = h.RowTexts(0);
    ASSERT_EQ(before[SERVER_COLUMN_NAME], "Slow Base");
    ASSERT_EQ(before[SERVER_COLUMN_PLAYERS], "2/16");
    const std::vector<std::string> players = {"Ann", "Ben"};

    struct {
        const char* what;
        std::function<void()> act;
    } handlers[] = {
        {"left click during a poll", [&] { h.core.ClickServer(pServer); }},
        {"right click", [&] { h.core.CycleMarks(pServer); }},
        {"view change to active", [&] { h.core.ShowNextListMode(); }},
    };
    h.core.StartPolling();
    // The query has begun: the record itself now says 750.
    ASSERT_TRUE(h.PumpUntil([&] { return pServer->GetPing() == PING_NOT_ANSWERING; }, 300));
    for (auto& handler : handlers) {
        handler.act();
        ASSERT_TRUE(pServer->IsQuerying()) << handler.what << ": the query ended too soon to tell";
        ASSERT_EQ(h.core.ServerRows().GetCount(), 1) << handler.what;
        EXPECT_EQ(h.RowTexts(0), before) << handler.what;
        EXPECT_NE(h.core.ServerRows().GetLook(0).nImage, PING_IMAGE_DEAD) << handler.what;
        EXPECT_EQ(CoreHarness::Column(h.core.PlayerRows(), PLAYER_COLUMN_NAME), players) << handler.what;
    }
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (1 Servers, 2 Players Online) Now showing active servers.");
    ASSERT_TRUE(h.PumpUntil([&] { return !h.core.IsPolling(); }, 3000));
    EXPECT_EQ(h.RowTexts(0)[SERVER_COLUMN_NAME], "Slow Base");
    EXPECT_LT(std::stoi(h.RowTexts(0)[SERVER_COLUMN_PING]), 750);
}

// A server that listed players and then falls silent lists none of them, though
// the record keeps them until its next answer; in the active view it leaves.
TEST(CoreListsDuringAPoll, AServerThatFallsSilentListsNoPlayers)
{
    CoreHarness h("core_falls_silent");
    h.StartUp({});
    // The silent server, and one that answers for another game: no answer either.
    for (int nPort : {kSilent, kOtherGame}) {
        CGameServer* pServer = h.core.AddServer(new CGameServer(Address(nPort).c_str()), FALSE);
        ASSERT_TRUE(pServer->ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\hostname\\Gone Quiet\\maxclients\\8\n"
                                              "1 20 \"Ann\"\n2 30 \"Ben\"\n",
                                              40));
        h.core.UpdateServerItem(pServer);
        ASSERT_EQ(h.RowTexts(h.RowOf(nPort))[SERVER_COLUMN_PLAYERS], "2/8");
        ASSERT_EQ(h.core.PlayerRows().GetCount(), 2);
    }

    CGameServer* pSilent = h.Server(kSilent);
    h.core.ClickServer(pSilent);
    ASSERT_TRUE(h.PumpUntil([&] { return !h.notices.empty(); }, 3000));
    EXPECT_EQ(h.RowTexts(h.RowOf(kSilent)),
              (std::vector<std::string>{"Gone Quiet", "", "", "750", "0/0", Address(kSilent)}));
    EXPECT_EQ(h.core.ServerRows().GetLook(h.RowOf(kSilent)).nImage, PING_IMAGE_DEAD);
    EXPECT_EQ(h.core.PlayerRows().GetCount(), 0);

    h.core.ShowListMode(LIST_MODE_ACTIVE);
    EXPECT_EQ(h.PortsInRowOrder(), std::vector<int>{kOtherGame});
    h.core.ClickServer(h.Server(kOtherGame));
    ASSERT_TRUE(h.PumpUntil([&] { return h.notices.size() == 2; }, 3000));
    EXPECT_EQ(h.core.ServerRows().GetCount(), 0);
}

// The caption's totals are those of the rows shown, after every reply and every
// mark, view change or click made meanwhile; once the answers are in, each view
// lists exactly the records it admits, each with its last answer.
TEST(CoreListsDuringAPoll, TheTotalsAreTheRowsOwnWhateverHappensMeanwhile)
{
    CoreHarness h("core_totals");
    h.Setting("NumQueryThreads", "3");
    std::vector<int> ports = {kAlpha, kZeta, kTwo, kOtherGame, kSlowBase};
    for (int i = 0; i < 10; ++i)
        ports.push_back(kQuickFleet + i);
    h.StartUp(ports);
    CMonitorCore& core = h.core;
    const std::vector<CGameServer*> records(core.Servers().begin(), core.Servers().end());
    const CRowTable& rows = core.ServerRows();
    int nStep = 0;
    auto expectTotals = [&] {
        int nAnswering = 0, nPlayers = 0;
        for (int i = 0; i < rows.GetCount(); ++i) {
            nAnswering += ReadLeadingInt(rows.GetText(i, SERVER_COLUMN_PING)) < PING_NOT_ANSWERING ? 1 : 0;
            nPlayers += ReadLeadingInt(rows.GetText(i, SERVER_COLUMN_PLAYERS));
        }
        core.UpdateCaption();
        EXPECT_EQ(h.view.caption, TotalsCaption(nAnswering, nPlayers, core.GetListMode()).str()) << "step " << nStep;
    };
    for (int nPoll = 0; nPoll < 2; ++nPoll) {
        core.StartPolling();
        ASSERT_TRUE(h.PumpUntil([&] {
            CGameServer* pServer = records[static_cast<size_t>(nStep * 7) % records.size()];
            switch (nStep++ % 4) {
            case 0: core.CycleMarks(pServer); break;
            case 1: core.ShowNextListMode(); break;
            case 2: core.ClickServer(pServer); break;
            default: break;
            }
            expectTotals();
            return !core.IsPolling();
        }, 5000));
    }
    ASSERT_TRUE(h.WaitForQueries(3000));
    h.PumpQueued();

    for (int nMode : {LIST_MODE_ACTIVE, LIST_MODE_FAVORITES, LIST_MODE_ALL}) {
        core.ShowListMode(nMode);
        for (CGameServer* pServer : records) {
            const CServerStatus status = pServer->GetStatus();
            const int nRow = rows.Find(reinterpret_cast<LPARAM>(pServer));
            ASSERT_EQ(nRow >= 0, ListModeAdmits(nMode, pServer->IsFavorite(), pServer->IsIgnored(), status.m_nPing))
                << ListModeName(nMode) << " " << pServer->GetAddress();
            for (int nColumn = 0; nRow >= 0 && nColumn < SERVER_COLUMN_COUNT; ++nColumn)
                EXPECT_EQ(rows.GetText(nRow, nColumn), ServerRowTexts(pServer, status)[nColumn])
                    << ListModeName(nMode) << " " << pServer->GetAddress() << " column " << nColumn;
        }
        expectTotals();
    }
}
