// The server and player lists of the real main dialog: rows, images, colours,
// views, sorting and clicks.
#include "MonitorWindowTest.h"

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
        EXPECT_TRUE(dlg.m_bPolling);
        EXPECT_TRUE(dlg.m_progress.IsWindowVisible());
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (Polling Servers...)");
        EXPECT_TRUE(PumpUntil([&] { return !dlg.m_bPolling; }, 5000));
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
        EXPECT_GT(nNameWidth, 0);
    });
}
