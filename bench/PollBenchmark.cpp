// The monitor under Wine against the fake fleet of bench.scenario: a poll of 2,000
// servers with the budget 7 through the real main dialog in the all view, beside
// the same queries by the query core alone and by the bare socket calls; spread
// reply delays against the budget's bound; the ping against the delay the server
// applied; start-up with many rows; filter changes over 2,000 rows; an evening of
// polls of its own while watching for games. Each case runs
// on its own (--gtest_filter),
// prints its figures and fails only where a figure is off by far more than a
// loaded machine explains.
#include "MonitorWindowTest.h"

#include "BusyProbe.h"
#include "ProcessFigures.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <sstream>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <queue>
#include <thread>

#include "PostedMessages.h"
#include "query/QueryDone.h"
#include "query/StatusExchange.h"

namespace {
const int kFirstPort = 29000;
const int kServers = 2000;
const int kBudget = 7;

std::string FleetLines()
{
    std::string s;
    for (int i = 0; i < kServers; ++i)
        s += "127.0.0.1:" + std::to_string(kFirstPort + i) + "\r\n";
    return s;
}

// Polls servers [nFirst, nFirst + nCount) with the budget as the dialog does, by the
// query core alone: the next query starts as each notice arrives. Milliseconds.
double CorePoll(int nFirst, int nCount)
{
    std::vector<std::unique_ptr<CGameServer>> servers;
    for (int i = 0; i < nCount; ++i)
        servers.push_back(std::make_unique<CGameServer>(CString(("127.0.0.1:" + std::to_string(nFirst + i)).c_str())));
    Clock::time_point start = Clock::now();
    int nNext = 0, nDone = 0;
    for (; nNext < kBudget && nNext < nCount; ++nNext)
        EXPECT_TRUE(servers[nNext]->StartQuery());
    while (nDone < nCount) {
        TestMessage msg;
        if (!WaitPostedMessage(msg, 5000)) {
            ADD_FAILURE() << "a notice was lost";
            return 0;
        }
        if (msg.message != WM_QUERYDONE)
            continue;
        ++nDone;
        if (nNext < nCount) {
            EXPECT_TRUE(servers[nNext++]->StartQuery());
        }
    }
    return MsBetween(start, Clock::now());
}

// The replies.log lines beside the fleet's request log: port and applied delay (ms).
std::vector<std::pair<int, double>> AppliedDelays()
{
    std::string strPath = Env("KELVANE_FLEET_LOG");
    strPath = strPath.substr(0, strPath.rfind('/') + 1) + "replies.log";
    std::istringstream log(ReadText(strPath));
    std::vector<std::pair<int, double>> delays;
    std::string line, client;
    while (std::getline(log, line)) {
        std::istringstream fields(line);
        int nPort = 0;
        long long nUs = 0;
        if (fields >> nPort >> client >> nUs)
            delays.emplace_back(nPort, nUs / 1000.0);
    }
    return delays;
}

// What the socket calls that every query must make cost on this system, and no
// more: budget threads, each querying the next server with a fresh connected
// socket, one send, one wait and one receive. No record, no parse, no notice.
double BareSocketPoll(int nFirst, int nCount)
{
    std::atomic<int> next{0}, answered{0};
    Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int t = 0; t < kBudget; ++t)
        threads.emplace_back([&] {
            for (int i; (i = next++) < nCount;) {
                SOCKET s = ::socket(AF_INET, SOCK_DGRAM, 0);
                sockaddr_in peer = {};
                peer.sin_family = AF_INET;
                peer.sin_port = htons(static_cast<u_short>(nFirst + i));
                peer.sin_addr.s_addr = inet_addr("127.0.0.1");
                fd_set readable;
                FD_ZERO(&readable);
                FD_SET(s, &readable);
                timeval timeout = {0, PING_NOT_ANSWERING * 1000};
                char reply[STATUS_REPLY_SIZE];
                if (::connect(s, reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0
                    && ::send(s, STATUS_REQUEST, sizeof STATUS_REQUEST, 0) == sizeof STATUS_REQUEST
                    && ::select(0, &readable, nullptr, nullptr, &timeout) > 0
                    && ::recv(s, reply, sizeof reply, 0) > 0)
                    ++answered;
                ::closesocket(s);
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(answered, nCount);
    return MsBetween(start, Clock::now());
}
} // namespace

TEST_F(MonitorWindow, DialogPollOfTwoThousandServers)
{
    ServeMasterList(FleetLines());
    Setting("NumQueryThreads", "7");
    Setting("ServerListMode", "5");
    CMonitorDlg dlg;
    // From the moment the first poll starts, inside the dialog's initialisation.
    double dialogMs = 0;
    BusyProbe firstProbe([] { return ::FindWindowA(nullptr, "Kelvane Monitor... (Polling Servers...)"); });
    Clock::time_point opened = Clock::now();
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
        double firstMs = MsBetween(opened, Clock::now());
        double firstBusyMs = firstProbe.Stop();
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), kServers);

        BusyProbe probe(dlg.GetSafeHwnd());
        Clock::time_point start = Clock::now();
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
        dialogMs = MsBetween(start, Clock::now());
        double busyMs = probe.Stop();
        std::printf("dialog: first poll (rows added) %.0f ms, longest busy %.0f ms\n", firstMs, firstBusyMs);
        std::printf("dialog: refresh poll %.0f ms, longest busy %.0f ms\n", dialogMs, busyMs);
        // The goals are 100 ms and 1.5 times the core alone; the bounds here are
        // looser, so that a loaded machine does not fail the run, but a return of
        // per-row repainting or re-measuring (seconds) does.
        EXPECT_LT(firstBusyMs, 300);
        EXPECT_LT(busyMs, 300);
    }, 300000);
    ASSERT_GT(dialogMs, 0);

    // The same queries without the window, once the dialog has ended: the notices
    // come here now.
    ReceivePostedMessagesHere();
    double coreMs = CorePoll(kFirstPort, kServers);
    double bareMs = BareSocketPoll(kFirstPort, kServers);
    std::printf("core alone: %.0f ms; dialog / core = %.2f\n", coreMs, dialogMs / coreMs);
    std::printf("bare sockets: %.0f ms (the socket calls alone, budget threads); core / bare = %.2f\n", bareMs,
                coreMs / bareMs);
    // The 64-bit build runs only on hosts whose Wine cannot start 32-bit code; its
    // window thread measured 3.3 to 3.8 times the core alone there, before and after
    // the window's work moved to the core, against 1.1 to 2 for the program players run.
