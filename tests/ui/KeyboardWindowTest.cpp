// The main window's keys as a player presses them: F5, Ctrl+C, Enter, Shift+Enter,
// Ctrl+E and Ctrl+H reach the real window, running in its own loop, through the
// system's keyboard input.
#include "MonitorWindowTest.h"

#include <cctype>
#include <thread>

#include "ExtrasTestSupport.h"
#include "KeyboardUser.h"
#include "extras/GameCommand.h"
#include "ui/core/ServerRows.h"

namespace {

const char* const kJoinTail = " +set game kelvane +demomap kelvaneintro.cin +connect ";

int RowOfPort(HWND hList, int nPort)
{
    const CString address = ("127.0.0.1:" + std::to_string(nPort)).c_str();
    for (int nRow = 0; nRow < ListRowCount(hList); ++nRow)
        if (ListText(hList, nRow, SERVER_COLUMN_ADDRESS) == address)
            return nRow;
    return -1;
}

// Letters, digits and blanks, as the keys give them.
void Type(KeyboardUser& keys, const char* pszText)
{
    for (const char* p = pszText; *p; ++p)
        keys.Press(*p == ' ' ? VK_SPACE : static_cast<WORD>(std::toupper(static_cast<unsigned char>(*p))));
}

// The window of that caption once it is in front; null after 5 s.
HWND InFront(const char* pszCaption)
{
    HWND hWnd = nullptr;
    PumpUntil([&] {
        hWnd = FindWindowA(nullptr, pszCaption);
        return hWnd && IsWindowVisible(hWnd) && GetForegroundWindow() == hWnd;
    }, 5000);
    return hWnd && GetForegroundWindow() == hWnd ? hWnd : nullptr;
}

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

TEST_F(MonitorKeys, CtrlEFiltersTheListLiveAndTheCaptionCountsWhatIsHidden)
{
    // 3 players, 1 (ping over 150), none, and 1 on a server that needs a password.
    ServeMasterList(Lines({28300, 28301, 28302, 28394}));
    RunWithUser([](KeyboardUser& keys, HWND hDialog) {
        HWND hServers = GetDlgItem(hDialog, IDC_SERVER_LIST);
        ASSERT_EQ(ListRowCount(hServers), 4);
        ASSERT_TRUE(keys.Focus(hDialog, hServers));
        keys.Press('E', true);
        HWND hFilter = InFront("Filter Servers");
        ASSERT_TRUE(hFilter);
        const auto shows = [&](int nRows, const char* pszCaption) {
            EXPECT_TRUE(PumpUntil([&] { return ListRowCount(hServers) == nRows; }, 5000)) << pszCaption;
            EXPECT_EQ(WindowText(hDialog), std::string("Kelvane Monitor... ") + pszCaption);
        };
        keys.Press(VK_SPACE); // Hide empty servers
        shows(3, "(3 Servers, 5 Players Online) Now showing all servers, 1 hidden by filters.");
        keys.Press(VK_TAB);
        keys.Press(VK_TAB);
        keys.Press(VK_SPACE); // Hide servers that need a password
        shows(2, "(2 Servers, 4 Players Online) Now showing all servers, 2 hidden by filters.");
        keys.Press(VK_TAB);
        Type(keys, "120"); // Highest ping
        shows(1, "(1 Servers, 3 Players Online) Now showing all servers, 3 hidden by filters.");
        keys.Press(VK_TAB);
        Type(keys, "zeta"); // Name or map contains
        shows(0, "(0 Servers, 0 Players Online) Now showing all servers, 4 hidden by filters.");
        for (int i = 0; i < 4; ++i)
            keys.Press(VK_BACK);
        shows(1, "(1 Servers, 3 Players Online) Now showing all servers, 3 hidden by filters.");
        keys.Press(VK_ESCAPE);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(hFilter) && GetForegroundWindow() == hDialog; }, 5000));
    });
    EXPECT_EQ(StoredSetting("FilterHideEmpty"), "1");
    EXPECT_EQ(StoredSetting("FilterHideFull"), "0");
    EXPECT_EQ(StoredSetting("FilterHidePassword"), "1");
    EXPECT_EQ(StoredSetting("FilterMaxPing"), "120");
}

