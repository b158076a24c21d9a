// What a run of the monitor's core starts from and leaves behind: the settings and
// serverlist.txt of its home folder, read at start-up, saved soon after each
// change while it runs (through the view's timer) and once more at the close.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "CoreHarness.h"
#include "ui/core/ListMode.h"

namespace fs = std::filesystem;

namespace {
const UINT kSaveTimer = CMonitorCore::SAVE_TIMER;

std::string ServerList(CoreHarness& h)
{
    return ReadText(h.dir.File("serverlist.txt"));
}
} // namespace

TEST(CoreRunState, AFirstRunUsesTheDefaultsPollsEveryServerAndWritesItAllBack)
{
    CoreHarness h("core_first_run");
    h.StartUp({kAlpha, kZeta, kTen, kSilent, kOtherGame, kTwo});
    EXPECT_EQ(h.core.GetThreadBudget(), 5);
    EXPECT_EQ(h.core.GetListMode(), LIST_MODE_ALL);
    EXPECT_EQ(h.view.button, "Show Active Servers");
    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(h.core.ServerRows().GetCount(), 6);
    EXPECT_EQ(h.view.status, "Ready");
    EXPECT_EQ(h.view.caption, "Kelvane Monitor... (4 Servers, 4 Players Online) Now showing all servers.");
    EXPECT_FALSE(h.view.progressShown);
    // Nothing changed: nothing written before the close.
    EXPECT_FALSE(fs::exists(h.dir.File("serverlist.txt")));
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "(absent)");

    h.Close();
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "5");
    EXPECT_EQ(h.StoredSetting("ServerListMode"), "5");
    // Every record in collection order, answering or not, five lines each.
    EXPECT_EQ(ServerList(h), Record(kAlpha, "Alpha Base", 0, 0) + Record(kZeta, "zeta lower", 0, 0) +
                                 Record(kTen, "10 Base", 0, 0) + Record(kSilent, "", 0, 0) +
                                 Record(kOtherGame, "Plain Quake", 0, 0) + Record(kTwo, "2 Base", 0, 0));
}

// The stored budget stays as it was, odd or not, unless a budget is chosen; a
// value that is no budget or no view reads as the default; what is written
// back is what the run used.
TEST(CoreRunState, StoredSettingsChooseTheBudgetAndTheViewAndAreWrittenBack)
{
    const struct {
        const char *threads, *mode;
        int chosen; // a budget button clicked during the run, or 0
        int budget, listMode;
        const char *button, *writtenThreads, *writtenMode;
        std::vector<int> rows;
    } cases[] = {
        {"3", "1", 0, 3, LIST_MODE_ACTIVE, "Show Favorites Only", "3", "1", {kAlpha}},
        {"3", "1", 1, 3, LIST_MODE_ACTIVE, "Show Favorites Only", "1", "1", {kAlpha}},
        {"2", "7", 0, 2, LIST_MODE_ALL, "Show Active Servers", "2", "5", {kAlpha, kOtherGame}},
        {"5", "2", 7, 5, LIST_MODE_ALL, "Show Active Servers", "7", "5", {kAlpha, kOtherGame}},
        {"none", "3", 0, 5, LIST_MODE_FAVORITES, "Show ALL Servers", "5", "3", {}},
        {"0", "x", 0, 5, LIST_MODE_ALL, "Show Active Servers", "5", "5", {kAlpha, kOtherGame}},
        {"-2", "", 0, 5, LIST_MODE_ALL, "Show Active Servers", "5", "5", {kAlpha, kOtherGame}},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.threads) + "/" + c.mode + " clicked " + std::to_string(c.chosen);
        CoreHarness h("core_settings");
        h.Setting("NumQueryThreads", c.threads);
        h.Setting("ServerListMode", c.mode);
        h.StartUp({kAlpha, kOtherGame});
        EXPECT_EQ(h.core.GetThreadBudget(), c.budget) << what;
        EXPECT_EQ(h.core.GetListMode(), c.listMode) << what;
        EXPECT_EQ(h.view.button, c.button) << what;
        ASSERT_TRUE(h.Poll()) << what;
        std::vector<int> rows = h.PortsInRowOrder();
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, c.rows) << what;
        EXPECT_NE(h.view.caption.find(std::string("Now showing ") + ListModeName(c.listMode)), std::string::npos)
            << what;
        if (c.chosen)
            h.core.SetThreadBudget(c.chosen);
        h.Close();
        EXPECT_EQ(h.StoredSetting("NumQueryThreads"), c.writtenThreads) << what;
        EXPECT_EQ(h.StoredSetting("ServerListMode"), c.writtenMode) << what;
    }
}