#ifdef _WIN64
    const double dialogBound = 5;
#else
    const double dialogBound = 3;
#endif
    EXPECT_LT(dialogMs, dialogBound * coreMs);
    EXPECT_LT(coreMs, 3 * bareMs);
}

// Start-up with many favourites in serverlist.txt, all ignored, so that the first
// poll, which finishes every one of them at once, is a row lookup per record: the
// time until the window shows and until that poll has ended.
TEST_F(MonitorWindow, StartUpWithManyRows)
{
    ServeMasterList("");
    Setting("ServerListMode", "5");
    for (int nRows : {5000, 10000, 20000, 40000}) {
        std::string file;
        for (int i = 0; i < nRows; ++i)
            file += "127.0.0.1:" + std::to_string(10000 + i) + "\nStored\nhttp://x.example/\n1\n1\n";
        WriteFile("serverlist.txt", file);
        CMonitorDlg dlg;
        Clock::time_point start = Clock::now();
        double shownMs = 0, polledMs = 0;
        RunAndClose(dlg, [&] {
            ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(dlg.GetSafeHwnd()) != FALSE; }, 120000));
            shownMs = MsBetween(start, Clock::now());
            ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
            polledMs = MsBetween(start, Clock::now());
            EXPECT_EQ(dlg.m_listServers.GetItemCount(), nRows);
        }, 300000);
        std::printf("rows: %d favourites, window shown after %.0f ms, first poll over after %.0f ms\n", nRows, shownMs,
                    polledMs);
    }
}

// 300 servers with reply delays of 10-150 ms, every tenth silent: against the
// shortest poll the budget allows, (sum of delays + 750 ms per silent server) / budget,
// and against the poll that costs nothing but the delays: queries started in list
// order, each as soon as a slot is free. That one is longer than the bound, because
// the last queries leave slots idle.
TEST(PollBenchmark, SpreadDelaysAgainstTheBudgetBound)
{
    ReceivePostedMessagesHere();
    const int nFirst = 31000, nCount = 300;
    double boundMs = 0;
    std::priority_queue<double, std::vector<double>, std::greater<double>> slotsFreeAt;
    for (int i = 0; i < kBudget; ++i)
        slotsFreeAt.push(0);
    double idealMs = 0;
    for (int i = 0; i < nCount; ++i) {
        double delayMs = i % 10 == 9 ? PING_NOT_ANSWERING : 10 + (i * 37) % 141; // as bench.scenario
        boundMs += delayMs;
        double doneMs = slotsFreeAt.top() + delayMs;
        slotsFreeAt.pop();
        slotsFreeAt.push(doneMs);
        idealMs = std::max(idealMs, doneMs);
    }
    boundMs /= kBudget;
    double pollMs = CorePoll(nFirst, nCount);
    std::printf("spread: %d servers in %.0f ms, bound %.0f ms, ratio %.3f; delays alone in list order %.0f ms, "
                "ratio %.3f\n",
                nCount, pollMs, boundMs, pollMs / boundMs, idealMs, pollMs / idealMs);
    EXPECT_LT(pollMs, 2 * idealMs);
}

