// The quick filters, the lock of a passworded server and the remembered sorts
// and widths in the monitor's core: which rows stay, what the caption counts,
// and what the next start finds in the settings.
#include <gtest/gtest.h>

#include "CoreHarness.h"
#include "ui/core/ListMode.h"
#include "ui/core/ServerFilter.h"

namespace {
CFilterFacts Facts(DWORD nPing, DWORD nPlayers, DWORD nMaxPlayers, DWORD nNeedPass, const char* pszName,
                   const char* pszMap)
{
    CFilterFacts facts;
    facts.nPing = nPing;
    facts.nPlayers = nPlayers;
    facts.nMaxPlayers = nMaxPlayers;
    facts.nNeedPass = nNeedPass;
    facts.strFoldedName = pszName;
    facts.strFoldedMap = pszMap;
    return facts;
}

// A record of the core with an accepted reply of these pairs, players and ping.
CGameServer* Answered(CMonitorCore& core, int nPort, const std::string& info, int nPlayers, DWORD nPing)
{
    CGameServer* pServer = core.AddServer(new CGameServer(("127.0.0.1:" + std::to_string(nPort)).c_str()), FALSE);
    std::string players;
    for (int i = 0; i < nPlayers; ++i)
        players += std::to_string(nPlayers - i) + " 20 \"p" + std::to_string(i) + "\"\n";
    const std::string reply = std::string("\xFF\xFF\xFF\xFFprint\n\\") + info + "\\game\\kelvane\n" + players;
    EXPECT_TRUE(pServer->ParseStatusReply(reply.c_str(), nPing));
    core.UpdateServerItem(pServer);
    return pServer;
}
} // namespace

TEST(ServerFilter, EachFilterHidesWhatItSaysAndASilentServerOnlyThePingLimit)
{
    CServerFilter none, empty, full, locked, ping, text;
    empty.bHideEmpty = full.bHideFull = locked.bHidePassword = true;
    ping.nMaxPing = 100;
    text.SetText("\xc3TF"); // typed in the game's letters and upper case: "ctf"
    const CServerFilter* filters[] = {&none, &empty, &full, &locked, &ping, &text};
    const struct {
        const char* what;
        CFilterFacts facts;
        bool passes[6]; // none, empty, full, locked, ping, text
    } cases[] = {
        {"empty", Facts(40, 0, 16, 0, "kelvane ctf", "q2dm1"), {true, false, true, true, true, true}},
        {"full, locked", Facts(100, 16, 16, NEEDPASS_PLAYER, "base", "kctf2"), {true, true, false, false, true, true}},
        {"no slots is not full", Facts(101, 3, 0, NEEDPASS_SPECTATOR, "base", "q2dm1"),
         {true, true, true, true, false, false}},
        {"silent", Facts(PING_NOT_ANSWERING, 0, 0, NEEDPASS_PLAYER, "old name", ""),
         {true, true, true, true, false, true}},
    };
    for (const auto& c : cases)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(filters[i]->Passes(c.facts), c.passes[i]) << c.what << ", filter " << i;
}