TEST(CoreRunState, TheServerListFileMergesIntoTheMasterList)
{
    CoreHarness h("core_merge");
    const std::string page = "http://x.example/";
    // Ignored; a favourite the master list lacks; a plain server it lacks; one
    // address twice; and a record cut short.
    WriteFile(h.dir.File("serverlist.txt"),
              Record(kZeta, "Ignored", 0, 1, page) + Record(kSilent, "Stored Fav", 1, 0, page) +
                  Record(kNobody, "Forgotten", 0, 0, page) + Record(kTwo, "Twice", 1, 0, page) +
                  Record(kTwo, "Twice", 0, 0, page) + Address(28498) + "\nCut short\n");
    const int nZetaAsked = RequestsPerPort()[kZeta];
    h.StartUp({kAlpha, kZeta, kTwo});
    // The file's records are shown at once, the stored favourite with its stored name.
    std::vector<int> rows = h.PortsInRowOrder();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int>{kZeta, kSilent, kTwo}));
    ASSERT_GE(h.RowOf(kSilent), 0);
    EXPECT_EQ(h.RowTexts(h.RowOf(kSilent))[SERVER_COLUMN_NAME], "Stored Fav");
    EXPECT_EQ(h.Server(kZeta)->IsIgnored(), 1);
    EXPECT_EQ(h.Server(kTwo)->IsFavorite(), 0) << "the second occurrence's marks";

    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(h.PortsInRowOrder().size(), 4u);
    EXPECT_EQ(RequestsPerPort()[kZeta], nZetaAsked) << "an ignored server is not queried";
    // The favourite never answers: the favourites view lists it with the skull.
    h.core.ShowListMode(LIST_MODE_FAVORITES);
    EXPECT_EQ(h.PortsInRowOrder(), std::vector<int>{kSilent});
    EXPECT_EQ(h.RowTexts(0), (std::vector<std::string>{"Stored Fav", "", "", "750", "0/0", Address(kSilent)}));
    EXPECT_EQ(h.core.ServerRows().GetLook(0).nImage, PING_IMAGE_DEAD);

    h.Close();
    // The ignored server was never asked, so it is still nameless; the known
    // addresses keep their own names, the stored favourite the file's.
    EXPECT_EQ(ServerList(h), Record(kAlpha, "Alpha Base", 0, 0) + Record(kZeta, "", 0, 1) +
                                 Record(kTwo, "2 Base", 0, 0) + Record(kSilent, "Stored Fav", 1, 0, page));
}

// With no master list this time, serverlist.txt's non-favourites (the last one
// that came) stand in for it: listed at once, polled, said so once, kept for the
// next run. A first run without the web lists nothing and says nothing.
TEST(CoreRunState, WithoutAMasterListTheLastRunsServersAreListedAndPolled)
{
    auto startWithoutMasterList = [](CoreHarness& h) {
        h.core.ReadSettings();
        h.core.UseLastMasterList();
        h.core.LoadServerList(h.core.HomeFile(SERVER_LIST_FILE));
        h.core.StartUpDone();
    };
    const std::string note = "The master list could not be fetched: these are the servers of the last run.";
    {
        CoreHarness first("core_no_web_first_run");
        startWithoutMasterList(first);
        ASSERT_TRUE(first.Poll());
        EXPECT_TRUE(first.PortsInRowOrder().empty());
        EXPECT_EQ(first.view.status, "Ready");
        EXPECT_TRUE(first.view.reports.empty());
    }

    CoreHarness h("core_no_web");
    const std::string lastRun = Record(kAlpha, "Old Alpha", 0, 0) + Record(kZeta, "Ignored", 0, 1) +
                                Record(kSilent, "Stored Fav", 1, 0);
    WriteFile(h.dir.File("serverlist.txt"), lastRun);
    const int nZetaAsked = RequestsPerPort()[kZeta];
    startWithoutMasterList(h);
    std::vector<int> rows = h.PortsInRowOrder();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int>{kAlpha, kZeta, kSilent}));
    EXPECT_EQ(h.RowTexts(h.RowOf(kAlpha))[SERVER_COLUMN_NAME], "Old Alpha");

    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(h.RowTexts(h.RowOf(kAlpha))[SERVER_COLUMN_NAME], "Alpha Base");
    EXPECT_EQ(RequestsPerPort()[kZeta], nZetaAsked) << "still ignored";
    EXPECT_EQ(h.view.status, note);
    ASSERT_TRUE(h.Poll());
    EXPECT_EQ(h.view.status, "Ready") << "said once";
    h.Close();
    EXPECT_EQ(ServerList(h), Record(kAlpha, "Alpha Base", 0, 0) + Record(kZeta, "Ignored", 0, 1) +
                                 Record(kSilent, "Stored Fav", 1, 0));
}

