// What the user changes reaches the disk while varnok.exe runs: the program is
// ended from outside, the way Task Manager ends it, with no chance to run its
// shut-down, and the next start finds the marks, the settings, the filters, the
// sort and the server just joined; a server list that cannot be replaced is
// reported once.
#include "VarnokProgram.h"

#include <cstdlib>
#include <filesystem>

#include <commctrl.h>

#include "FakeGame.h"

namespace fs = std::filesystem;

namespace {
// How long after the change the program is ended: the change must be on disk by then.
const DWORD kKillAfterMs = 2000;

void EndFromOutside(const ChildProgram& monitor)
{
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, monitor.ProcessId());
    ASSERT_TRUE(hProcess);
    TerminateProcess(hProcess, 1);
    WaitForSingleObject(hProcess, kProgramWaitMs);
    CloseHandle(hProcess);
}

// Counts the times a file of the current folder is replaced (renamed onto),
// from the folder's change notices.
class Replacements {
public:
    explicit Replacements(const std::string& file) : m_file(file)
    {
        m_hDir = CreateFileA(".", FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, NULL);
        m_overlapped.hEvent = CreateEventA(NULL, TRUE, FALSE, NULL);
        Listen();
    }
    ~Replacements()
    {
        CancelIo(m_hDir);
        CloseHandle(m_hDir);
        CloseHandle(m_overlapped.hEvent);
    }
    // The count once no notice has come for quietMs.
    int Count(DWORD quietMs)
    {
        while (WaitForSingleObject(m_overlapped.hEvent, quietMs) == WAIT_OBJECT_0) {
            DWORD bytes = 0;
            GetOverlappedResult(m_hDir, &m_overlapped, &bytes, FALSE);
            for (DWORD offset = 0; bytes > 0;) {
                auto* info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(m_buffer + offset);
                std::wstring name(info->FileName, info->FileNameLength / sizeof(WCHAR));
                if (info->Action == FILE_ACTION_RENAMED_NEW_NAME && name == std::wstring(m_file.begin(), m_file.end()))
                    ++m_count;
                if (!info->NextEntryOffset)
                    break;
                offset += info->NextEntryOffset;
            }
            Listen();
        }
        return m_count;
    }

private:
    void Listen()
    {
        ResetEvent(m_overlapped.hEvent);
        ReadDirectoryChangesW(m_hDir, m_buffer, sizeof m_buffer, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME, NULL,
                              &m_overlapped, NULL);
    }
    std::string m_file;
    HANDLE m_hDir;
    OVERLAPPED m_overlapped = {};
    alignas(DWORD) BYTE m_buffer[16384];
    int m_count = 0;
};

// The program's message box with that caption, once it shows; null after timeoutMs.
HWND MessageBoxOf(const ChildProgram& monitor, const std::string& caption, DWORD timeoutMs)
{
    HWND hBox = NULL;
    WaitFor([&] { return (hBox = FindProcessWindow(monitor.ProcessId(), "#32770", caption)) != NULL; }, timeoutMs);
    return hBox && AskWindowText(hBox) == caption ? hBox : NULL;
}
} // namespace

// These run beside the window tests, which count the requests of the fleet's
// first servers: the one server here is another.
using SavedWhileRunning = VarnokProgram;

TEST_F(SavedWhileRunning, AMarkTheBudgetAndTheListModeSurviveTheProgramEndedFromOutside)
{
    Serve("gameservers.txt", Address(28305) + "\r\n");
    const struct {
        const char* change;
        void (*make)(HWND);
        const char* list;
        const char* threads;
        const char* mode;
    } changes[] = {
        {"mark", RightClickFirstRow, "1", "5", "5"},
        {"budget", [](HWND hDialog) { ClickButton(hDialog, kThreads1); }, "0", "1", "5"},
        {"list mode", [](HWND hDialog) { ClickButton(hDialog, kListMode); }, "0", "5", "1"},
    };
    for (const auto& change : changes) {
        ForgetRunState();
        ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
        ASSERT_TRUE(monitor.Window()) << change.change;
        ASSERT_TRUE(FirstPollEnded(monitor)) << change.change;
        change.make(monitor.Window());
        Sleep(kKillAfterMs);
        EndFromOutside(monitor);
        ExpectRunState(Record(28305, "2 Base", change.list[0] - '0', 0), change.threads, change.mode, change.change);
    }
}

