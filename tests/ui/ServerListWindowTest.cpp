// The server and player lists of the real main dialog: rows, images, colours,
// views, sorting and clicks.
#include "MonitorWindowTest.h"

#include <algorithm>

namespace {
const std::vector<int> kAllPorts = {28300, 28301, 28302, 28303, 28304, 28305};

int RowOf(CMonitorDlg& dlg, int nPort)
{
    std::vector<std::string> addresses = ColumnTexts(dlg.m_listServers, 5);
    for (size_t i = 0; i < addresses.size(); ++i) {
        if (addresses[i] == "127.0.0.1:" + std::to_string(nPort))
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> PortsInRowOrder(CMonitorDlg& dlg)
{
    std::vector<int> ports;
    for (const std::string& address : ColumnTexts(dlg.m_listServers, 5))
        ports.push_back(std::stoi(address.substr(address.find(':') + 1)));
    return ports;
}

COLORREF TextColour(CMonitorDlg& dlg, int nRow)
{
    return CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, nRow).text;
}
} // namespace

class ServerListWindow : public MonitorWindow {
protected:
    ServerListWindow() { ServeMasterList(Lines({28300, 28301, 28302, 28303, 28304, 28305})); }
};

TEST_F(ServerListWindow, RowsShowTheRepliesWithPingImagesAndBands)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        int nAlpha = RowOf(dlg, 28300);
        ASSERT_GE(nAlpha, 0);
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nAlpha, 0), "Alpha Base");
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nAlpha, 1), "q2dm1");
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nAlpha, 2), "4.5");
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nAlpha, 4), "3/16");
        EXPECT_EQ(ListItemImage(dlg.m_listServers, nAlpha), 0);
        EXPECT_EQ(ListItemImage(dlg.m_listServers, RowOf(dlg, 28301)), 1);
        EXPECT_EQ(ListItemImage(dlg.m_listServers, RowOf(dlg, 28302)), 2);
        int nSilent = RowOf(dlg, 28303);
        EXPECT_EQ(ListItemImage(dlg.m_listServers, nSilent), 3);
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nSilent, 3), "750");
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nSilent, 4), "0/0");
        EXPECT_EQ(ListItemImage(dlg.m_listServers, RowOf(dlg, 28304)), 3) << "another game is no answer";

        EXPECT_EQ(CustomDraw(dlg.m_listServers, CDDS_PREPAINT, -1).result, CDRF_NOTIFYITEMDRAW);
        EXPECT_EQ(CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT, 0).result, CDRF_NOTIFYSUBITEMDRAW);
        DrawAnswer even = CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0);
        DrawAnswer odd = CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1);
        EXPECT_EQ(even.result, CDRF_DODEFAULT);
        EXPECT_EQ(even.background, 0xFFFFFFu);
        EXPECT_EQ(odd.background, 0xE1E1E1u);
        EXPECT_EQ(even.text, 0u);
        EXPECT_EQ(CustomDraw(dlg.m_listPlayers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1).background, 0xE1E1E1u);
    });
}

TEST_F(ServerListWindow, RightClicksCycleTheMarksAndViewsFollowThem)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        int nRow = RowOf(dlg, 28300);
        ClickRow(dlg.m_listServers, nRow, NM_RCLICK);
        EXPECT_EQ(TextColour(dlg, nRow), 0xFF0000u);
        ClickRow(dlg.m_listServers, nRow, NM_RCLICK);
        EXPECT_EQ(TextColour(dlg, nRow), 0x0000FFu);
        ClickRow(dlg.m_listServers, nRow, NM_RCLICK);
        EXPECT_EQ(TextColour(dlg, nRow), 0u);
        EXPECT_EQ(RowOf(dlg, 28300), nRow) << "no re-sort on a mark change";

        ClickRow(dlg.m_listServers, RowOf(dlg, 28301), NM_RCLICK); // favourite
        ClickRow(dlg.m_listServers, RowOf(dlg, 28303), NM_RCLICK); // silent favourite

        ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE); // active
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Favorites Only");
        EXPECT_EQ(PortsInRowOrder(dlg).size(), 4u);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing active servers.");
        // The second right click ignores the server: it leaves the active view.
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_RCLICK);
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_RCLICK);
        EXPECT_EQ(RowOf(dlg, 28300), -1);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (3 Servers, 1 Players Online) Now showing active servers.");

        ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE); // favourites
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show ALL Servers");
        std::vector<int> favourites = PortsInRowOrder(dlg);
        std::sort(favourites.begin(), favourites.end());
        EXPECT_EQ(favourites, (std::vector<int>{28301, 28303}));
        EXPECT_EQ(ListItemImage(dlg.m_listServers, RowOf(dlg, 28303)), 3);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (1 Servers, 1 Players Online) Now showing favorite servers.");
        ClickRow(dlg.m_listServers, RowOf(dlg, 28301), NM_RCLICK); // favourite -> ignored: leaves the view
        EXPECT_EQ(PortsInRowOrder(dlg), std::vector<int>{28303});

        ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE); // all
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Active Servers");
        EXPECT_EQ(PortsInRowOrder(dlg).size(), 6u);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");
    });
}

