// The server and player lists of the real main dialog: the clicks and buttons
// reach the monitor's core and the lists show its rows, in its colours on
// banded rows; the columns fit their texts. What the rows say is the core's
// business and is tested natively (CoreListsTest.cpp).
#include "MonitorWindowTest.h"

#include <algorithm>

#include "CoreHarness.h"

namespace {
int RowOf(CMonitorDlg& dlg, int nPort)
{
    std::vector<std::string> addresses = ColumnTexts(dlg.m_listServers, 5);
    auto it = std::find(addresses.begin(), addresses.end(), Address(nPort));
    return it == addresses.end() ? -1 : static_cast<int>(it - addresses.begin());
}

// The server list shows the core's rows: texts, images and colours, in its order.
void ExpectServerListShowsTheCore(CMonitorDlg& dlg, const char* pszAfter)
{
    const CRowTable& rows = dlg.Core().ServerRows();
    ASSERT_EQ(dlg.m_listServers.GetItemCount(), rows.GetCount()) << pszAfter;
    for (int nColumn = 0; nColumn < SERVER_COLUMN_COUNT; ++nColumn)
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, nColumn), CoreHarness::Column(rows, nColumn)) << pszAfter;
    for (int nRow = 0; nRow < rows.GetCount(); ++nRow) {
        EXPECT_EQ(ListItemImage(dlg.m_listServers, nRow), rows.GetLook(nRow).nImage) << pszAfter << ", row " << nRow;
        DrawAnswer draw = CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, nRow);
        EXPECT_EQ(draw.result, CDRF_DODEFAULT) << pszAfter;
        EXPECT_EQ(draw.text, rows.GetLook(nRow).crText) << pszAfter << ", row " << nRow;
        // Bands follow the row's place, not its record.
        EXPECT_EQ(draw.background, nRow % 2 ? 0xE1E1E1u : 0xFFFFFFu) << pszAfter << ", row " << nRow;
    }
}

int RightOf(CMonitorDlg& dlg, int nID)
{
    CRect rect;
    ::GetWindowRect(::GetDlgItem(dlg.GetSafeHwnd(), nID), &rect);
    dlg.ScreenToClient(&rect);
    return rect.right;
}
} // namespace

class ServerListWindow : public MonitorWindow {
protected:
    ServerListWindow() { ServeMasterList(Lines({28300, 28301, 28302, 28303, 28304, 28305})); }
};

TEST_F(ServerListWindow, ClicksAndButtonsReachTheCoreAndTheListsShowIt)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        CMonitorCore& core = dlg.Core();
        EXPECT_EQ(CustomDraw(dlg.m_listServers, CDDS_PREPAINT, -1).result, CDRF_NOTIFYITEMDRAW);
        EXPECT_EQ(CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT, 0).result, CDRF_NOTIFYSUBITEMDRAW);
        ExpectServerListShowsTheCore(dlg, "the first poll");
        EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), "Ready");
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");

        // A right click marks the record under it: a favourite, in blue.
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_RCLICK);
        EXPECT_EQ(core.Servers().GetAt(0)->IsFavorite(), 1);
        ExpectServerListShowsTheCore(dlg, "a right click");
        EXPECT_EQ(CustomDraw(dlg.m_listServers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, RowOf(dlg, 28300)).text, 0xFF0000u);

        // A column click sorts by it.
        ClickColumn(dlg.m_listServers, 0);
        EXPECT_EQ(core.ServerRows().GetSortColumn(), 0);
        ExpectServerListShowsTheCore(dlg, "a column click");
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 0).back(), "zeta lower");

        // The list mode button shows the next view and names the one after it.
        ClickButton(dlg.GetSafeHwnd(), IDC_LIST_MODE);
        EXPECT_EQ(core.GetListMode(), 1);
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Favorites Only");
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing active servers.");
        ExpectServerListShowsTheCore(dlg, "the list mode button");

        // A left click between polls asks the server again; its answer fills the players.
        const int nAsked = RequestsPerPort()[28300];
        ClickRow(dlg.m_listServers, RowOf(dlg, 28300), NM_CLICK);
        ASSERT_TRUE(PumpUntil([&] { return dlg.m_listPlayers.GetItemCount() == 3; }, 3000));
        EXPECT_EQ(RequestsPerPort()[28300], nAsked + 1);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Bob", "Al", "Cy"}));
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 2), (std::vector<std::string>{"50", "80", "999"}));
        ClickColumn(dlg.m_listPlayers, 0);
        EXPECT_EQ(ColumnTexts(dlg.m_listPlayers, 0), (std::vector<std::string>{"Cy", "Bob", "Al"}));
        EXPECT_EQ(CustomDraw(dlg.m_listPlayers, CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1).background, 0xE1E1E1u);

        // A budget button prepares the next poll, which Refresh starts: the status
        // line makes room for the progress bar while it runs.
        ClickButton(dlg.GetSafeHwnd(), IDC_THREADS1);
        EXPECT_EQ(core.GetThreadBudget(), 1);
        EXPECT_EQ(RightOf(dlg, IDC_STATUS), RightOf(dlg, IDC_SERVER_LIST) - 1);
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        EXPECT_TRUE(core.IsPolling());
        EXPECT_EQ(dlg.m_listPlayers.GetItemCount(), 0);
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (Polling Servers...)");
        EXPECT_TRUE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        EXPECT_EQ(RightOf(dlg, IDC_STATUS), RightOf(dlg, IDC_PLAYER_LIST));
        ASSERT_TRUE(PumpUntil([&] { return !core.IsPolling(); }, 10000));
        EXPECT_FALSE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        EXPECT_EQ(RightOf(dlg, IDC_STATUS), RightOf(dlg, IDC_SERVER_LIST) - 1);
        EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), "Ready");
        ExpectServerListShowsTheCore(dlg, "a refresh");
    });
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "1");
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