TEST(ServerFilter, RowsFollowEveryChangeInEveryModeAndTheCaptionCountsWhatIsHidden)
{
    CoreHarness harness("core_filters");
    CMonitorCore& core = harness.core;
    core.ReadSettings();
    core.StartUpDone();
    // "Kelvane CTF" with its first word in the game's alternate letters.
    Answered(core, 28501, "hostname\\\xcb\xe5\xec\xf6\xe1\xee\xe5 CTF\\mapname\\q2dm1\\maxclients\\16", 2, 40);
    CGameServer* pLocked = Answered(core, 28502, "hostname\\Locked\\mapname\\kctf2\\maxclients\\8\\needpass\\1", 1, 120);
    Answered(core, 28503, "hostname\\Packed\\mapname\\q2dm2\\maxclients\\4", 4, 60);
    Answered(core, 28504, "hostname\\Quiet\\mapname\\q2dm3\\maxclients\\16", 0, 30);
    CGameServer* pSilent = core.AddServer(new CGameServer("127.0.0.1:28505"), FALSE);
    core.UpdateServerItem(pSilent);
    const CRowTable& rows = core.ServerRows();
    EXPECT_EQ(rows.GetLook(rows.Find(reinterpret_cast<LPARAM>(pLocked))).nOverlay, OVERLAY_LOCK);
    EXPECT_EQ(rows.GetLook(rows.Find(reinterpret_cast<LPARAM>(pSilent))).nOverlay, OVERLAY_NONE);

    const auto names = [&] { return CoreHarness::Column(rows, SERVER_COLUMN_NAME); };
    CServerFilter filter;
    filter.bHideEmpty = filter.bHideFull = true;
    core.SetFilter(filter);
    EXPECT_EQ(names(), (std::vector<std::string>{"Kelvane CTF", "Locked", ""}));
    EXPECT_EQ(harness.view.caption,
              "Kelvane Monitor... (2 Servers, 3 Players Online) Now showing all servers, 2 hidden by filters.");
    filter.SetText("KELV");
    core.SetFilter(filter);
    EXPECT_EQ(names(), (std::vector<std::string>{"Kelvane CTF", ""}));
    filter.SetText("ctf"); // the name of one, the map of another
    filter.bHidePassword = true;
    core.SetFilter(filter);
    EXPECT_EQ(names(), (std::vector<std::string>{"Kelvane CTF", ""}));
    EXPECT_TRUE(core.IsFilteredOut(pLocked)) << "no view would show it";
    EXPECT_FALSE(core.IsFilteredOut(pSilent));
    filter.bHidePassword = false;
    filter.nMaxPing = 200;
    core.SetFilter(filter);
    EXPECT_EQ(names(), (std::vector<std::string>{"Kelvane CTF", "Locked"}));
    // The active view lists no silent server: it is not counted as hidden either.
    core.ShowListMode(LIST_MODE_ACTIVE);
    EXPECT_EQ(harness.view.caption,
              "Kelvane Monitor... (2 Servers, 3 Players Online) Now showing active servers, 2 hidden by filters.");
    // A reply that changes what a filter looks at moves the row in or out.
    const std::string full = std::string("\xFF\xFF\xFF\xFFprint\n\\hostname\\Locked\\mapname\\kctf2\\maxclients\\1"
                                         "\\game\\kelvane\n1 1 \"a\"\n");
    ASSERT_TRUE(pLocked->ParseStatusReply(full.c_str(), 120));
    core.QueryDone(pLocked);
    EXPECT_EQ(names(), (std::vector<std::string>{"Kelvane CTF"}));
    core.SetFilter(CServerFilter());
    EXPECT_EQ(harness.view.caption, "Kelvane Monitor... (4 Servers, 7 Players Online) Now showing active servers.");
    EXPECT_EQ(core.Servers().GetCount(), 5) << "filtered records stay in the collection";
}

TEST(ServerFilter, FiltersSortsAndWidthsAreSettingsTheNextStartTakes)
{
    CoreHarness harness("core_remembered");
    CMonitorCore& core = harness.core;
    core.ReadSettings();
    EXPECT_EQ(core.ServerRows().GetSortColumn(), SERVER_COLUMN_PING) << "the first start's sort";
    EXPECT_TRUE(core.ServerRows().IsSortAscending());
    EXPECT_TRUE(core.GetColumnWidths(SETTING_SERVER_COLUMN_WIDTHS, SERVER_COLUMN_COUNT).empty());
    core.StartUpDone();
    Answered(core, 28510, "hostname\\Alpha\\maxclients\\16", 3, 40);
    core.SortPlayerList(PLAYER_COLUMN_SCORE, FALSE);

    CServerFilter filter;
    filter.bHideFull = true;
    filter.nMaxPing = 150;
    filter.SetText(" Base ");
    core.SetFilter(filter);
    core.SortServerList(SERVER_COLUMN_NAME, FALSE);
    core.SetColumnWidths(SETTING_SERVER_COLUMN_WIDTHS, {300, 80, 0, 50, 50, 100});
    EXPECT_FALSE(harness.view.timers.empty()) << "each change is saved soon";
    core.SaveRunState(FALSE);
    EXPECT_EQ(harness.StoredSetting("FilterHideFull"), "1");
    EXPECT_EQ(harness.StoredSetting("FilterText"), "Base");
    EXPECT_EQ(harness.StoredSetting("ServerColumnWidths"), "300,80,0,50,50,100");

    RecordingView view;
    CMonitorCore again(view, harness.dir.Path().c_str(), CProfileFile(harness.ini.c_str()));
    again.ReadSettings();
    EXPECT_TRUE(again.GetFilter() == core.GetFilter());
    EXPECT_EQ(again.ServerRows().GetSortColumn(), SERVER_COLUMN_NAME);
    EXPECT_FALSE(again.ServerRows().IsSortAscending());
    EXPECT_EQ(again.PlayerRows().GetSortColumn(), PLAYER_COLUMN_SCORE);
    EXPECT_FALSE(again.PlayerRows().IsSortAscending());
    EXPECT_EQ(again.GetColumnWidths(SETTING_SERVER_COLUMN_WIDTHS, SERVER_COLUMN_COUNT),
              (std::vector<int>{300, 80, 0, 50, 50, 100}));

    // A damaged or foreign width list is no list: the columns size themselves.
    for (const char* pszWidths : {"300,80", "300,80,0,50,50,100,7", "a,b,c,d,e,f", "1,2,3,4,5,", "1,2,3,4,5,99999", ""})
        EXPECT_TRUE(ReadWidthList(pszWidths, SERVER_COLUMN_COUNT).empty()) << pszWidths;
}