// While the program runs, a change is on disk a moment later, a burst of changes
// in one write; the close then writes only what changed since.
TEST(CoreRunState, ChangesAreSavedSoonAfterAndABurstInOneWrite)
{
    CoreHarness h("core_saves");
    h.StartUp({kTwo});
    ASSERT_TRUE(h.Poll());
    CGameServer* pServer = h.Server(kTwo);

    h.core.CycleMarks(pServer);
    ASSERT_TRUE(h.view.timers.count(kSaveTimer)) << "no save was scheduled";
    EXPECT_LE(h.view.timers[kSaveTimer], 250u);
    EXPECT_FALSE(fs::exists(h.dir.File("serverlist.txt"))) << "written at once, not after the burst";
    ASSERT_TRUE(h.SaveWhenDue());
    EXPECT_EQ(ServerList(h), Record(kTwo, "2 Base", 1, 0));
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "5");
    EXPECT_EQ(h.StoredSetting("ServerListMode"), "5");

    // Ten more right clicks from the favourite: ignored, plain, favourite, three
    // times over, and ignored at the end.
    const size_t nSaves = h.savesEnded;
    for (int i = 0; i < 10; ++i)
        h.core.CycleMarks(pServer);
    ASSERT_TRUE(h.SaveWhenDue());
    EXPECT_EQ(h.savesEnded, nSaves + 1);
    EXPECT_EQ(ServerList(h), Record(kTwo, "2 Base", 0, 1));
    EXPECT_TRUE(h.view.timers.empty());

    h.core.SetThreadBudget(1);
    ASSERT_TRUE(h.SaveWhenDue());
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "1");
    h.core.ShowNextListMode();
    ASSERT_TRUE(h.SaveWhenDue());
    EXPECT_EQ(h.StoredSetting("ServerListMode"), "1");
    // Choosing what is already chosen changes nothing.
    h.core.SetThreadBudget(1);
    EXPECT_TRUE(h.view.timers.empty());

    // Nothing changed since: the close writes nothing (the list would come back).
    fs::remove(h.dir.File("serverlist.txt"));
    h.Close();
    EXPECT_FALSE(fs::exists(h.dir.File("serverlist.txt")));
}

// The files are named from the folder the program started in: a later current
// folder (the file dialog's, the game's) gets none of them.
TEST(CoreRunState, TheFilesStayInTheStartUpFolderWhateverFolderIsCurrentLater)
{
    CoreHarness h("core_home");
    WriteFile(h.dir.File("serverlist.txt"), Record(kTwo, "Stored", 1, 0));
    ScratchDir other("core_home_other");
    WriteFile(other.File("serverlist.txt"), Record(kAlpha, "Elsewhere", 1, 0));
    h.StartUp({});
    EXPECT_EQ(h.PortsInRowOrder(), std::vector<int>{kTwo});
    ASSERT_TRUE(h.Poll());
    h.core.CycleMarks(h.Server(kTwo));
    ASSERT_TRUE(h.SaveWhenDue());
    EXPECT_EQ(ServerList(h), Record(kTwo, "2 Base", 0, 1));
    h.core.SetThreadBudget(3);
    h.Close();
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "3");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(other.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"serverlist.txt"});
    EXPECT_EQ(ReadText(other.File("serverlist.txt")), Record(kAlpha, "Elsewhere", 1, 0));
}

// The last write of a run comes once: at the session's end or at the close,
// whichever is first; none comes before start-up has read what it would replace.
TEST(CoreRunState, TheRunIsWrittenOnceAndNeverBeforeStartUpHasReadIt)
{
    CoreHarness h("core_written_once");
    const std::string stored = Record(kNobody, "Kept favourite", 1, 0, "http://k.example/");
    WriteFile(h.dir.File("serverlist.txt"), stored);
    h.Setting("NumQueryThreads", "3");
    h.core.ReadSettings();
    h.core.SaveRunState(FALSE); // the session ends during start-up
    EXPECT_EQ(ReadFile(h.dir.File("serverlist.txt")), stored);

    h.AddServers(std::vector<int>{kAlpha});
    h.core.LoadServerList(h.core.HomeFile("serverlist.txt"));
    h.core.StartUpDone();
    ASSERT_TRUE(h.Poll());
    h.core.SaveRunState(FALSE);
    EXPECT_EQ(ServerList(h), Record(kAlpha, "Alpha Base", 0, 0) + stored);
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "3");

    // Whatever comes after it writes nothing more.
    fs::remove(h.dir.File("serverlist.txt"));
    h.Setting("NumQueryThreads", "untouched");
    h.core.CycleMarks(h.Server(kAlpha));
    EXPECT_TRUE(h.view.timers.empty());
    h.core.SaveRunState(FALSE);
    h.Close();
    EXPECT_FALSE(fs::exists(h.dir.File("serverlist.txt")));
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "untouched");
}

