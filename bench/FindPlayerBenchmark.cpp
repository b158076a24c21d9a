// Find Player over 16,000 players: what each keystroke costs the window.
#include "MonitorWindowTest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "CoreHarness.h"
#include "ui/dialogs/FindPlayerDlg.h"

// 2,000 servers of 8 players each; every keystroke of a name typed letter by
// letter, and then erased, must show its matches within 100 ms. The sequence runs
// three times and each keystroke counts with its best time: what it costs, apart
// from what other programs take of a loaded machine meanwhile.
TEST(FindPlayerBenchmark, EachKeystrokeOver16000PlayersTakesUnder100Ms)
{
    CoreHarness harness("find_player_benchmark");
    for (int i = 0; i < 2000; ++i) {
        auto* pServer = harness.core.AddServer(
            new CGameServer(CString(("10.1.0.1:" + std::to_string(20000 + i)).c_str())), FALSE);
        std::string reply = "\xFF\xFF\xFF\xFFprint\n\\hostname\\Server " + std::to_string(i) + "\\game\\kelvane\n";
        for (int p = 0; p < 8; ++p)
            reply += std::to_string(p) + " " + std::to_string(30 + p) + " \"Player" + std::to_string(i * 8 + p) + "\"\n";
        ASSERT_TRUE(pServer->ParseStatusReply(reply.c_str(), 40));
    }

    const std::string strName = "player15999";
    std::vector<std::string> keystrokes;
    for (size_t n = 1; n <= strName.size(); ++n)
        keystrokes.push_back(strName.substr(0, n));
    for (size_t n = strName.size(); n-- > 0;)
        keystrokes.push_back(strName.substr(0, n));
    std::vector<double> best(keystrokes.size(), 1e9), all;
    CFindPlayerDlg dlg(harness.core, nullptr);
    RunModal(dlg, [&](CDialog& find) {
        HWND hFind = find.GetSafeHwnd();
        HWND hList = GetDlgItem(hFind, IDC_FIND_MATCHES);
        for (int nRun = 0; nRun < 3; ++nRun) {
            for (size_t i = 0; i < keystrokes.size(); ++i) {
                auto start = std::chrono::steady_clock::now();
                SetDlgItemTextA(hFind, IDC_FIND_TEXT, keystrokes[i].c_str());
                UpdateWindow(hList); // the rows in view drawn
                double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                best[i] = std::min(best[i], ms);
                all.push_back(ms);
            }
            EXPECT_EQ(ListView_GetItemCount(hList), 16000);
        }
        SetDlgItemTextA(hFind, IDC_FIND_TEXT, strName.c_str());
        EXPECT_EQ(ListView_GetItemCount(hList), 1);
    });
    std::sort(all.begin(), all.end());
    const double worstBest = *std::max_element(best.begin(), best.end());
    std::printf("find player: %zu keystrokes over 16,000 players: median %.1f ms, max %.1f ms; "
                "slowest keystroke at its best %.1f ms\n",
                all.size(), all[all.size() / 2], all.back(), worstBest);
    EXPECT_LT(worstBest, 100.0);
}