TEST_F(SavedWhileRunning, ABurstOfTenRightClicksIsOneOrTwoWrites)
{
    Serve("gameservers.txt", Address(28305) + "\r\n");
    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(monitor.Window());
    ASSERT_TRUE(FirstPollEnded(monitor));
    Replacements replacements("serverlist.txt");
    // favourite, ignored, plain, three times over, and favourite at the end
    for (int i = 0; i < 10; ++i)
        RightClickFirstRow(monitor.Window());
    const int count = replacements.Count(3000);
    EXPECT_GE(count, 1);
    EXPECT_LE(count, 2);
    std::printf("ten right clicks: %d writes of serverlist.txt\n", count);
    EXPECT_EQ(ReadText("serverlist.txt"), Record(28305, "2 Base", 1, 0));

    // Closing the window writes nothing more: nothing changed since.
    PostMessageA(monitor.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(monitor.Exited(kProgramWaitMs));
    EXPECT_EQ(replacements.Count(300), count);
}

TEST_F(SavedWhileRunning, AListThatCannotBeReplacedIsReportedOnceAndKeptWhole)
{
    Serve("gameservers.txt", Address(28305) + "\r\n");
    // A folder stands where the file would go; or, where the test's set-up could
    // make one, an immutable file (which even root cannot replace).
    std::vector<std::pair<std::string, std::string>> places = {{"folder", ""}};
    const char* pszImmutable = std::getenv("KELVANE_IMMUTABLE_LIST_DIR");
    if (pszImmutable && fs::exists(std::string(pszImmutable) + "/serverlist.txt"))
        places.push_back({"immutable file", pszImmutable});
    else
        std::printf("no immutable serverlist.txt was made: only the folder is tried\n");
    for (const auto& place : places) {
        std::string old;
        if (place.second.empty()) {
            fs::create_directory("serverlist.txt");
        } else {
            SetCurrentDirectoryA(place.second.c_str());
            old = ReadFile("serverlist.txt");
            ASSERT_FALSE(old.empty()) << place.first;
        }
        ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
        ASSERT_TRUE(monitor.Window()) << place.first;
        ASSERT_TRUE(FirstPollEnded(monitor)) << place.first;
        RightClickFirstRow(monitor.Window());
        HWND hBox = MessageBoxOf(monitor, m_exeName, kProgramWaitMs);
        ASSERT_TRUE(hBox) << place.first << ": no message box";
        const std::string text = AskWindowText(GetDlgItem(hBox, 0xFFFF));
        const std::string start = "Your favourite and ignored servers could not be saved to serverlist.txt (";
        EXPECT_EQ(text.compare(0, start.size(), start), 0) << text;
        EXPECT_GT(text.size(), start.size() + 2) << "the system's reason is missing: " << text;
        EXPECT_EQ(text.substr(text.size() - 2), ").") << text;
        ClickButton(hBox, IDOK);

        // The same run fails again in silence, at the next change and at the close.
        RightClickFirstRow(monitor.Window());
        EXPECT_FALSE(MessageBoxOf(monitor, m_exeName, kKillAfterMs)) << place.first << ": told twice";
        PostMessageA(monitor.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(monitor.Exited(kProgramWaitMs)) << place.first;
        if (place.second.empty()) {
            EXPECT_TRUE(fs::is_directory("serverlist.txt"));
        } else {
            EXPECT_EQ(ReadFile("serverlist.txt"), old) << place.first;
            SetCurrentDirectoryA(m_dir.Path().c_str());
        }
        EXPECT_FALSE(fs::exists(place.second.empty() ? "serverlist.txt.tmp" : place.second + "/serverlist.txt.tmp"))
            << place.first;
    }

    // With no change during the run, the failure at the close is the first, and
    // is told before the window goes (the folder is still in the file's place).
    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(FirstPollEnded(monitor));
    PostMessageA(monitor.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND hBox = MessageBoxOf(monitor, m_exeName, kProgramWaitMs);
    ASSERT_TRUE(hBox) << "the failure at the close went untold";
    ClickButton(hBox, IDOK);
    EXPECT_TRUE(monitor.Exited(kProgramWaitMs));
}

// 2 Base (no players), Slow Base (slow) and the one named in the game's letters.
TEST_F(SavedWhileRunning, FiltersASortByPingAndAColumnWidthSurviveARestart)
{
    Serve("gameservers.txt", Address(28305) + "\r\n" + Address(28360) + "\r\n" + Address(28370) + "\r\n");
    const std::string hidden = "Now showing all servers, 1 hidden by filters.";
    const auto endsWith = [](const std::string& text, const std::string& end) {
        return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
    };
    {
        ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
        ASSERT_TRUE(FirstPollEnded(monitor));
        ClickHeading(monitor.Window(), 3); // Ping, sorted ascending at first: now descending
        // The name column made wider, as the divider's drag ends.
        SendMessageTimeoutA(GetDlgItem(monitor.Window(), kServerList), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(300, 0),
                            SMTO_ABORTIFHUNG, kProgramWaitMs, NULL);
        PostMessageA(monitor.Window(), WM_SYSCOMMAND, 0x0040, 0); // Filter Servers...
        HWND hFilter = NULL;
        ASSERT_TRUE(WaitFor([&] { return (hFilter = FindProcessWindow(monitor.ProcessId(), "#32770", "Filter Servers")); },
                            kProgramWaitMs));
        ClickButton(hFilter, 1040); // Hide empty servers
        ASSERT_TRUE(WaitFor([&] { return endsWith(AskWindowText(monitor.Window()), hidden); }, kProgramWaitMs))
            << AskWindowText(monitor.Window());
        Sleep(kKillAfterMs);
        EndFromOutside(monitor);
    }
    EXPECT_EQ(StoredSetting("FilterHideEmpty"), "1");
    EXPECT_EQ(StoredSetting("ServerSortColumn"), "3");
    EXPECT_EQ(StoredSetting("ServerSortAscending"), "0");

    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(FirstPollEnded(monitor));
    EXPECT_TRUE(endsWith(AskWindowText(monitor.Window()), hidden)) << AskWindowText(monitor.Window());
    HWND hList = GetDlgItem(monitor.Window(), kServerList);
    ASSERT_EQ(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListTextOf(monitor, hList, 0, 5), Address(28360)) << "the slow one first";
    EXPECT_EQ(ListTextOf(monitor, hList, 1, 5), Address(28370));
    Sleep(500); // the columns would have sized themselves by now
    EXPECT_EQ(SendMessageA(hList, LVM_GETCOLUMNWIDTH, 0, 0), 300);
}

TEST_F(SavedWhileRunning, TheServerJustJoinedIsInRecentTxtWhenTheProgramIsEndedFromOutside)
{
    FakeGame game(m_dir, "Quake2");
    Setting("Quake2Location", game.ExePath());
    Serve("gameservers.txt", Address(28305) + "\r\n");
    ChildProgram monitor(m_exe, "#32770", "Kelvane Monitor");
    ASSERT_TRUE(FirstPollEnded(monitor));
    LeftClickFirstRow(monitor.Window());
    ClickButton(monitor.Window(), kJoin);
    ASSERT_EQ(game.WaitForRuns(1).size(), 1u);
    Sleep(kKillAfterMs);
    EndFromOutside(monitor);
    const std::string recent = ReadText("recent.txt");
    const std::string start = Address(28305) + "\t2 Base\t";
    EXPECT_EQ(recent.compare(0, start.size(), start), 0) << recent;
    EXPECT_EQ(recent.size(), start.size() + 17) << "one line, its time YYYY-MM-DD HH:MM: " << recent;
    EXPECT_FALSE(std::filesystem::exists("recent.txt.tmp"));
}
