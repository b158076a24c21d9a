// The Find Player window over the real main dialog: matches as typed, sorting,
// following a poll, going to a match (switching the view when it hides the
// server), Escape. The time a keystroke takes over 16,000 players is a benchmark's.
#include "MonitorWindowTest.h"

#include "ui/dialogs/FindPlayerDlg.h"

namespace {

void Type(HWND hFind, const char* pszText)
{
    SetDlgItemTextA(hFind, IDC_FIND_TEXT, pszText); // EN_CHANGE, as a keystroke sends
}

std::vector<std::string> Matches(HWND hFind, int nColumn)
{
    CListCtrl list;
    list.Attach(GetDlgItem(hFind, IDC_FIND_MATCHES));
    std::vector<std::string> texts = ColumnTexts(list, nColumn);
    list.Detach();
    return texts;
}

// Opens Find Player from the system menu and runs the script inside it.
void InFindPlayer(CMonitorDlg& dlg, const std::function<void(HWND)>& script)
{
    EXPECT_TRUE(RunInsideModalLoop([&] { dlg.SendMessage(WM_SYSCOMMAND, IDM_FINDPLAYER, 0); },
                                   [&] {
                                       HWND hFind = ThreadWindowTitled("Find Player");
                                       ASSERT_NE(hFind, nullptr);
                                       script(hFind);
                                   }));
}

} // namespace

class FindPlayerWindow : public MonitorWindow {
protected:
    // Bob, Al, Cy on 28300; Dee on 28301; Ann, Ben on the slow 28360.
    FindPlayerWindow() { ServeMasterList(Lines({28300, 28301, 28360})); }
};

TEST_F(FindPlayerWindow, MatchesFollowTypingSortingAndAPollThenGoToShowsTheServer)
{
    Setting("ServerListMode", "3"); // favourites: none, so every server is hidden
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        ASSERT_EQ(dlg.m_listServers.GetItemCount(), 0);
        // Escape changes nothing.
        InFindPlayer(dlg, [](HWND hFind) {
            EXPECT_EQ(Matches(hFind, 0).size(), 6u) << "the empty box lists every player";
            Type(hFind, "b");
            // The dialog's own loop takes the key, as it takes the user's.
            PostMessageA(GetDlgItem(hFind, IDC_FIND_TEXT), WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), 0);
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show ALL Servers");

        InFindPlayer(dlg, [&dlg](HWND hFind) {
            Type(hFind, "B");
            EXPECT_EQ(Matches(hFind, 0), (std::vector<std::string>{"Ben", "Bob"}));
            CListCtrl list;
            list.Attach(GetDlgItem(hFind, IDC_FIND_MATCHES));
            ClickColumn(list, 2); // by ping: Bob 50, Ben 60
            EXPECT_EQ(Matches(hFind, 0), (std::vector<std::string>{"Bob", "Ben"}));
            EXPECT_EQ(Matches(hFind, 1), (std::vector<std::string>{"Alpha Base", "Slow Base"}));
            EXPECT_EQ(Matches(hFind, 3), (std::vector<std::string>{"127.0.0.1:28300", "127.0.0.1:28360"}));
            SelectListRow(list, 1);
            // A poll's replies replace the players; the selected match stays selected.
            SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
            EXPECT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 5000));
            EXPECT_EQ(Matches(hFind, 0), (std::vector<std::string>{"Bob", "Ben"}));
            EXPECT_EQ(ListSelectedRow(list), 1);
            list.Detach();
            ClickButton(hFind, IDOK);
        });
        // The all view, as the list mode button would show it, with the server and
        // its player selected and the focus on the server list.
        EXPECT_EQ(WindowText(dlg.m_btnListMode), "Show Active Servers");
        EXPECT_NE(WindowText(dlg).find("Now showing all servers."), std::string::npos);
        int nRow = dlg.m_listServers.GetNextItem(-1, LVNI_SELECTED);
        ASSERT_GE(nRow, 0);
        EXPECT_STREQ(dlg.m_listServers.GetItemText(nRow, 5), "127.0.0.1:28360");
        int nPlayer = dlg.m_listPlayers.GetNextItem(-1, LVNI_SELECTED);
        ASSERT_GE(nPlayer, 0);
        EXPECT_STREQ(dlg.m_listPlayers.GetItemText(nPlayer, 0), "Ben");
        EXPECT_EQ(GetFocus(), dlg.m_listServers.GetSafeHwnd());
    });
}
