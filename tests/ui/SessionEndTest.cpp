// The end of a Windows session (log-off, shut-down) with varnok.exe open, as the
// system brings it: `wineboot --end-session` sends WM_QUERYENDSESSION and
// WM_ENDSESSION and then ends the process. The test drives it through its window.
#include "VarnokProgram.h"

namespace {
// What Windows allows a program to answer the session end before it is ended anyway.
const long kSessionAllowanceMs = 5000;
} // namespace

using SessionEnd = VarnokProgram;

TEST_F(SessionEnd, KeepsWhatTheUserDidAsClosingTheWindowDoes)
{
    Serve("gameservers.txt", Address(28300) + "\r\n");
    const struct {
        const char* how;
        bool sessionEnd;
    } endings[] = {{"close box", false}, {"session end", true}};
    for (const auto& ending : endings) {
        ForgetRunState();
        ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
        ASSERT_TRUE(monitor.Window()) << ending.how;
        ASSERT_TRUE(FirstPollEnded(monitor)) << ending.how;
        RightClickFirstRow(monitor.Window()); // a favourite now
        ClickButton(monitor.Window(), kThreads1);
        ClickButton(monitor.Window(), kListMode); // all servers -> active servers
        if (ending.sessionEnd) {
            const long ms = EndWineSession();
            EXPECT_GE(ms, 0) << "the session did not end";
            EXPECT_LT(ms, kSessionAllowanceMs);
            RecordProperty("end_session_idle_ms", static_cast<int>(ms));
        } else {
            PostMessageA(monitor.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_TRUE(monitor.Exited(kProgramWaitMs)) << ending.how;
        ExpectRunState(Record(28300, "Alpha Base", 1, 0), "1", "1", ending.how);
    }
}

TEST_F(SessionEnd, DuringAPollWritesEveryRecordWithoutWaitingForTheQueries)
{
    std::string masterList;
    for (int port = 28380; port < 28386; ++port)
        masterList += Address(port) + "\r\n";
    Serve("gameservers.txt", masterList);
    // One query at a time to servers that never answer: the poll runs for seconds.
    Setting("NumQueryThreads", "1");
    WriteFile("serverlist.txt", Record(28381, "Stored", 0, 1) + Record(28399, "Kept favourite", 1, 0, "http://k.example/"));

    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(monitor.Window());
    ClickButton(monitor.Window(), kThreads3);
    ClickButton(monitor.Window(), kRefresh); // a poll under way already: nothing more starts
    ASSERT_NE(AskWindowText(monitor.Window()).find("Polling Servers"), std::string::npos) << "the poll had ended";
    const long ms = EndWineSession();
    EXPECT_GE(ms, 0) << "the session did not end";
    EXPECT_LT(ms, kSessionAllowanceMs);
    RecordProperty("end_session_polling_ms", static_cast<int>(ms));
    EXPECT_TRUE(monitor.Exited(kProgramWaitMs));

    std::string expected;
    for (int port = 28380; port < 28386; ++port)
        expected += Record(port, "", 0, port == 28381 ? 1 : 0);
    expected += Record(28399, "Kept favourite", 1, 0, "http://k.example/");
    EXPECT_EQ(ReadText("serverlist.txt"), expected);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "3");
    EXPECT_EQ(StoredSetting("ServerListMode"), "5");
}

TEST_F(SessionEnd, DuringStartUpLeavesThePreviousRunsFilesAlone)
{
    Serve("gameservers.txt", Address(28300) + "\r\n");
    Serve("build.txt", "4"); // start-up stops at the news of a newer build
    Setting("NumQueryThreads", "3");
    Setting("ServerListMode", "3");
    const std::string stored = Record(28399, "Kept favourite", 1, 0, "http://k.example/");
    WriteFile("serverlist.txt", stored);

    // The main window is not shown yet: the message box is the one to find.
    ChildProgram monitor(m_exe, "#32770", m_exeName);
    ASSERT_TRUE(monitor.Window());
    EXPECT_EQ(AskWindowText(GetDlgItem(monitor.Window(), 0xFFFF)), "Kelvane Monitor build 4 is now available!");
    const long ms = EndWineSession();
    EXPECT_GE(ms, 0) << "the session did not end";
    EXPECT_TRUE(monitor.Exited(kProgramWaitMs));
    EXPECT_EQ(ReadFile("serverlist.txt"), stored);
    EXPECT_EQ(StoredSetting("NumQueryThreads"), "3");
    EXPECT_EQ(StoredSetting("ServerListMode"), "3");
}
