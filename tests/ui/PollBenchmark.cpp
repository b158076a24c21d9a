// A poll of 2,000 fake servers with the budget 7: through the real main dialog in
// the all view, and the same queries run by the query core alone. Reports the
// poll times and the longest stretch the dialog's thread was busy.
#include "MonitorWindowTest.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "PostedMessages.h"
#include "query/QueryDone.h"

namespace {
const int kFirstPort = 29000;
const int kServers = 2000;
const int kBudget = 7;

using Clock = std::chrono::steady_clock;
double MsBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Sends the window an empty message again and again: the longest wait for the
// answer is the longest time its thread was busy at a stretch.
class BusyProbe {
public:
    explicit BusyProbe(HWND hWnd) : m_thread([this, hWnd] { Probe([hWnd] { return hWnd; }); }) {}
    // Waits for the window that findWindow() names to appear.
    explicit BusyProbe(std::function<HWND()> findWindow)
        : m_thread([this, findWindow] { Probe(findWindow); }) {}
    ~BusyProbe() { Stop(); }
    BusyProbe(const BusyProbe&) = delete;
    BusyProbe& operator=(const BusyProbe&) = delete;
    // Call on the window's thread: it keeps answering until the probe has ended.
    double Stop()
    {
        m_bStop = true;
        PumpUntil([this] { return m_bEnded.load(); }, 10000);
        if (m_thread.joinable())
            m_thread.join();
        return m_longestMs;
    }

private:
    void Probe(const std::function<HWND()>& findWindow)
    {
        HWND hWnd = nullptr;
        while (!m_bStop && !(hWnd = findWindow()))
            ::Sleep(1);
        while (!m_bStop) {
            Clock::time_point start = Clock::now();
            DWORD_PTR result = 0;
            ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            m_longestMs = std::max(m_longestMs, MsBetween(start, Clock::now()));
            ::Sleep(2);
        }
        m_bEnded = true;
    }
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bEnded{false};
    double m_longestMs = 0;
    std::thread m_thread;
};

std::string FleetLines()
{
    std::string s;
    for (int i = 0; i < kServers; ++i)
        s += "127.0.0.1:" + std::to_string(kFirstPort + i) + "\r\n";
    return s;
}

double g_dialogPollMs = 0;
} // namespace

TEST_F(MonitorWindow, DialogPollOfTwoThousandServers)
{
    ServeMasterList(FleetLines());
    Setting("NumQueryThreads", "7");
    Setting("ServerListMode", "5");
    CMonitorDlg dlg;
    // From the moment the first poll starts, inside the dialog's initialisation.
    BusyProbe firstProbe([] { return ::FindWindowA(nullptr, "Kelvane Monitor... (Polling Servers...)"); });
    Clock::time_point opened = Clock::now();
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.m_bPolling; }, 120000));
        double firstMs = MsBetween(opened, Clock::now());
        double firstBusyMs = firstProbe.Stop();
        EXPECT_EQ(dlg.m_listServers.GetItemCount(), kServers);

        BusyProbe probe(dlg.GetSafeHwnd());
        Clock::time_point start = Clock::now();
        SendCommand(dlg.GetSafeHwnd(), IDC_REFRESH_LIST);
        ASSERT_TRUE(PumpUntil([&] { return !dlg.m_bPolling; }, 120000));
        g_dialogPollMs = MsBetween(start, Clock::now());
        double busyMs = probe.Stop();
        std::printf("dialog: first poll (rows added) %.0f ms, longest busy %.0f ms\n", firstMs, firstBusyMs);
        std::printf("dialog: refresh poll %.0f ms, longest busy %.0f ms\n", g_dialogPollMs, busyMs);
        // The goals are 100 ms and 1.5 times the core alone; the bounds here are
        // looser, so that a loaded machine does not fail the run, but a return of
        // per-row repainting or re-measuring (seconds) does.
        EXPECT_LT(firstBusyMs, 300);
        EXPECT_LT(busyMs, 300);
    }, 300000);
}

// After the dialog: this takes over the main window's notices for good.
TEST(PollBenchmark, CoreAloneRunsTheSameQueries)
{
    ASSERT_GT(g_dialogPollMs, 0) << "runs after the dialog's poll";
    ReceivePostedMessagesHere();
    std::vector<std::unique_ptr<CGameServer>> servers;
    for (int i = 0; i < kServers; ++i)
        servers.push_back(std::make_unique<CGameServer>(CString(("127.0.0.1:" + std::to_string(kFirstPort + i)).c_str())));

    Clock::time_point start = Clock::now();
    int nNext = 0, nDone = 0;
    for (; nNext < kBudget; ++nNext)
        ASSERT_TRUE(servers[nNext]->StartQuery());
    while (nDone < kServers) {
        TestMessage msg;
        ASSERT_TRUE(WaitPostedMessage(msg, 5000));
        if (msg.message != WM_QUERYDONE)
            continue;
        ++nDone;
        if (nNext < kServers)
            ASSERT_TRUE(servers[nNext++]->StartQuery());
    }
    double coreMs = MsBetween(start, Clock::now());
    std::printf("core alone: %.0f ms; dialog / core = %.2f\n", coreMs, g_dialogPollMs / coreMs);
    EXPECT_LT(g_dialogPollMs, 3 * coreMs);
}
