#include "CoreHarness.h"

#include <chrono>

#include "PostedMessages.h"
#include "query/QueryDone.h"
#include "ui/core/RunStateSaver.h"

CoreHarness::CoreHarness(const std::string& name)
    : dir(name), ini(dir.File("varnok.INI")), core(view, dir.Path().c_str(), CProfileFile(ini.c_str()))
{
    ReceivePostedMessagesHere();
}

CoreHarness::~CoreHarness() = default;

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

bool CoreHarness::PumpUntil(const std::function<bool()>& pred, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        TestMessage msg;
        if (left.count() <= 0 || !WaitPostedMessage(msg, static_cast<int>(left.count())))
            return pred();
        if (msg.message == WM_QUERYDONE)
            core.QueryDone(reinterpret_cast<CGameServer*>(msg.wParam));
        else if (msg.message == WM_RUNSTATESAVED)
            core.RunStateSaved();
    }
    return true;
}

bool CoreHarness::Poll(int timeoutMs)
{
    core.StartPolling();
    return PumpUntil([this] { return !core.IsPolling(); }, timeoutMs);
}

std::vector<std::string> CoreHarness::Column(const CRowTable& rows, int nColumn)
{
    std::vector<std::string> texts;
    for (int i = 0; i < rows.GetCount(); ++i)
        texts.push_back(rows.GetText(i, nColumn).str());
    return texts;
}
