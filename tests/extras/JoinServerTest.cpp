// Join Server as the user meets it: the selection, the stored game path, the
// open-file dialog, the host lookup, and the game that starts (a fake quake2.exe).
#include <gtest/gtest.h>

#include "ExtrasWindow.h"
#include "FakeGame.h"
#include "ModalDriver.h"
#include "TestPaths.h"
#include "extras/JoinServer.h"

namespace {

const char* const kCommandTail = " +set game kelvane +demomap kelvaneintro.cin +connect ";

class JoinServerTest : public ::testing::Test {
protected:
    JoinServerTest()
        : m_scratch(::testing::UnitTest::GetInstance()->current_test_info()->name())
    {
        UseFreshSettings(m_scratch.File("varnok.INI"));
    }
    static void SetUpTestSuite()
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(1, 1), &wsa);
    }

    CString StoredPath() { return AfxGetApp()->GetProfileString("General", "Quake2Location"); }
    void StorePath(const std::string& path) { AfxGetApp()->WriteProfileString("General", "Quake2Location", path.c_str()); }

    // Joins the record's row; the driver answers whatever the join opens.
    void Join(CGameServer* pServer, std::function<void()> answer = nullptr)
    {
        m_owner.AddSelectedRow(pServer);
        std::unique_ptr<ModalDriver> driver;
        if (answer)
            driver = std::make_unique<ModalDriver>(answer);
        JoinSelectedServer(&m_owner, m_owner.m_listServers);
    }

    // Holds or releases Control, as the user would. The key state follows only
    // input to a foreground window, and only once the input has been taken in.
    void Control(bool down)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_CONTROL;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        DWORD start = GetTickCount();
        do {
            SetForegroundWindow(m_owner.GetSafeHwnd());
            SendInput(1, &input, sizeof(input));
            Sleep(20);
        } while (((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down && GetTickCount() - start < 2000);
    }

    ScratchDir m_scratch;
    ServerListOwner m_owner;
};

TEST_F(JoinServerTest, StoredPathStartsTheGameInItsFolderAndOurFolderComesBack)
{
    FakeGame game(m_scratch, "Quake2");
    StorePath(game.ExePath());
    auto server = MakeServer("127.0.0.1:27915");
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);

    MessageBoxCatcher noMessage(kAppName, 1500);
    Join(server.get());

    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, game.ExePath() + kCommandTail + "127.0.0.1:27915");
    EXPECT_EQ(runs[0].directory + "\\", game.Folder());
    EXPECT_EQ(noMessage.Text(), "");
}

TEST_F(JoinServerTest, FirstJoinAsksForTheGameAndStoresTheChoice)
{
    FakeGame game(m_scratch, "Quake II");
    auto server = MakeServer("localhost:27911");
    std::string dialogSeen;
    Join(server.get(), [&] {
        HWND hDialog = WaitForDialog("Open");
        if (!hDialog)
            return;
        dialogSeen = "yes";
        ChooseFile(hDialog, game.ExePath());
    });
    EXPECT_EQ(dialogSeen, "yes");
    EXPECT_EQ(StoredPath(), game.ExePath().c_str());
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    // The host name gives way to its address; the blank in the path is quoted.
    EXPECT_EQ(runs[0].commandLine, "\"" + game.ExePath() + "\"" + kCommandTail + "127.0.0.1:27911");
}

TEST_F(JoinServerTest, CancelledDialogStartsNothingAndKeepsTheStoredPath)
{
    FakeGame game(m_scratch, "Quake2");
    StorePath("C:\\Old\\quake2.exe");
    auto server = MakeServer("127.0.0.1:27910");
    std::string message;
    Control(true);
    Join(server.get(), [&] {
        HWND hDialog = WaitForDialog("Open");
        Control(false);
        if (!hDialog)
            return;
        PressButton(hDialog, IDCANCEL);
        HWND hBox = WaitForDialog(kAppName);
        message = MessageBoxText(hBox);
        PressButton(hBox, IDOK);
    });
    Control(false);
    EXPECT_EQ(message, "You must have Quake installed to connect to a server");
    EXPECT_EQ(StoredPath(), "C:\\Old\\quake2.exe");
    EXPECT_TRUE(game.WaitForRuns(1, 500).empty());
}

TEST_F(JoinServerTest, UnresolvableHostStartsNothingButKeepsTheConfirmedPath)
{
    FakeGame game(m_scratch, "Quake2");
    auto server = MakeServer("no-such-host.invalid:27910");
    Join(server.get(), [&] {
        if (HWND hDialog = WaitForDialog("Open"))
            ChooseFile(hDialog, game.ExePath());
    });
    EXPECT_EQ(StoredPath(), game.ExePath().c_str());
    EXPECT_TRUE(game.WaitForRuns(1, 1000).empty());
}

TEST_F(JoinServerTest, NoSelectionOrNoRecordIsExplained)
{
    MessageBoxCatcher none(kAppName);
    JoinSelectedServer(&m_owner, m_owner.m_listServers);
    EXPECT_EQ(none.Text(), "Please select a server");

    MessageBoxCatcher empty(kAppName);
    Join(nullptr);
    EXPECT_EQ(empty.Text(), "I don't have enough information about that server");
}

} // namespace
