// One poll over a large fleet with the largest thread budget, starting the next query
// as each one ends, against quakestat over the same servers with as many in flight.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "query/QueryDone.h"

namespace {

const int kServers = 1000;
const int kBudget = 7;
const int kFirstPort = 29100;

double PollWithBudget(std::vector<std::unique_ptr<CGameServer>>& servers, int& accepted)
{
    auto start = std::chrono::steady_clock::now();
    size_t next = 0;
    int running = 0;
    accepted = 0;
    while (next < servers.size() || running > 0) {
        while (running < kBudget && next < servers.size()) {
            if (!servers[next++]->StartQuery()) BenchFail("a query did not start");
            ++running;
        }
        long outcome = 0;
        if (!WaitQueryDone(outcome)) BenchFail("a completion notice was lost");
        --running;
        accepted += outcome == QUERY_ACCEPTED;
    }
    return SecondsSince(start);
}

double Quakestat(const std::string& hostsFile, const std::string& flags, int& answered)
{
    std::string output = hostsFile + ".out";
    std::string command = "timeout 120 quakestat " + flags + " -f " + hostsFile + " > " + output;
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) BenchFail("quakestat failed");
    double seconds = SecondsSince(start);
    answered = 0;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);)
        answered += line.find(",Fake server ") != std::string::npos;
    return seconds;
}

} // namespace

int main()
{
    BenchFleet fleet("throughput", "fleet " + std::to_string(kFirstPort) + " " + std::to_string(kServers) + "\n");

    std::vector<std::unique_ptr<CGameServer>> servers;
    std::string hostsFile = BenchDir() + "/throughput.hosts";
    std::ofstream hosts(hostsFile);
    for (int i = 0; i < kServers; ++i) {
        std::string address = "127.0.0.1:" + std::to_string(kFirstPort + i);
        servers.push_back(std::make_unique<CGameServer>(address.c_str()));
        hosts << "Q2S " << address << "\n";
    }
    hosts.close();

    int accepted = 0;
    double ours = PollWithBudget(servers, accepted);
    std::printf("our poll, budget %d: %d servers in %.3f s (%d accepted)\n", kBudget, kServers, ours, accepted);

    for (const char* flags : {"-maxsim 7 -raw ,", "-maxsim 7 -sendinterval 0 -raw ,"}) {
        int answered = 0;
        double theirs = Quakestat(hostsFile, flags, answered);
        std::printf("quakestat %s -f <%d lines \"Q2S 127.0.0.1:port\">: %.3f s (%d answered)\n", flags, kServers,
                    theirs, answered);
    }
    return 0;
}