TEST_F(ServerListWindow, ColumnsSortAsNumbersOrBytesWithFavouritesFirstOnTies)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        // Start-up order: by ping ascending; the first click on Ping turns it round.
        std::vector<int> order = PortsInRowOrder(dlg);
        EXPECT_EQ(std::vector<int>(order.begin() + 2, order.begin() + 4), (std::vector<int>{28301, 28302}));
        ClickColumn(dlg.m_listServers, 3);
        order = PortsInRowOrder(dlg);
        EXPECT_EQ(std::vector<int>(order.begin() + 2, order.begin() + 4), (std::vector<int>{28302, 28301}));

        ClickColumn(dlg.m_listServers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 0),
                  (std::vector<std::string>{"", "2 Base", "10 Base", "Alpha Base", "Plain Quake", "zeta lower"}));
        ClickColumn(dlg.m_listServers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 0).front(), "zeta lower");

        ClickColumn(dlg.m_listServers, 4);
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 4).back(), "3/16");

        // Versions 4.5 compare equal: favourite, plain, ignored, in both directions.
        ClickRow(dlg.m_listServers, RowOf(dlg, 28302), NM_RCLICK);
        ClickRow(dlg.m_listServers, RowOf(dlg, 28305), NM_RCLICK);
        ClickRow(dlg.m_listServers, RowOf(dlg, 28305), NM_RCLICK);
        for (int nClick = 0; nClick < 2; ++nClick) {
            ClickColumn(dlg.m_listServers, 2);
            std::vector<int> ports;
            for (int nPort : PortsInRowOrder(dlg)) {
                if (nPort == 28300 || nPort == 28302 || nPort == 28305)
                    ports.push_back(nPort);
            }
            EXPECT_EQ(ports, (std::vector<int>{28302, 28300, 28305})) << "click " << nClick;
        }
        ClickColumn(dlg.m_listServers, 5);
        EXPECT_EQ(PortsInRowOrder(dlg).size(), 6u);
    });
}

TEST_F(ServerListWindow, PlayerListFollowsTheShownServerAndSortsByTheSameRule)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        // A click between polls queries the server again; its notice fills the players.
        int nBefore = RequestsPerPort()[28300];
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_CLICK);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");
        ASSERT_TRUE(PumpUntil([&] { return dlg.m_listPlayers.GetItemCount() == 3; }, 3000));
        EXPECT_EQ(RequestsPerPort()[28300], nBefore + 1);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Bob", "Al", "Cy"}));

        ClickColumn(dlg.m_listPlayers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Cy", "Bob", "Al"}));
        ClickColumn(dlg.m_listPlayers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Al", "Bob", "Cy"}));
        ClickColumn(dlg.m_listPlayers, 1);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 1), (std::vector<std::string>{"-3", "0", "12"}));
        ClickColumn(dlg.m_listPlayers, 1);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 1), (std::vector<std::string>{"12", "0", "-3"}));
        ClickColumn(dlg.m_listPlayers, 2);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 2), (std::vector<std::string>{"50", "80", "999"}));

        // The last listed record of the collection: 28305, which has no players.
        ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE);
        EXPECT_EQ(dlg.m_listPlayers.GetItemCount(), 0);
        // A refresh empties the list; the players of the last answer come back.
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        EXPECT_TRUE(dlg.Core().IsPolling());
        EXPECT_TRUE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (Polling Servers...)");
        EXPECT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 5000));
    });
}

