// How close the measured ping comes to a server's real reply delay, and what waiting
// on silent servers costs the process in CPU time.
#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "query/QueryDone.h"
#include "query/StatusExchange.h"

namespace {

const int kQueriesPerDelay = 50;
const int kSilentServers = 20;
const unsigned kDelays[] = {0, 20, 100};
const int kFirstPort = 29000;       // one server per delay
const int kFirstSilentPort = 29010; // then the silent ones

std::string Address(int port)
{
    return "127.0.0.1:" + std::to_string(port);
}

// The control: one request from a plain blocking socket, timed in microseconds, so that
// the fleet's and the machine's own lateness can be told from the query's.
double RawRoundTripMs(int port)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    auto start = std::chrono::steady_clock::now();
    sendto(fd, STATUS_REQUEST, sizeof STATUS_REQUEST, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    pollfd wait{fd, POLLIN, 0};
    char buffer[4096];
    bool answered = poll(&wait, 1, 2000) == 1 && recv(fd, buffer, sizeof buffer, 0) > 0;
    double ms = SecondsSince(start) * 1000;
    close(fd);
    if (!answered) BenchFail("the control request got no reply");
    return ms;
}

void Report(const char* what, unsigned delay, std::vector<double> errors)
{
    std::sort(errors.begin(), errors.end());
    double sum = 0;
    size_t within = 0;
    for (double error : errors) {
        sum += error;
        within += error <= 1.0;
    }
    std::printf("delay %3u ms, %-19s error mean %5.2f ms, p95 %5.2f ms, max %5.2f ms, within 1 ms %zu/%zu\n", delay,
                what, sum / errors.size(), errors[errors.size() * 95 / 100], errors.back(), within, errors.size());
}

void MeasurePingError(size_t delayIndex)
{
    unsigned delay = kDelays[delayIndex];
    int port = kFirstPort + static_cast<int>(delayIndex);
    CGameServer server(Address(port).c_str());
    std::vector<double> errors, controlErrors;
    for (int i = 0; i < kQueriesPerDelay; ++i) {
        if (!server.StartQuery()) BenchFail("a query did not start");
        long outcome = 0;
        if (WaitQueryDone(outcome) != &server || outcome != QUERY_ACCEPTED) BenchFail("a reply was not accepted");
        errors.push_back(std::fabs(static_cast<double>(server.GetPing()) - delay));
        controlErrors.push_back(RawRoundTripMs(port) - delay);
    }
    Report("GetPing():", delay, errors);
    Report("control (us clock):", delay, controlErrors);
}

void MeasureSilentWaits()
{
    std::vector<std::unique_ptr<CGameServer>> servers;
    for (int i = 0; i < kSilentServers; ++i)
        servers.push_back(std::make_unique<CGameServer>(Address(kFirstSilentPort + i).c_str()));
    double cpuBefore = ProcessCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    for (auto& server : servers)
        if (!server->StartQuery()) BenchFail("a query did not start");
    for (int i = 0; i < kSilentServers; ++i) {
        long outcome = 0;
        if (!WaitQueryDone(outcome) || outcome != QUERY_FAILED) BenchFail("a silent server's query went wrong");
    }
    double wall = SecondsSince(start);
    double cpu = ProcessCpuSeconds() - cpuBefore;
    std::printf("%d concurrent silent queries: %.0f ms wall, %.1f ms CPU of the whole process (%.3f ms per query)\n",
                kSilentServers, wall * 1000, cpu * 1000, cpu * 1000 / kSilentServers);
}

} // namespace

int main()
{
    std::string scenario;
    for (size_t i = 0; i < std::size(kDelays); ++i)
        scenario += "server " + std::to_string(kFirstPort + static_cast<int>(i)) + " delay=" +
                    std::to_string(kDelays[i]) + "\n";
    scenario += "fleet " + std::to_string(kFirstSilentPort) + " " + std::to_string(kSilentServers) + " mode=silent\n";
    BenchFleet fleet("ping", scenario);

    for (size_t i = 0; i < std::size(kDelays); ++i) MeasurePingError(i);
    MeasureSilentWaits();
    return 0;
}
