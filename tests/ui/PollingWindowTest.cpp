// Polls of the real main dialog against the fake game servers, and the master
// list fetched from the local web server.
#include "MonitorWindowTest.h"

#include <algorithm>

namespace {
// The most requests inside any window shorter than the servers' reply delay: the
// queries that were in flight together.
int MostInFlight(std::vector<double> times, double windowMs)
{
    std::sort(times.begin(), times.end());
    int nMost = 0;
    for (size_t i = 0; i < times.size(); ++i) {
        auto end = std::lower_bound(times.begin() + i, times.end(), times[i] + windowMs);
        nMost = std::max(nMost, static_cast<int>(end - (times.begin() + i)));
    }
    return nMost;
}

std::vector<std::string> Addresses(CMonitorDlg& dlg)
{
    std::vector<std::string> addresses;
    for (CGameServer* pServer : dlg.Core().Servers())
        addresses.push_back(static_cast<const char*>(pServer->GetAddress()));
    return addresses;
}
} // namespace

class PollBudget : public MonitorWindow, public ::testing::WithParamInterface<int> {};

// Each budget polls its own ten servers, which answer after 300 ms.
TEST_P(PollBudget, KeepsNoMoreQueriesInFlightThanTheBudget)
{
    const int nBudget = GetParam();
    const int nFirst = nBudget == 1 ? 28310 : nBudget == 3 ? 28320 : 28330;
    std::string list;
    for (int i = 0; i < 10; ++i)
        list += Address(nFirst + i) + "\r\n";
    ServeMasterList(list);
    Setting("NumQueryThreads", std::to_string(nBudget).c_str());
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), 10);
    }, 10000);
    std::vector<double> times = RequestTimes(nFirst, nFirst + 9);
    ASSERT_EQ(times.size(), 10u);
    EXPECT_EQ(MostInFlight(times, 280), nBudget);
}

INSTANTIATE_TEST_SUITE_P(Budgets, PollBudget, ::testing::Values(1, 3, 7));

TEST_F(MonitorWindow, APollOfNothingEndsAtOnce)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_STATUS)->GetSafeHwnd()), "Ready");
        EXPECT_EQ(WindowText(dlg), "Kelvane Monitor... (0 Servers, 0 Players Online) Now showing all servers.");
        EXPECT_FALSE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        EXPECT_FALSE(dlg.Core().IsPolling());
    }, 2000);
}

// However the clicks on a slow server (600 ms) and their notices fall, a poll
// that follows counts only its own notices: it ends when its query of that
// server has answered, and the poll after it is whole again.
TEST_F(MonitorWindow, AClickedQueryNeverCountsAgainstAPoll)
{
    ServeMasterList(Lines({28340, 28300}));
    RunAfterFirstPoll([&](CMonitorDlg& dlg) {
        int nSlow = dlg.m_listServers.GetItemText(0, 5) == Address(28340).c_str() ? 0 : 1;
        auto* pSlow = reinterpret_cast<CGameServer*>(dlg.m_listServers.GetItemData(nSlow));
        auto click = [&] { ClickRow(dlg.m_listServers, nSlow, NM_CLICK); };
        // Sleeping holds the notices of ended queries in the queue; pumping takes them.
        auto queryEnds = [] { ::Sleep(900); };
        auto noticesTaken = [] { PumpMessagesFor(30); };
        struct {
            const char* what;
            std::vector<std::function<void()>> steps;
        } cases[] = {
            {"the clicked query still runs", {click}},
            {"its notice is still queued", {click, queryEnds}},
            {"a second click, both notices queued", {click, queryEnds, click, queryEnds}},
            {"a second click, its notice queued", {click, queryEnds, click, noticesTaken, queryEnds}},
            {"a second click, its query still runs", {click, queryEnds, click, noticesTaken}},
        };
        auto pollMs = [&] {
            auto start = std::chrono::steady_clock::now();
            SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
            EXPECT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 3000));
            EXPECT_FALSE(pSlow->IsQuerying()) << "the poll ended before its query of the slow server";
            return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        };
        for (auto& c : cases) {
            for (auto& step : c.steps)
                step();
            EXPECT_GT(pollMs(), 450) << c.what << ": the poll ended on a clicked query's notice";
            int nBefore = RequestsPerPort()[28300];
            EXPECT_GT(pollMs(), 450) << c.what << ": the next poll";
            EXPECT_EQ(RequestsPerPort()[28300], nBefore + 1) << c.what;
            PumpMessagesFor(100);
        }
    });
}

TEST_F(MonitorWindow, MasterListLinesEndOnlyAtCrLf)
{
    // Host names resolve from the hosts file; the odd line is ignored through the
    // local list, so that no query leaves this machine.
    ServeMasterList("127.0.0.1:28300\r\n\r\n127.0.0.1:28301\r\n127.0.0.1:28300\r\nlocalhost:28305\r\n"
                    "LOCALHOST:28305\r\n 127.0.0.1:abc\r\n127.0.0.1:28302",
                    "News one\r\nNews two\r\n");
    WriteFile("serverlist.txt", " 127.0.0.1:27910\n\n\n0\n1\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), (std::vector<std::string>{"127.0.0.1:28300", "127.0.0.1:28301", "localhost:28305",
                                                            "LOCALHOST:28305", " 127.0.0.1:27910",
                                                            "127.0.0.1:28302"}));
        EXPECT_STREQ(dlg.m_strNews, "News one\r\nNews two\r\n");
    }, 10000);

    // Bare line feeds: one line, one record, whose port text runs on.
    ServeMasterList("127.0.0.1:28300\n127.0.0.1:28301\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300\n127.0.0.1:28301\n"});
    }, 10000);
}

TEST_F(MonitorWindow, NewsBeyondOneTickerLineIsCut)
{
    ServeMasterList("", std::string(40000, 'n'));
    RunAfterFirstPoll([](CMonitorDlg& dlg) { EXPECT_EQ(dlg.m_strNews.GetLength(), 32000); });
}

TEST_F(MonitorWindow, AFailedMasterListFetchStartsFromTheLocalListAlone)
{
    WriteFile("serverlist.txt", "127.0.0.1:28300\nStored\nhttp://x.example/\n1\n0\n");
    UseWebPath("status/500/");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300"});
        EXPECT_STREQ(dlg.m_strNews, "");
    });

    // A web server that never answers costs its time-out, not the start-up.
    UseWebPath("hang/");
    auto start = std::chrono::steady_clock::now();
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300"});
    }, 30000);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 25000);
}

TEST_F(MonitorWindow, TheStatusLineMakesRoomForTheProgressBarWhileAPollRuns)
{
    ServeMasterList(Lines({28340}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        auto rightOf = [&](int nID) {
            CRect rect;
            ::GetWindowRect(::GetDlgItem(dlg.GetSafeHwnd(), nID), &rect);
            dlg.ScreenToClient(&rect);
            return rect.right;
        };
        EXPECT_EQ(rightOf(IDC_STATUS), rightOf(IDC_SERVER_LIST) - 1);
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        EXPECT_TRUE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        EXPECT_EQ(rightOf(IDC_STATUS), rightOf(IDC_PLAYER_LIST));
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 3000));
        EXPECT_FALSE(IsWindowVisible(dlg.m_progress.GetSafeHwnd()));
        EXPECT_EQ(rightOf(IDC_STATUS), rightOf(IDC_SERVER_LIST) - 1);
    });
}
