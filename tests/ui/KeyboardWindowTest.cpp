// The main window's keys as a player presses them: F5, Ctrl+C and Enter reach the
// real window, running in its own loop, through the system's keyboard input.
#include "MonitorWindowTest.h"

#include <thread>

#include "ExtrasTestSupport.h"
#include "KeyboardUser.h"

namespace {

const char* const kJoinTail = " +set game kelvane +demomap kelvaneintro.cin +connect ";

void Deselect(HWND hList)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    SendMessageA(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

class MonitorKeys : public MonitorWindow {
protected:
    // Runs the dialog on this thread as the program does, while play() is the user
    // on a second thread from the end of the first poll; the user then closes the
    // window (Cancel).
    void RunWithUser(const std::function<void(KeyboardUser&, HWND)>& play)
    {
        CMonitorDlg dlg;
        AfxGetApp()->m_pMainWnd = &dlg;
        std::thread user([&play, nWindowThread = GetCurrentThreadId()] {
            KeyboardUser keys(nWindowThread);
            HWND hDialog = keys.WaitForWindow(15000);
            if (!hDialog) {
                ADD_FAILURE() << "no window";
                return;
            }
            if (keys.WaitUntilIdle(hDialog, 15000))
                play(keys, hDialog);
            else
                ADD_FAILURE() << "the first poll never ended";
            PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
        });
        dlg.DoModal();
        user.join();
        AfxGetApp()->m_pMainWnd = nullptr;
    }

    // F5, then the poll that it starts, seen by the fake server on nPort: what was
    // pressed before it has been taken in.
    static void RefreshAndWait(KeyboardUser& keys, HWND hDialog, int nPort)
    {
        const int nBefore = RequestsPerPort()[nPort];
        keys.Press(VK_F5);
        EXPECT_TRUE(PumpUntil([&] { return RequestsPerPort()[nPort] > nBefore; }, 5000)) << "F5 started no poll";
        EXPECT_TRUE(KeyboardUser::WaitUntilIdle(hDialog, 5000));
    }
};

TEST_F(MonitorKeys, F5RefreshesWhereverTheFocusIsButNotDuringAPoll)
{
    // The server on 28340 answers after 600 ms, which keeps each poll running.
    ServeMasterList(Lines({28300, 28340}));
    RunWithUser([](KeyboardUser& keys, HWND hDialog) {
        HWND hProgress = GetDlgItem(hDialog, IDC_PROGRESS);
        for (int nID : {IDC_SERVER_LIST, IDC_PLAYER_LIST, IDC_JOIN_SERVER, IDC_REFRESH_LIST}) {
            const int nBefore = RequestsPerPort()[28300];
            ASSERT_TRUE(keys.Focus(hDialog, GetDlgItem(hDialog, nID))) << nID;
            keys.Press(VK_F5);
            ASSERT_TRUE(PumpUntil([&] { return RequestsPerPort()[28300] == nBefore + 1; }, 5000)) << nID;
            ASSERT_TRUE(IsWindowVisible(hProgress)) << nID;
            keys.Press(VK_F5);
            ASSERT_TRUE(KeyboardUser::WaitUntilIdle(hDialog, 5000)) << nID;
            EXPECT_EQ(RequestsPerPort()[28300], nBefore + 1) << nID << ": F5 during a poll polled again";
        }
    });
}

TEST_F(MonitorKeys, CtrlCCopiesTheSelectedRowOfTheFocusedListAsShown)
{
    // Its players in the reply order Bob, Al, Cy.
    ServeMasterList(Lines({28300}));
    RunWithUser([](KeyboardUser& keys, HWND hDialog) {
        HWND hServers = GetDlgItem(hDialog, IDC_SERVER_LIST);
        HWND hPlayers = GetDlgItem(hDialog, IDC_PLAYER_LIST);
        const struct {
            HWND hList;
            int nRow;
            const char* pszText;
        } copies[] = {{hServers, 0, "127.0.0.1:28300"}, {hPlayers, 1, "Al"}, {hPlayers, 2, "Cy"}};
        for (const auto& copy : copies) {
            SelectListRow(copy.hList, copy.nRow);
            ASSERT_TRUE(keys.Focus(hDialog, copy.hList));
            const DWORD nSequence = GetClipboardSequenceNumber();
            keys.Press('C', true);
            EXPECT_TRUE(PumpUntil([&] { return GetClipboardSequenceNumber() != nSequence; }, 5000)) << copy.pszText;
            EXPECT_EQ(ClipboardText(), copy.pszText);
        }

        // A button has the focus, or the focused list has no selection: the
        // clipboard keeps what it holds.
        ASSERT_TRUE(keys.Focus(hDialog, GetDlgItem(hDialog, IDC_JOIN_SERVER)));
        keys.Press('C', true);
        for (HWND hList : {hServers, hPlayers}) {
            Deselect(hList);
            ASSERT_TRUE(keys.Focus(hDialog, hList));
            keys.Press('C', true);
        }
        RefreshAndWait(keys, hDialog, 28300);
        EXPECT_EQ(ClipboardText(), "Cy");
    });
}

TEST_F(MonitorKeys, EnterOnTheServerListJoinsAsTheButtonDoesAndNothingElsewhere)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    ServeMasterList(Lines({28300}));
    RunWithUser([&game](KeyboardUser& keys, HWND hDialog) {
        HWND hServers = GetDlgItem(hDialog, IDC_SERVER_LIST);
        HWND hPlayers = GetDlgItem(hDialog, IDC_PLAYER_LIST);

        // The selected row's server; a held key, which repeats, joins once.
        SelectListRow(hServers, 0);
        ASSERT_TRUE(keys.Focus(hDialog, hServers));
        keys.KeyDown(VK_RETURN);
        keys.KeyDown(VK_RETURN);
        keys.KeyUp(VK_RETURN);
        auto runs = game.WaitForRuns(1);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].commandLine, game.ExePath() + kJoinTail + "127.0.0.1:28300");
        EXPECT_EQ(game.WaitForRuns(2, 1000).size(), 1u) << "a held Enter joined again";

        // Control held asks for the game again, as on the button.
        {
            ModalWatcher open("Open", IDCANCEL);
            ModalWatcher refused(kAppName);
            keys.KeyDown(VK_CONTROL);
            keys.Press(VK_RETURN);
            EXPECT_TRUE(open.Wait());
            keys.KeyUp(VK_CONTROL);
            ASSERT_TRUE(refused.Wait());
            EXPECT_EQ(refused.MessageText(), "You must have Quake installed to connect to a server");
        }

        // No row selected: the button's message.
        {
            Deselect(hServers);
            ASSERT_TRUE(keys.Focus(hDialog, hServers));
            ModalWatcher none(kAppName);
            keys.Press(VK_RETURN);
            ASSERT_TRUE(none.Wait());
            EXPECT_EQ(none.MessageText(), "Please select a server");
        }

        // Elsewhere nothing happens, though a button had the focus before and rows
        // are selected; the window stays open.
        SelectListRow(hServers, 0);
        SelectListRow(hPlayers, 0);
        ASSERT_TRUE(keys.Focus(hDialog, GetDlgItem(hDialog, IDC_JOIN_SERVER)));
        ASSERT_TRUE(keys.Focus(hDialog, hPlayers));
        ModalWatcher quiet(kAppName, IDOK, 1500);
        keys.Press(VK_RETURN);
        RefreshAndWait(keys, hDialog, 28300);
        EXPECT_FALSE(quiet.Wait()) << quiet.MessageText();
        EXPECT_TRUE(IsWindowVisible(hDialog));
        EXPECT_EQ(game.WaitForRuns(2, 500).size(), 1u);
    });
}

TEST_F(MonitorKeys, CtrlFFindsAPlayerAndEnterTwiceJoinsTheServer)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    // Dee plays on 28301, listed first; Cy on 28300.
    ServeMasterList(Lines({28301, 28300}));
    RunWithUser([&game](KeyboardUser& keys, HWND hDialog) {
        HWND hServers = GetDlgItem(hDialog, IDC_SERVER_LIST);
        SelectListRow(hServers, 0);
        ASSERT_TRUE(keys.Focus(hDialog, hServers));
        keys.Press('F', true);
        HWND hFind = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (hFind = FindWindowA(nullptr, "Find Player")) && IsWindowVisible(hFind); }, 5000));
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hFind; }, 5000));
        keys.Press('C');
        keys.Press('Y');
        keys.Press(VK_RETURN);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hFind) || !IsWindowVisible(hFind); }, 5000));
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hDialog; }, 5000));
        keys.Press(VK_RETURN);
        auto runs = game.WaitForRuns(1);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].commandLine, game.ExePath() + kJoinTail + "127.0.0.1:28300");
    });
}

} // namespace
