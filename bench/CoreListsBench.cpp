// What the core itself spends on the user's actions over a long server list, without
// a window: 2,000 and 40,000 favourites, half of them with a reply of two players
// and half silent, as bench/HeavyListBenchmark.cpp gives the window under Wine.
// Each action's best of three runs, in milliseconds.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "CoreHarness.h"
#include "query/InfoPairs.h"
#include "ui/core/ListMode.h"
#include "ui/core/PlayerSearch.h"

namespace {
using Clock = std::chrono::steady_clock;

double BestMs(const std::function<void()>& action, const std::function<void()>& reset = {})
{
    double best = 1e9;
    for (int nRun = 0; nRun < 3; ++nRun) {
        if (reset)
            reset();
        const Clock::time_point start = Clock::now();
        action();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

void Report(int nRows, const char* pszWhat, double ms)
{
    std::printf("core: %d rows, %-36s %8.2f ms\n", nRows, pszWhat, ms);
}

void Run(int nRows)
{
    CoreHarness h("core_lists_bench_" + std::to_string(nRows));
    CMonitorCore& core = h.core;
    core.ReadSettings();
    for (int i = 0; i < nRows; ++i) {
        CGameServer* pServer = core.AddServer(
            new CGameServer(("10.2." + std::to_string(i / 250) + "." + std::to_string(i % 250) + ":27910").c_str()),
            FALSE);
        pServer->SetFavorite(1);
        if (i % 2 == 0) {
            std::string reply = "\xFF\xFF\xFF\xFFprint\n\\hostname\\Server " + std::to_string(i) + "\\mapname\\q2dm" +
                                std::to_string(i % 8) + "\\game\\kelvane\\maxclients\\16\n";
            for (int p = 0; p < 2; ++p)
                reply += std::to_string(p * 3) + " " + std::to_string(30 + p) + " \"Player" + std::to_string(i * 2 + p) + "\"\n";
            pServer->ParseStatusReply(reply.c_str(), 20 + i % 300);
        }
    }
    const double loadMs = BestMs([&] {
        CRowTable::CBatch batch(core.ServerRows());
        for (CGameServer* pServer : core.Servers())
            core.UpdateServerItem(pServer);
        core.ServerRows().Resort();
    });
    Report(nRows, "every record shown (start-up)", loadMs);
    core.StartUpDone();

    // Each from another sort, as a click on a heading comes.
    const auto otherSort = [&] { core.SortServerList(SERVER_COLUMN_MAP, TRUE); };
    Report(nRows, "sort servers by name", BestMs([&] { core.SortServerList(SERVER_COLUMN_NAME, TRUE); }, otherSort));
    Report(nRows, "sort servers by address",
           BestMs([&] { core.SortServerList(SERVER_COLUMN_ADDRESS, TRUE); }, otherSort));
    Report(nRows, "sort servers by ping", BestMs([&] { core.SortServerList(SERVER_COLUMN_PING, TRUE); }, otherSort));
    core.UpdateServerItem(core.ServerRows().GetKey(0) ? reinterpret_cast<CGameServer*>(core.ServerRows().GetKey(0))
                                                      : core.Servers().GetAt(0));
    Report(nRows, "sort players by name", BestMs([&] { core.SortPlayerList(PLAYER_COLUMN_NAME, TRUE); }));

    CGameServer* pFirst = core.Servers().GetAt(0);
    Report(nRows, "right click (one step of the cycle)", BestMs([&] { core.CycleMarks(pFirst); }));

    Report(nRows, "list mode all->active", BestMs([&] { core.ShowListMode(LIST_MODE_ACTIVE); },
                                                   [&] { core.ShowListMode(LIST_MODE_ALL); }));
    Report(nRows, "list mode active->favourites", BestMs([&] { core.ShowListMode(LIST_MODE_FAVORITES); },
                                                          [&] { core.ShowListMode(LIST_MODE_ACTIVE); }));
    Report(nRows, "list mode favourites->all", BestMs([&] { core.ShowListMode(LIST_MODE_ALL); },
                                                       [&] { core.ShowListMode(LIST_MODE_FAVORITES); }));
    Report(nRows, "list mode active->all", BestMs([&] { core.ShowListMode(LIST_MODE_ALL); },
                                                   [&] { core.ShowListMode(LIST_MODE_ACTIVE); }));

    // Find Player as its window opens, then a search.
    Report(nRows, "Find Player: every server's players", BestMs([&] {
        CPlayerSearch search;
        search.Load(core.Servers());
        search.SetText("");
    }));
    CPlayerSearch search;
    search.Load(core.Servers());
    Report(nRows, "Find Player: search \"player12\"", BestMs([&] { search.SetText("player12"); }));
    Report(nRows, "Find Player: a reply while open", BestMs([&] { search.Update(pFirst, pFirst->GetStatus()); }));
    Report(nRows, "Find Player: sort by server", BestMs([&] { search.Sort(FIND_COLUMN_SERVER, TRUE); }));

    // Server Details reads one record: its status and pairs.
    Report(nRows, "Server Details: one record's pairs", BestMs([&] {
        const CServerStatus status = pFirst->GetStatus();
        if (status.m_pInfo)
            SplitInfoPairs(*status.m_pInfo);
    }));
}
} // namespace

int main()
{
    for (int nRows : {2000, 40000})
        Run(nRows);
    return 0;
}
