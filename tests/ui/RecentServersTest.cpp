// recent.txt: the servers joined lately, newest first, each address once, at
// most twenty; a damaged file loses only its bad lines; a join reaches the file
// soon, and nothing writes it before one.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "CoreHarness.h"
#include "ui/core/RecentServers.h"

namespace {
std::vector<std::string> Addresses(const CRecentServers& list)
{
    std::vector<std::string> addresses;
    for (const CRecentServer& server : list.Servers())
        addresses.push_back(server.strAddress.str());
    return addresses;
}

// Fires the core's save timer as the window would, until done() holds; false after 5 s.
bool SavedSoon(CoreHarness& harness, const std::function<bool()>& done)
{
    for (int i = 0; i < 50 && !done(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (harness.view.timers.count(CMonitorCore::SAVE_TIMER))
            harness.core.TimerFired(CMonitorCore::SAVE_TIMER);
        harness.PumpUntil(done, 100);
    }
    return done();
}

// The file as it reads back, whatever line ends the platform's text mode wrote.
std::string FileText(const std::string& path)
{
    std::string text = ReadFile(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string Line(int n, const std::string& name = "Name")
{
    return "10.0.0." + std::to_string(n) + ":27910\t" + name + "\t2024-05-0" + std::to_string(n % 10) + " 21:3" +
           std::to_string(n % 10) + "\n";
}
} // namespace

TEST(RecentServers, NewestFirstEachAddressOnceAtMostTwenty)
{
    CRecentServers list;
    list.Joined("a:1", "A", "2024-01-01 10:00");
    list.Joined("b:1", "B\twith\r\na tab", "2024-01-01 11:00");
    list.Joined("a:1", "", "2024-01-02 09:00"); // a server silent at the time keeps its name
    EXPECT_EQ(Addresses(list), (std::vector<std::string>{"a:1", "b:1"}));
    EXPECT_EQ(list.Servers()[0].strName, "A");
    EXPECT_EQ(list.Servers()[0].strWhen, "2024-01-02 09:00");
    EXPECT_EQ(RecentFileText(list.Servers()),
              "a:1\tA\t2024-01-02 09:00\nb:1\tB.with..a tab\t2024-01-01 11:00\n") << "a name stays one field";
    list.Joined("", "no address", "2024-01-03 10:00");
    list.Joined("two words:1", "", "2024-01-03 10:00");
    EXPECT_EQ(list.Servers().size(), 2u);
    EXPECT_TRUE(list.Remove("b:1"));
    EXPECT_FALSE(list.Remove("b:1"));
    for (int i = 0; i < 25; ++i)
        list.Joined(("c:" + std::to_string(i)).c_str(), "C", "2024-01-04 10:00");
    ASSERT_EQ(list.Servers().size(), static_cast<size_t>(CRecentServers::MAX_SERVERS));
    EXPECT_EQ(list.Servers().front().strAddress, "c:24");
    EXPECT_EQ(list.Servers().back().strAddress, "c:5");
    EXPECT_EQ(RecentTimeText(0).GetLength(), 16) << RecentTimeText(0);
}

TEST(RecentServers, ADamagedOrOverlongFileLosesOnlyItsBadLines)
{
    std::string text = Line(1, "First \xcb\xe5\xec");
    text += "10.0.0.2:27910\tno time\n";
    text += "10.0.0.3:27910\tbad time\t2024-5-1 21:30\n";
    text += "10.0.0.4:27910\textra\tfield\t2024-05-01 21:30\n";
    text += "\tno address\t2024-05-01 21:30\n";
    text += Line(1, "again"); // an address twice: the newer line counts
    const char nul[] = "10.0.0.5:27910\tnul\0byte\t2024-05-01 21:30\n";
    text += std::string(nul, sizeof nul - 1);
    text += "10.0.0.6:27910\t" + std::string(5000, 'x') + "\t2024-05-01 21:30\n";
    text += Line(7).substr(0, Line(7).size() - 1) + "\r\n"; // CR LF
    text += "\n";
    for (int i = 10; i < 40; ++i)
        text += Line(i);
    CRecentServers list;
    list.Read(text);
    std::vector<std::string> expected = {"10.0.0.1:27910", "10.0.0.7:27910"};
    for (int i = 10; i < 28; ++i)
        expected.push_back("10.0.0." + std::to_string(i) + ":27910");
    EXPECT_EQ(Addresses(list), expected);
    EXPECT_EQ(list.Servers()[0].strName, "First \xcb\xe5\xec") << "the server's own bytes";
    EXPECT_EQ(list.Servers()[1].strWhen, "2024-05-07 21:37");

    // What is written reads back the same.
    CRecentServers again;
    again.Read(RecentFileText(list.Servers()));
    EXPECT_EQ(again.Servers(), list.Servers());

    ScratchDir dir("recent_damaged");
    WriteFile(dir.File("recent.txt"), text);
    ASSERT_TRUE(again.Load(dir.File("recent.txt").c_str()));
    EXPECT_EQ(again.Servers(), list.Servers());
    EXPECT_FALSE(again.Load(dir.File("none.txt").c_str()));
    EXPECT_TRUE(again.Servers().empty());
}

TEST(RecentServers, AJoinReachesTheFileSoonAndNothingWritesItBefore)
{
    CoreHarness harness("core_recent");
    CMonitorCore& core = harness.core;
    const std::string path = harness.dir.File("recent.txt");
    const std::string damaged = Line(1) + "damage\n";
    WriteFile(path, damaged);
    core.ReadSettings();
    core.LoadRecentServers();
    core.StartUpDone();
    ASSERT_EQ(core.RecentServers().Servers().size(), 1u);

    // Another change is saved; recent.txt is left as it is.
    core.SetThreadBudget(3);
    ASSERT_TRUE(SavedSoon(harness, [&] { return harness.StoredSetting("NumQueryThreads") == "3"; }));
    EXPECT_EQ(ReadFile(path), damaged);

    core.ServerJoined("127.0.0.1:28520", "Alpha");
    ASSERT_TRUE(SavedSoon(harness, [&] { return FileText(path) != damaged; }));
    const std::string written = FileText(path);
    EXPECT_EQ(written.substr(0, 22), "127.0.0.1:28520\tAlpha\t");
    EXPECT_EQ(written.substr(written.find('\n') + 1), Line(1)) << written;
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    core.ForgetRecentServer("127.0.0.1:28520");
    core.SaveRunState(FALSE);
    EXPECT_EQ(FileText(path), Line(1));
}
