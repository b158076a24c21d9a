// The windows opened over the main dialog for one server: Server Details, and the
// wait for a free slot on a full server.
#include "MonitorWindowTest.h"

#include <algorithm>

#include "FakeGame.h"
#include "TestApp.h"

namespace {

std::vector<std::string> ControlColumn(HWND hDialog, int nID, int nColumn)
{
    CListCtrl list;
    list.Attach(GetDlgItem(hDialog, nID));
    std::vector<std::string> texts = ColumnTexts(list, nColumn);
    list.Detach();
    return texts;
}

int RowOfPort(CMonitorDlg& dlg, int nPort)
{
    std::vector<std::string> addresses = ColumnTexts(dlg.m_listServers, 5);
    auto it = std::find(addresses.begin(), addresses.end(), "127.0.0.1:" + std::to_string(nPort));
    return it == addresses.end() ? -1 : static_cast<int>(it - addresses.begin());
}

// Opens Server Details for the port's row by the command of Alt+Enter and the
// window menu's item, and runs the script inside it.
void InServerDetails(CMonitorDlg& dlg, int nPort, const char* pszCaption, const std::function<void(HWND)>& script)
{
    SelectListRow(dlg.m_listServers, RowOfPort(dlg, nPort));
    EXPECT_TRUE(RunInsideModalLoop([&] { SendCommand(dlg.GetSafeHwnd(), ID_SERVER_DETAILS, 0); },
                                   [&] {
                                       HWND hDetails = ThreadWindowTitled(pszCaption);
                                       ASSERT_NE(hDetails, nullptr) << pszCaption;
                                       script(hDetails);
                                       PostMessageA(hDetails, WM_COMMAND, IDCANCEL, 0);
                                   }));
}

const char* const kJoinTail = " +set game kelvane +demomap kelvaneintro.cin +connect ";

} // namespace

class ServerWindows : public MonitorWindow {
protected:
    ServerWindows() { ListTestWord(); }
};

TEST_F(ServerWindows, DetailsListTheLastRepliesPairsInOrderOrSayTheServerHasNotAnswered)
{
    // 28371 sends repeated keys and a listed word in the alternate letters; 28303 is silent.
    ServeMasterList(Lines({28371, 28303}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        InServerDetails(dlg, 28371, "Server Details - Rules Base", [](HWND hDetails) {
            EXPECT_EQ(ControlColumn(hDetails, IDC_DETAILS_PAIRS, 0),
                      (std::vector<std::string>{"hostname", "game", "maxclients", "rule", "rule", "motd"}));
            EXPECT_EQ(ControlColumn(hDetails, IDC_DETAILS_PAIRS, 1),
                      (std::vector<std::string>{"Rules Base", "kelvane", "8", "first", "second", "**** [here]"}));
            EXPECT_EQ(ControlColumn(hDetails, IDC_DETAILS_PLAYERS, 0), (std::vector<std::string>{"Eve"}));
            EXPECT_EQ(ControlColumn(hDetails, IDC_DETAILS_PLAYERS, 1), (std::vector<std::string>{"3"}));
            EXPECT_EQ(ControlColumn(hDetails, IDC_DETAILS_PLAYERS, 2), (std::vector<std::string>{"25"}));
            EXPECT_EQ(WindowText(GetDlgItem(hDetails, IDC_DETAILS_NOTE)), "");

            HWND hPairs = GetDlgItem(hDetails, IDC_DETAILS_PAIRS);
            SelectListRow(hPairs, 3);
            LVITEMA item = {};
            item.state = item.stateMask = LVIS_SELECTED;
            SendMessageA(hPairs, LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(&item));
            SetFocus(hPairs);
            SendCommand(hDetails, ID_EDIT_COPY, 0);
            EXPECT_EQ(ClipboardText(), "rule\tfirst\r\nrule\tsecond");
        });
        InServerDetails(dlg, 28303, "Server Details - ", [](HWND hDetails) {
            EXPECT_EQ(WindowText(GetDlgItem(hDetails, IDC_DETAILS_NOTE)), "This server has not answered yet.");
            EXPECT_EQ(ListRowCount(GetDlgItem(hDetails, IDC_DETAILS_PAIRS)), 0);
            EXPECT_EQ(ListRowCount(GetDlgItem(hDetails, IDC_DETAILS_PLAYERS)), 0);
        });
    });
}

