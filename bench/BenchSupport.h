// What the query benchmarks share: a fake server fleet for the run, clocks, and one
// query driven to its completion notice.
#pragma once

#include <chrono>
#include <string>

#include "query/GameServer.h"

// Runs a fleet from scenario text through scripts/fleet.sh while the object lives.
class BenchFleet {
public:
    BenchFleet(const std::string& name, const std::string& scenario);
    ~BenchFleet();
    BenchFleet(const BenchFleet&) = delete;
    BenchFleet& operator=(const BenchFleet&) = delete;

private:
    std::string m_state;
};

// The folder below the build folder where the benchmarks keep their fleets and files.
std::string BenchDir();

// CPU seconds the whole process has used, user and system.
double ProcessCpuSeconds();

double SecondsSince(std::chrono::steady_clock::time_point start);

// The next WM_QUERYDONE notice: the record it names and the outcome, or null after 5 s.
CGameServer* WaitQueryDone(long& outcome);

// Ends the benchmark with a message (a missing fleet, a lost notice).
[[noreturn]] void BenchFail(const std::string& message);