TEST_F(MonitorKeys, APasswordReachesTheGameBeforeConnectAndRecentServersJoinsAgain)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath().c_str());
    // Locked Base needs a password to play; Clan Match one to watch as well.
    ServeMasterList(Lines({28394, 28395}));
    RunWithUser([&game](KeyboardUser& keys, HWND hDialog) {
        HWND hServers = GetDlgItem(hDialog, IDC_SERVER_LIST);
        const std::string head = game.ExePath() + " +set game kelvane +demomap kelvaneintro.cin";
        const auto join = [&](int nPort, bool bSpectator) {
            SelectListRow(hServers, RowOfPort(hServers, nPort));
            ASSERT_TRUE(keys.Focus(hDialog, hServers));
            if (bSpectator)
                keys.KeyDown(VK_SHIFT);
            keys.Press(VK_RETURN);
            if (bSpectator)
                keys.KeyUp(VK_SHIFT);
        };

        // A password the game would split is refused with the characters it may
        // hold; the window stays, and once it is cancelled nothing has started.
        join(28394, false);
        HWND hAsk = InFront("Password Required");
        ASSERT_TRUE(hAsk);
        EXPECT_EQ(TextOf(GetDlgItem(hAsk, IDC_PASSWORD_PROMPT)), "Locked Base needs a password to join:");
        Type(keys, "two words");
        {
            ModalWatcher refused(kAppName);
            keys.Press(VK_RETURN);
            ASSERT_TRUE(refused.Wait());
            EXPECT_EQ(refused.MessageText(), UNSAFE_PASSWORD_MESSAGE);
        }
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hAsk; }, 5000));
        keys.Press(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(hAsk); }, 5000));
        EXPECT_TRUE(game.WaitForRuns(1, 1000).empty());

        join(28394, false);
        ASSERT_TRUE(hAsk = InFront("Password Required"));
        Type(keys, "s3cret");
        keys.Press(VK_RETURN);
        ASSERT_EQ(game.WaitForRuns(1).size(), 1u);

        // Shift+Enter: the spectator password where the server asks for one, else 1.
        join(28395, true);
        ASSERT_TRUE(hAsk = InFront("Password Required"));
        EXPECT_EQ(TextOf(GetDlgItem(hAsk, IDC_PASSWORD_PROMPT)), "Clan Match needs a spectator password to join:");
        Type(keys, "watch");
        keys.Press(VK_RETURN);
        ASSERT_EQ(game.WaitForRuns(2).size(), 2u);
        join(28394, true);
        auto runs = game.WaitForRuns(3);
        ASSERT_EQ(runs.size(), 3u);
        EXPECT_EQ(runs[0].commandLine, head + " +set password s3cret +connect 127.0.0.1:28394");
        EXPECT_EQ(runs[1].commandLine, head + " +set spectator watch +connect 127.0.0.1:28395");
        EXPECT_EQ(runs[2].commandLine, head + " +set spectator 1 +connect 127.0.0.1:28394");

        // Ctrl+H: newest first; Delete forgets one, Enter joins the other the usual way.
        ASSERT_TRUE(keys.Focus(hDialog, hServers));
        keys.Press('H', true);
        HWND hRecent = InFront("Recent Servers");
        ASSERT_TRUE(hRecent);
        HWND hList = GetDlgItem(hRecent, IDC_RECENT_LIST);
        ASSERT_EQ(ListRowCount(hList), 2);
        EXPECT_EQ(ListText(hList, 0, 0), "Locked Base");
        EXPECT_EQ(ListText(hList, 0, 1), "127.0.0.1:28394");
        EXPECT_EQ(ListText(hList, 1, 1), "127.0.0.1:28395");
        EXPECT_EQ(ListText(hList, 0, 2).GetLength(), 16) << static_cast<const char*>(ListText(hList, 0, 2));
        keys.Press(VK_DELETE);
        ASSERT_TRUE(PumpUntil([&] { return ListRowCount(hList) == 1; }, 5000));
        keys.Press(VK_RETURN);
        ASSERT_TRUE(hAsk = InFront("Password Required"));
        Type(keys, "pw");
        keys.Press(VK_RETURN);
        runs = game.WaitForRuns(4);
        ASSERT_EQ(runs.size(), 4u);
        EXPECT_EQ(runs[3].commandLine, head + " +set password pw +connect 127.0.0.1:28395");
        EXPECT_TRUE(PumpUntil([] { return ReadText("recent.txt").rfind("127.0.0.1:28395\tClan Match\t", 0) == 0; }, 5000))
            << ReadText("recent.txt");
    });
    EXPECT_EQ(ReadText("recent.txt").find("28394"), std::string::npos) << "removed";
}

} // namespace