TEST_F(ServerWindows, AWaitForAFreeSlotAsksEvery5SecondsAndJoinsOnceTheSlotFrees)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    // Full (2/2) for its first two replies, then 1/2.
    ServeMasterList(Lines({28372}));
    RunAfterFirstPoll([&game](CMonitorDlg& dlg) {
        const int nFirst = RequestsPerPort()[28372];
        SelectListRow(dlg.m_listServers, 0);
        {
            ModalWatcher question(kAppName, IDYES);
            SendCommand(dlg.GetSafeHwnd(), IDC_JOIN_SERVER);
            ASSERT_TRUE(question.Wait());
            EXPECT_EQ(question.MessageText(), "Full House is full (2/2). Wait for a free slot and join then?");
        }
        HWND hWait = ThreadWindowTitled("Waiting for a free slot");
        ASSERT_NE(hWait, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(hWait, IDC_WAIT_SERVER)), "Full House");
        EXPECT_EQ(WindowText(GetDlgItem(hWait, IDC_WAIT_COUNT)), "Players: 2/2");

        // Five seconds on, one query: still full, nothing starts.
        ASSERT_TRUE(PumpUntil([&] { return RequestsPerPort()[28372] == nFirst + 1; }, 7000));
        PumpMessagesFor(500);
        EXPECT_TRUE(game.WaitForRuns(1, 0).empty());
        EXPECT_TRUE(IsWindowVisible(hWait));
        // The next one finds a free slot: the game starts at once, and once, also
        // with the main window minimised, which hides the wait's window.
        dlg.ShowWindow(SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(dlg.GetSafeHwnd()));
        ASSERT_TRUE(PumpUntil([&] { return !game.WaitForRuns(1, 0).empty(); }, 7000));
        dlg.ShowWindow(SW_RESTORE);
        EXPECT_EQ(RequestsPerPort()[28372], nFirst + 2);
        EXPECT_EQ(game.WaitForRuns(1, 0)[0].commandLine, game.ExePath() + kJoinTail + "127.0.0.1:28372");
        EXPECT_FALSE(IsWindowVisible(hWait));
        PumpMessagesFor(5500);
        EXPECT_EQ(RequestsPerPort()[28372], nFirst + 2);
        EXPECT_EQ(game.WaitForRuns(2, 0).size(), 1u);
    });
}

TEST_F(ServerWindows, CancelOrClosingTheMainWindowEndsTheWait)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    ServeMasterList(Lines({28373})); // always full
    HWND hWait = nullptr;
    RunAfterFirstPoll([&](CMonitorDlg& dlg) {
        SelectListRow(dlg.m_listServers, 0);
        for (int nAnswer : {IDCANCEL, IDNO}) {
            ModalWatcher question(kAppName, nAnswer);
            SendCommand(dlg.GetSafeHwnd(), IDC_JOIN_SERVER);
            ASSERT_TRUE(question.Wait());
        }
        // No joins at once; Cancel did nothing.
        ASSERT_EQ(game.WaitForRuns(1).size(), 1u);
        EXPECT_EQ(ThreadWindowTitled("Waiting for a free slot"), nullptr);

        ModalWatcher question(kAppName, IDYES);
        SendCommand(dlg.GetSafeHwnd(), IDC_JOIN_SERVER);
        ASSERT_TRUE(question.Wait());
        hWait = ThreadWindowTitled("Waiting for a free slot");
        ASSERT_NE(hWait, nullptr);
        const int nAsked = RequestsPerPort()[28373];
        ClickButton(hWait, IDCANCEL);
        EXPECT_FALSE(IsWindowVisible(hWait));
        PumpMessagesFor(5500);
        EXPECT_EQ(RequestsPerPort()[28373], nAsked) << "asked again after Cancel";

        ModalWatcher again(kAppName, IDYES);
        SendCommand(dlg.GetSafeHwnd(), IDC_JOIN_SERVER);
        ASSERT_TRUE(again.Wait());
        hWait = ThreadWindowTitled("Waiting for a free slot");
        ASSERT_NE(hWait, nullptr);
    });
    EXPECT_FALSE(IsWindow(hWait)) << "the wait outlived the main window";
    EXPECT_EQ(game.WaitForRuns(2, 500).size(), 1u);
}
