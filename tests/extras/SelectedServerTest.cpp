// Join Server and Visit Server Website on the selected row, as the user meets
// them: the stored game path, the open-file dialog, the host lookup, the game
// that starts (a fake quake2.exe), the browser, and the messages.
#include <gtest/gtest.h>

#include "ExtrasTestSupport.h"
#include "extras/JoinServer.h"
#include "extras/WebLinks.h"

namespace {

const std::string kTail = " +set game kelvane +demomap kelvaneintro.cin +connect ";

class SelectedServerTest : public ::testing::Test {
protected:
    SelectedServerTest() : m_scratch(::testing::UnitTest::GetInstance()->current_test_info()->name())
    {
        UseFreshSettings(m_scratch.File("varnok.INI"));
        WSADATA wsa;
        WSAStartup(MAKEWORD(1, 1), &wsa);
    }
    ~SelectedServerTest() override { WSACleanup(); }

    CString StoredPath() { return AfxGetApp()->GetProfileString("General", "Quake2Location"); }
    void StorePath(const std::string& path) { AfxGetApp()->WriteProfileString("General", "Quake2Location", path.c_str()); }

    void Join(CGameServer* pServer)
    {
        m_owner.AddSelectedRow(pServer);
        JoinSelectedServer(&m_owner, m_owner.m_listServers);
    }

    // Joins, answering the open-file dialog with the game's path.
    bool JoinChoosing(CGameServer* pServer, const FakeGame& game)
    {
        std::string path = game.ExePath();
        ModalWatcher dialog("Open", IDOK, 10000, [path](HWND hDialog) { TypeFileName(hDialog, path); });
        Join(pServer);
        return dialog.Wait();
    }

    // Holds or releases Control. The key state follows input to a foreground
    // window only, once the input has been taken in.
    void Control(bool down)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_CONTROL;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        for (DWORD start = GetTickCount();
             ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down && GetTickCount() - start < 2000; Sleep(20)) {
            SetForegroundWindow(m_owner.GetSafeHwnd());
            SendInput(1, &input, sizeof(input));
        }
    }

    ScratchDir m_scratch;
    ServerListOwner m_owner;
};

TEST_F(SelectedServerTest, StoredPathStartsTheGameInItsFolderWithoutAsking)
{
    FakeGame game(m_scratch, "Quake2");
    StorePath(game.ExePath());
    auto server = MakeServer("127.0.0.1:27915");
    char szBefore[MAX_PATH], szAfter[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szBefore);
    ModalWatcher noDialog("Open", IDCANCEL, 1000);
    Join(server.get());
    GetCurrentDirectoryA(MAX_PATH, szAfter);
    PumpMessagesFor(1200);
    EXPECT_FALSE(noDialog.Wait());
    EXPECT_STREQ(szAfter, szBefore);
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, game.ExePath() + kTail + "127.0.0.1:27915");
    EXPECT_EQ(runs[0].directory + "\\", game.Folder());
}

TEST_F(SelectedServerTest, FirstJoinAsksStoresAndStartsAQuotedPathOnTheResolvedAddress)
{
    FakeGame game(m_scratch, "Quake II");
    auto server = MakeServer("localhost:27911");
    char szBefore[MAX_PATH], szAfter[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szBefore);
    EXPECT_TRUE(JoinChoosing(server.get(), game));
    GetCurrentDirectoryA(MAX_PATH, szAfter);
    EXPECT_STREQ(szAfter, szBefore) << "the file dialog moved the folder of serverlist.txt";
    EXPECT_EQ(StoredPath(), game.ExePath().c_str());
    auto runs = game.WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, "\"" + game.ExePath() + "\"" + kTail + "127.0.0.1:27911");
}

TEST_F(SelectedServerTest, ControlAsksAgainAndCancellingKeepsTheStoredPath)
{
    FakeGame game(m_scratch, "Quake2");
    StorePath("C:\\Old\\quake2.exe");
    auto server = MakeServer("127.0.0.1:27910");
    Control(true);
    ModalWatcher dialog("Open", IDCANCEL);
    ModalWatcher box(kAppName);
    Join(server.get());
    Control(false);
    EXPECT_TRUE(dialog.Wait());
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.MessageText(), "You must have Quake installed to connect to a server");
    EXPECT_EQ(StoredPath(), "C:\\Old\\quake2.exe");
    EXPECT_TRUE(game.WaitForRuns(1, 500).empty());
}

TEST_F(SelectedServerTest, UnresolvableHostStartsNothingButKeepsTheConfirmedPath)
{
    FakeGame game(m_scratch, "Quake2");
    auto server = MakeServer("no-such-host.invalid:27910");
    EXPECT_TRUE(JoinChoosing(server.get(), game));
    EXPECT_EQ(StoredPath(), game.ExePath().c_str());
    EXPECT_TRUE(game.WaitForRuns(1, 1000).empty());
}

TEST_F(SelectedServerTest, MissingSelectionOrRecordIsExplainedForBothButtons)
{
    for (auto handler : {&JoinSelectedServer, &VisitSelectedServerWebsite}) {
        ModalWatcher none(kAppName);
        handler(&m_owner, m_owner.m_listServers);
        ASSERT_TRUE(none.Wait());
        EXPECT_EQ(none.MessageText(), "Please select a server");
    }
    m_owner.AddSelectedRow(nullptr);
    ModalWatcher empty(kAppName);
    JoinSelectedServer(&m_owner, m_owner.m_listServers);
    ASSERT_TRUE(empty.Wait());
    EXPECT_EQ(empty.MessageText(), "I don't have enough information about that server");
}

TEST_F(SelectedServerTest, VisitOpensTheServersPageAsAnHttpAddressOnly)
{
    const struct {
        const char* page;
        const char* opened;
    } cases[] = {
        {"http://127.0.0.1:18090/clan.html", "http://127.0.0.1:18090/clan.html"},
        // A page without the prefix (a hand-edited serverlist.txt) gets it.
        {"127.0.0.1:18090/clan.html", "http://127.0.0.1:18090/clan.html"},
        {"http://127.0.0.1:18090/a page\"x", "http://127.0.0.1:18090/a%20page%22x"},
    };
    for (const auto& c : cases) {
        BrowserLog browser;
        auto server = MakeServer("127.0.0.1:27910", c.page);
        m_owner.AddSelectedRow(server.get());
        VisitSelectedServerWebsite(&m_owner, m_owner.m_listServers);
        EXPECT_EQ(browser.WaitFor(1), std::vector<std::string>{c.opened}) << c.page;
    }
}

TEST_F(SelectedServerTest, AnAddressTheShellCannotOpenIsNamedInTheMessage)
{
    ModalWatcher box(kAppName);
    EXPECT_FALSE(OpenInBrowser(&m_owner, "kelvane-nowhere:clan")); // no handler for the scheme
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.MessageText(), "There was an error while attempting to open a browser window!\n"
                                 "You will have to browse to kelvane-nowhere:clan manually.");
}

} // namespace
