#include "CoreHarness.h"

#include <chrono>
#include <thread>

#include "PostedMessages.h"
#include "framework/Platform.h"
#include "framework/RowTable.h"
#include "query/QueryDone.h"
#include "ui/core/RunStateSaver.h"

namespace {
using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
}
} // namespace

CoreHarness::CoreHarness(const std::string& name)
    : dir(name), ini(dir.File("varnok.INI")), core(view, AfxGetCurrentDirectory(), CProfileFile(ini.c_str()))
{
    ReceivePostedMessagesHere();
}

CoreHarness::~CoreHarness()
{
    core.ShutDown();
    TestMessage msg;
    while (WaitPostedMessage(msg, 0)) {
    }
}

void CoreHarness::Setting(const char* pszKey, const char* pszValue)
{
    CProfileFile(ini.c_str()).WriteString(SETTINGS_SECTION, pszKey, pszValue);
}

std::string CoreHarness::StoredSetting(const char* pszKey) const
{
    return CProfileFile(ini.c_str()).GetString(SETTINGS_SECTION, pszKey, "(absent)").str();
}

void CoreHarness::AddServers(const std::vector<std::string>& addresses)
{
    for (const std::string& address : addresses)
        core.AddServer(new CGameServer(address.c_str()), FALSE);
}

void CoreHarness::AddServers(const std::vector<int>& ports)
{
    for (int nPort : ports)
        core.AddServer(new CGameServer(Address(nPort).c_str()), FALSE);
}

void CoreHarness::StartUp(const std::vector<int>& masterList)
{
    core.ReadSettings();
    AddServers(masterList);
    core.LoadServerList(core.HomeFile(SERVER_LIST_FILE));
    core.LoadBuddies();
    core.StartUpDone();
}

void CoreHarness::Close()
{
    core.BeginShutDown();
    core.ShutDown();
}

bool CoreHarness::HandOverOne(int timeoutMs)
{
    TestMessage msg;
    if (!WaitPostedMessage(msg, timeoutMs))
        return false;
    if (msg.message == WM_QUERYDONE) {
        notices.push_back(reinterpret_cast<CGameServer*>(msg.wParam));
        core.QueryDone(notices.back());
    } else if (msg.message == WM_RUNSTATESAVED) {
        ++savesEnded;
        core.RunStateSaved();
    }
    return true;
}

bool CoreHarness::PumpUntil(const std::function<bool()>& pred, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        const int nLeft = MsLeft(deadline);
        if (nLeft <= 0 || !HandOverOne(nLeft))
            return pred();
    }
    return true;
}

void CoreHarness::PumpQueued()
{
    while (HandOverOne(0)) {
    }
}

bool CoreHarness::Poll(int timeoutMs)
{
    core.StartPolling();
    return PumpUntil([this] { return !core.IsPolling(); }, timeoutMs);
}

int CoreHarness::CountQuerying()
{
    int n = 0;
    for (CGameServer* pServer : core.Servers())
        n += pServer->IsQuerying() ? 1 : 0;
    return n;
}

bool CoreHarness::WaitForQueries(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (CountQuerying() > 0) {
        if (MsLeft(deadline) <= 0)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool CoreHarness::SaveWhenDue(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const UINT nTimer = CMonitorCore::SAVE_TIMER;
    // The core sets its timer again while the save is not yet due.
    while (view.timers.count(nTimer)) {
        if (MsLeft(deadline) <= 0)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(view.timers[nTimer]));
        core.TimerFired(nTimer);
    }
    const size_t nSavedBefore = savesEnded;
    return PumpUntil([&] { return savesEnded > nSavedBefore; }, MsLeft(deadline));
}

// As the lists report a heading click: a new column ascending, the sorted one turned round.
void CoreHarness::ClickServerColumn(int nColumn)
{
    const CRowTable& rows = core.ServerRows();
    core.SortServerList(nColumn, NextSortAscending(nColumn, rows.GetSortColumn(), rows.IsSortAscending()));
}

void CoreHarness::ClickPlayerColumn(int nColumn)
{
    const CRowTable& rows = core.PlayerRows();
    core.SortPlayerList(nColumn, NextSortAscending(nColumn, rows.GetSortColumn(), rows.IsSortAscending()));
}

CGameServer* CoreHarness::Server(int nPort)
{
    for (CGameServer* pServer : core.Servers()) {
        if (pServer->GetAddress() == Address(nPort).c_str())
            return pServer;
    }
    return nullptr;
}

int CoreHarness::RowOf(int nPort)
{
    CGameServer* pServer = Server(nPort);
    return pServer ? core.ServerRows().Find(reinterpret_cast<LPARAM>(pServer)) : -1;
}

std::vector<int> CoreHarness::PortsInRowOrder()
{
    std::vector<int> ports;
    for (const std::string& address : Column(core.ServerRows(), SERVER_COLUMN_ADDRESS))
        ports.push_back(std::stoi(address.substr(address.find(':') + 1)));
    return ports;
}

std::vector<std::string> CoreHarness::Column(const CRowTable& rows, int nColumn)
{
    std::vector<std::string> texts;
    for (int i = 0; i < rows.GetCount(); ++i)
        texts.push_back(rows.GetText(i, nColumn).str());
    return texts;
}

std::vector<std::string> CoreHarness::RowTexts(int nRow)
{
    std::vector<std::string> texts;
    for (int i = 0; i < SERVER_COLUMN_COUNT; ++i)
        texts.push_back(core.ServerRows().GetText(nRow, i).str());
    return texts;
}
