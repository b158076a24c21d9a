#include "BenchSupport.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/MainWindow_posix.h"
#include "query/QueryDone.h"

BenchFleet::BenchFleet(const std::string& name, const std::string& scenario)
    : m_state(BenchDir() + "/" + name)
{
    std::filesystem::create_directories(m_state);
    std::string scenarioPath = m_state + ".scenario";
    std::ofstream(scenarioPath) << scenario;
    // A fleet that the benchmark fails to stop still ends within two minutes.
    std::string command = "KELVANE_FLEET_LIFETIME=120 bash " KELVANE_SOURCE_DIR "/scripts/fleet.sh start " +
                          scenarioPath + " " + m_state;
    if (std::system(command.c_str()) != 0) BenchFail("the fake server fleet did not start");
}

BenchFleet::~BenchFleet()
{
    std::string command = "bash " KELVANE_SOURCE_DIR "/scripts/fleet.sh stop " + m_state;
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not stop the fleet in %s\n", m_state.c_str());
}

std::string BenchDir()
{
    return KELVANE_BINARY_DIR "/bench-fleet";
}

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

CGameServer* WaitQueryDone(long& outcome)
{
    PostedMessage message{};
    while (AfxWaitPostedMessage(message, 5000)) {
        if (message.message != WM_QUERYDONE) continue;
        outcome = static_cast<long>(message.lParam);
        return reinterpret_cast<CGameServer*>(message.wParam);
    }
    return nullptr;
}

void BenchFail(const std::string& message)
{
    std::fprintf(stderr, "benchmark failed: %s\n", message.c_str());
    std::exit(1);
}