// One query at a time to servers replying after 0, 20 and 100 ms: the ping set
// against the delay each reply really waited at the server.
TEST(PollBenchmark, PingAgainstTheAppliedDelay)
{
    ReceivePostedMessagesHere();
    const int kPorts[] = {27990, 27991, 27992};
    const int kQueries = 50;
    std::vector<std::pair<int, DWORD>> pings;
    for (int nPort : kPorts) {
        CGameServer server(CString(("127.0.0.1:" + std::to_string(nPort)).c_str()));
        for (int i = 0; i < kQueries; ++i) {
            ASSERT_TRUE(server.StartQuery());
            TestMessage msg;
            while (WaitPostedMessage(msg, 5000) && msg.message != WM_QUERYDONE) {
            }
            ASSERT_EQ(msg.message, static_cast<UINT>(WM_QUERYDONE));
            ASSERT_EQ(msg.lParam, QUERY_ACCEPTED);
            pings.emplace_back(nPort, server.GetPing());
        }
    }
    ::Sleep(100); // the fleet's log lines are flushed as they are written
    std::vector<std::pair<int, double>> applied = AppliedDelays();
    for (int nPort : kPorts) {
        std::vector<double> delays, shown;
        for (auto& entry : applied)
            if (entry.first == nPort)
                delays.push_back(entry.second);
        for (auto& entry : pings)
            if (entry.first == nPort)
                shown.push_back(entry.second);
        // Earlier runs against the same fleet come first in its log.
        ASSERT_GE(delays.size(), shown.size());
        delays.erase(delays.begin(), delays.end() - static_cast<long>(shown.size()));
        double sum = 0, worst = -1e9, sumAbs = 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            double over = shown[i] - delays[i];
            sum += over;
            sumAbs += std::fabs(over);
            worst = std::max(worst, over);
        }
        std::printf("ping: port %d, ping minus applied delay: mean %+.2f ms, mean |error| %.2f ms, max %+.2f ms (%zu)\n",
                    nPort, sum / shown.size(), sumAbs / shown.size(), worst, shown.size());
        EXPECT_LT(sumAbs / shown.size(), 75) << nPort; // the delays themselves are 0-100 ms
    }
}

// A save of 40,000 records must not stall the window. The budget button starts
// it: unlike a right click, it changes no row, so the column sizing that follows
// a row's change on a long list is not counted as the save's. Reports the longest
// stretch the dialog's thread left a message unanswered until the file was in place.
TEST_F(MonitorWindow, SaveOfFortyThousandRecords)
{
    const int nRecords = 40000;
    ServeMasterList("");
    Setting("ServerListMode", "5");
    std::string file;
    for (int i = 0; i < nRecords; ++i)
        file += "127.0.0.1:" + std::to_string(10000 + i) + "\nStored favourite\nhttp://x.example/\n1\n1\n";
    WriteFile("serverlist.txt", file);
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
        std::filesystem::remove("serverlist.txt");
        // The start-up's column sizing of the rows is done first.
        PumpUntil([] { return false; }, 2000);
        BusyProbe probe(dlg.GetSafeHwnd());
        Clock::time_point start = Clock::now();
        SendCommand(dlg.GetSafeHwnd(), IDC_THREADS1);
        ASSERT_TRUE(PumpUntil([] { return std::filesystem::exists("serverlist.txt"); }, 60000));
        double savedMs = MsBetween(start, Clock::now());
        double busyMs = probe.Stop();
        std::printf("save: %d records in serverlist.txt %.0f ms after the change, longest busy meanwhile %.0f ms\n",
                    nRecords, savedMs, busyMs);
        // The goal is 100 ms; the bound is looser so that a loaded machine does not
        // fail the run, but a save on the window's thread (seconds) does.
        EXPECT_LT(busyMs, 300);
        EXPECT_EQ(ReadText("serverlist.txt"), file);
    }, 300000);
}