// A file that cannot be replaced (a folder stands in its place) is told once,
// whether its first failure is a save while running or the one at the close;
// the other file is still written.
TEST(CoreRunState, AFileThatCannotBeSavedIsToldOnce)
{
    for (const char* pszFile : {"serverlist.txt", "varnok.INI"}) {
        for (bool bChangeWhileRunning : {true, false}) {
            const std::string what = std::string(pszFile) + (bChangeWhileRunning ? ", changed while running" : "");
            CoreHarness h("core_save_fails");
            fs::create_directory(h.dir.File(pszFile));
            h.StartUp({kTwo});
            ASSERT_TRUE(h.Poll()) << what;
            if (bChangeWhileRunning) {
                h.core.CycleMarks(h.Server(kTwo));
                ASSERT_TRUE(h.SaveWhenDue()) << what;
                ASSERT_EQ(h.view.reports.size(), 1u) << what;
                const std::string start = pszFile == std::string("serverlist.txt")
                    ? "Your favourite and ignored servers could not be saved to serverlist.txt ("
                    : "Your settings could not be saved to " + h.ini + " (";
                EXPECT_EQ(h.view.reports[0].compare(0, start.size(), start), 0) << h.view.reports[0];
                h.core.CycleMarks(h.Server(kTwo));
                ASSERT_TRUE(h.SaveWhenDue()) << what;
            }
            h.Close();
            EXPECT_EQ(h.view.reports.size(), 1u) << what << (bChangeWhileRunning ? ": told twice" : ": untold");
            EXPECT_TRUE(fs::is_directory(h.dir.File(pszFile))) << what;
            EXPECT_FALSE(fs::exists(h.dir.File(std::string(pszFile) + ".tmp"))) << what;
            if (pszFile == std::string("varnok.INI"))
                EXPECT_EQ(ServerList(h), Record(kTwo, "2 Base", 0, bChangeWhileRunning ? 1 : 0)) << what;
            else
                EXPECT_EQ(h.StoredSetting("ServerListMode"), "5") << what;
        }
    }
}

// Closing the window during a poll writes everything first; the close then waits
// only for the queries that run, and their notices find nothing to act on.
TEST(CoreRunState, ClosingDuringAPollSavesEverythingAndWaitsOnlyForTheRunningQueries)
{
    CoreHarness h("core_close_polling");
    h.Setting("NumQueryThreads", "7");
    std::vector<int> slow;
    for (int nPort = kSlowerFleet; nPort < kSlowerFleet + 10; ++nPort)
        slow.push_back(nPort);
    h.StartUp(slow);
    h.core.StartPolling();
    ASSERT_TRUE(h.core.IsPolling());
    const auto start = std::chrono::steady_clock::now();
    h.Close();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 2000);
    EXPECT_EQ(h.StoredSetting("NumQueryThreads"), "7");
    EXPECT_EQ(ServerList(h).size(), slow.size() * Record(kSlowerFleet, "", 0, 0).size());
    h.PumpUntil([] { return false; }, 200);
    EXPECT_EQ(h.notices.size(), 7u);
    EXPECT_EQ(h.core.ServerRows().GetCount(), 0);
    EXPECT_EQ(h.view.progressPos, 0);
}

// While the close reports a failed save, its message box dispatches the notices
// of the queries that still run: they start no new query.
TEST(CoreRunState, NoQueryStartsOnceTheCloseHasBegun)
{
    CoreHarness h("core_close_begun");
    h.Setting("NumQueryThreads", "1");
    h.StartUp({kSlowerFleet, kSlowerFleet + 1, kSlowerFleet + 2});
    h.core.StartPolling();
    h.core.BeginShutDown();
    ASSERT_TRUE(h.PumpUntil([&] { return !h.notices.empty(); }, 3000));
    EXPECT_EQ(h.CountQuerying(), 0) << "the poll went on";
    h.core.AskServerAgain(h.Server(kSlowerFleet + 2));
    EXPECT_EQ(h.CountQuerying(), 0) << "a click asked again";
}