TEST_F(ServerListWindow, ColumnsFitTheirWidestTextOnceTheChangesSettle)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        PumpMessagesFor(400);
        int nNameWidth = dlg.m_listServers.GetColumnWidth(0);
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_RCLICK); // any change asks for a sizing
        PumpMessagesFor(400);
        EXPECT_EQ(dlg.m_listServers.GetColumnWidth(0), nNameWidth);
        // "Server Name" is wider than every name but not than the list's first width.
        EXPECT_LT(nNameWidth, 175);
        // Short texts under a longer heading: the heading still fits.
        int nHeading = static_cast<int>(dlg.m_listServers.SendMessage(
            LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("Players")));
        EXPECT_GE(dlg.m_listServers.GetColumnWidth(4), nHeading + 12);
        // Every column but the last is as wide as the list's own measure of its
        // widest text (and image) would make it, or its heading needs.
        const char* kHeadings[] = {"Server Name", "Map", "Version", "Ping", "Players"};
        for (int i = 0; i < 5; ++i) {
            int nOurs = dlg.m_listServers.GetColumnWidth(i);
            dlg.m_listServers.SetColumnWidth(i, LVSCW_AUTOSIZE);
            int nHeadingWidth = static_cast<int>(dlg.m_listServers.SendMessage(
                LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(kHeadings[i])));
            EXPECT_EQ(nOurs, std::max(dlg.m_listServers.GetColumnWidth(i), nHeadingWidth + 14)) << "column " << i;
        }
    });
}

namespace {
std::vector<std::string> RowTexts(CMonitorDlg& dlg, int nRow)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 6; ++i)
        texts.push_back(dlg.m_listServers.GetItemText(nRow, i).str());
    return texts;
}
} // namespace

// Every handler that can redraw a row while its server's query runs shows the
// last answer whole: not the query's 750 and 0/0 beside the old name, and in
// the active view the row stays where it is.
TEST_F(MonitorWindow, ARowWhoseQueryRunsShowsTheLastAnswer)
{
    ServeMasterList(Lines({28360}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        CGameServer* pServer = dlg.Core().Servers().GetAt(0);
        const std::vector<std::string> before = RowTexts(dlg, 0);
        ASSERT_EQ(before[0], "Slow Base");
        ASSERT_EQ(before[4], "2/16");
        const std::vector<std::string> players{"Ann", "Ben"};
        ASSERT_EQ(ColumnTexts(dlg.m_listPlayers, 0), players);

        struct {
            const char* what;
            std::function<void()> act;
        } handlers[] = {
            {"left click during a poll", [&] { ClickRow(dlg.m_listServers, 0, NM_CLICK); }},
            {"right click", [&] { ClickRow(dlg.m_listServers, 0, NM_RCLICK); }},
            {"view change to active", [&] { ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE); }},
        };
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        ASSERT_TRUE(PumpUntil([&] { return pServer->GetPing() == PING_NOT_ANSWERING; }, 400));
        for (auto& handler : handlers) {
            ASSERT_TRUE(pServer->IsQuerying()) << handler.what << ": the query ended too soon to tell";
            handler.act();
            ASSERT_EQ(dlg.m_listServers.GetItemCount(), 1) << handler.what;
            EXPECT_EQ(RowTexts(dlg, 0), before) << handler.what;
            EXPECT_NE(ListItemImage(dlg.m_listServers, 0), 3) << handler.what;
            EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), players) << handler.what;
        }
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (1 Servers, 2 Players Online) Now showing active servers.");
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 3000));
        EXPECT_EQ(RowTexts(dlg, 0)[0], "Slow Base");
        EXPECT_LT(ReadLeadingUInt(RowTexts(dlg, 0)[3].c_str()), 750u);
    });
}

// A server that listed players and then falls silent lists none of them, though
// the record keeps them until its next answer.
TEST_F(MonitorWindow, AServerThatFallsSilentListsNoPlayers)
{
    ServeMasterList(Lines({28300}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        auto* pServer = dlg.AddServer(new CGameServer(Address(28303).c_str()), FALSE);
        ASSERT_TRUE(pServer->ParseStatusReply("\xFF\xFF\xFF\xFFprint\n\\hostname\\Gone Quiet\\maxclients\\8\n"
                                              "1 20 \"Ann\"\n2 30 \"Ben\"\n",
                                              40));
        dlg.UpdateServerItem(pServer);
        int nRow = dlg.m_listServers.GetItemCount() - 1;
        ASSERT_EQ(RowTexts(dlg, nRow)[4], "2/8");
        ASSERT_EQ(dlg.m_listPlayers.GetItemCount(), 2);

        ClickRow(dlg.m_listServers, nRow, NM_CLICK);
        ASSERT_TRUE(PumpUntil([&] { return !pServer->IsQuerying(); }, 2000));
        ASSERT_TRUE(PumpUntil([&] { return RowTexts(dlg, nRow)[3] == "750"; }, 1000));
        EXPECT_EQ(RowTexts(dlg, nRow)[0], "Gone Quiet");
        EXPECT_EQ(RowTexts(dlg, nRow)[4], "0/0");
        EXPECT_EQ(ListItemImage(dlg.m_listServers, nRow), 3);
        EXPECT_EQ(dlg.m_listPlayers.GetItemCount(), 0);
    });
}