// The filters over 2,000 rows, all empty servers named "Fake server <port>": a
// check box that hides every row and brings them back, then keystrokes in the
// text filter that each change which rows stay. The longest stretch the window
// leaves a message unanswered from the change until its deferred repaint and
// column sizing are done.
TEST_F(MonitorWindow, FilterChangesOverTwoThousandServers)
{
    ServeMasterList(FleetLines());
    Setting("NumQueryThreads", "7");
    Setting("ServerListMode", "5");
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
        ASSERT_EQ(dlg.m_listServers.GetItemCount(), kServers);
        PumpMessagesFor(2000); // the start-up's column sizing
        ::SendMessageA(dlg.GetSafeHwnd(), WM_COMMAND, ID_FILTER_SERVERS, 0);
        HWND hFilter = ::FindWindowA(nullptr, "Filter Servers");
        ASSERT_TRUE(hFilter);
        HWND hText = ::GetDlgItem(hFilter, IDC_FILTER_TEXT);
        double worstMs = 0;
        const auto measure = [&](const char* what, const std::function<void()>& change) {
            BusyProbe probe(dlg.GetSafeHwnd());
            PumpMessagesFor(100);
            change();
            PumpMessagesFor(800);
            const double busyMs = probe.Stop();
            worstMs = std::max(worstMs, busyMs);
            std::printf("filter: %s, %d rows shown, longest busy %.0f ms\n", what, dlg.m_listServers.GetItemCount(),
                        busyMs);
        };
        measure("hide empty servers", [&] { ClickButton(hFilter, IDC_FILTER_EMPTY); });
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), 0);
        measure("show them again", [&] { ClickButton(hFilter, IDC_FILTER_EMPTY); });
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), kServers);
        const struct { WPARAM key; const char* what; } keys[] = {
            {'2', "keystroke '2'"}, {'9', "keystroke '9' (\"29\")"}, {'9', "keystroke '9' (\"299\")"},
            {VK_BACK, "backspace (\"29\")"}, {VK_BACK, "backspace (\"2\")"}, {VK_BACK, "backspace (none)"},
        };
        for (const auto& key : keys)
            measure(key.what, [&] { ::SendMessageA(hText, WM_CHAR, key.key, 0); });
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), kServers);
        // The goal is 100 ms; the bound is looser so that a loaded machine does not
        // fail the run, but a filter that rebuilt every row's texts would.
        EXPECT_LT(worstMs, 300);
    }, 300000);
}

// An evening of watching for games: 20 polls of its own over 300 servers, the
// notification-area icon's tooltip changed after each. Memory, threads and
// handles after the last poll against those after the fifth.
TEST_F(MonitorWindow, WatchedEveningOfTwentyPolls)
{
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += "127.0.0.1:" + std::to_string(kFirstPort + i) + "\r\n";
    ServeMasterList(lines);
    Setting("NumQueryThreads", "7");
    Setting("WatchForGames", "1");
    WriteFile("buddies.txt", "alice\n*bot\n");
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
        ProcessFigures first;
        Clock::time_point start = Clock::now();
        for (int nPoll = 1; nPoll <= 20; ++nPoll) {
            // The watch's timer, without its minutes.
            ::SendMessageA(dlg.GetSafeHwnd(), WM_TIMER, CMonitorCore::WATCH_TIMER, 0);
            ASSERT_TRUE(dlg.Core().IsPolling());
            ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, 120000));
            // The query threads end just after their notices.
            PumpMessagesFor(300);
            const ProcessFigures now = MeasureProcess();
            // Wine's own one-time allocations are over by then.
            if (nPoll == 5)
                first = now;
            if (nPoll == 5 || nPoll == 20)
                std::printf("watch: after poll %d, private %zu KB, %lu threads, %lu handles\n", nPoll,
                            static_cast<size_t>(now.privateKb), now.threads, now.handles);
            if (nPoll == 20) {
                EXPECT_LT(now.privateKb, first.privateKb + 1024) << "memory grows with the polls";
                EXPECT_LE(now.threads, first.threads + 2) << "threads outlive their polls";
                EXPECT_LE(now.handles, first.handles + 10) << "handles leak with the polls";
            }
        }
        std::printf("watch: 20 polls of 300 servers in %.0f ms\n", MsBetween(start, Clock::now()));
    }, 300000);
}
