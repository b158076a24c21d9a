// Join Server as the user meets it: the selection, the stored game path, the
// open-file dialog, the host lookup, and the game that starts (a fake quake2.exe).
#include <gtest/gtest.h>

#include "ExtrasWindow.h"
#include "FakeGame.h"
#include "FileDialogInput.h"
#include "GuiHarness.h"
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

    // Answers the next open-file dialog with the game's path.
    static std::unique_ptr<ModalWatcher> ConfirmInFileDialog(const FakeGame& game)
    {
        std::string path = game.ExePath();
        return std::make_unique<ModalWatcher>("Open", IDOK, 10000, [path](HWND hDialog) { TypeFileName(hDialog, path); });
    }

    // Joins the record's row; watchers started before answer what the join opens.
    void Join(CGameServer* pServer)
    {
        m_owner.AddSelectedRow(pServer);
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

    ModalWatcher noMessage(kAppName, IDOK, 1000);
    ModalWatcher noDialog("Open", IDCANCEL, 1000);
    Join(server.get());
    PumpMessagesFor(1200);

    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, game.ExePath() + kCommandTail + "127.0.0.1:27915");
    EXPECT_EQ(runs[0].directory + "\\", game.Folder());
    EXPECT_FALSE(noMessage.Wait());
    EXPECT_FALSE(noDialog.Wait()) << "a stored path is used without asking";
}

TEST_F(JoinServerTest, FirstJoinAsksForTheGameAndStoresTheChoice)
{
    FakeGame game(m_scratch, "Quake II");
    auto server = MakeServer("localhost:27911");
    auto dialog = ConfirmInFileDialog(game);
    Join(server.get());
    EXPECT_TRUE(dialog->Wait());
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
    Control(true);
    ModalWatcher dialog("Open", IDCANCEL);
    ModalWatcher box(kAppName);
    Join(server.get());
    Control(false);
    EXPECT_TRUE(dialog.Wait()) << "Control asks again although a path is stored";
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.MessageText(), "You must have Quake installed to connect to a server");
    EXPECT_EQ(StoredPath(), "C:\\Old\\quake2.exe");
    EXPECT_TRUE(game.WaitForRuns(1, 500).empty());
}

TEST_F(JoinServerTest, UnresolvableHostStartsNothingButKeepsTheConfirmedPath)
{
    FakeGame game(m_scratch, "Quake2");
    auto server = MakeServer("no-such-host.invalid:27910");
    auto dialog = ConfirmInFileDialog(game);
    Join(server.get());
    EXPECT_TRUE(dialog->Wait());
    EXPECT_EQ(StoredPath(), game.ExePath().c_str());
    EXPECT_TRUE(game.WaitForRuns(1, 1000).empty());
}

TEST_F(JoinServerTest, NoSelectionOrNoRecordIsExplained)
{
    ModalWatcher none(kAppName);
    JoinSelectedServer(&m_owner, m_owner.m_listServers);
    ASSERT_TRUE(none.Wait());
    EXPECT_EQ(none.MessageText(), "Please select a server");

    ModalWatcher empty(kAppName);
    Join(nullptr);
    ASSERT_TRUE(empty.Wait());
    EXPECT_EQ(empty.MessageText(), "I don't have enough information about that server");
}

} // namespace
