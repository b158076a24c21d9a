// fake-q2-server: many fake Quake II servers on 127.0.0.1 for tests, benchmarks and the demo.
//   fake-q2-server --scenario FILE [--log FILE] [--reply-log FILE] [--ready FILE] [--lifetime SECONDS]
#include "Fleet.h"
#include "RequestLog.h"
#include "Scenario.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>

namespace {

const int kUsage = 2;

int Usage(const char* message)
{
    std::cerr << "fake-q2-server: " << message << "\n"
              << "usage: fake-q2-server --scenario FILE [--log FILE] [--reply-log FILE] [--ready FILE] [--lifetime SECONDS]\n";
    return kUsage;
}

// One socket per server plus a few of our own; the soft limit is often 1024.
void RaiseFileLimit(size_t servers)
{
    rlimit limit{};
    rlim_t wanted = servers + 32;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= wanted) return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY || limit.rlim_max > wanted ? wanted : limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

// Written whole under another name first, so that a waiting script never reads half of it.
bool WriteReady(const std::string& path)
{
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!(out << "ready\n")) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; i += 2) {
        std::string name = argv[i];
        if (name != "--scenario" && name != "--log" && name != "--reply-log" && name != "--ready" && name != "--lifetime")
            return Usage(("unknown option " + name).c_str());
        if (i + 1 >= argc) return Usage(("missing value of " + name).c_str());
        options[name] = argv[i + 1];
    }
    if (!options.count("--scenario")) return Usage("--scenario is required");

    char* end = nullptr;
    double lifetime = options.count("--lifetime") ? std::strtod(options["--lifetime"].c_str(), &end) : 600;
    if ((end && *end) || !(lifetime > 0 && lifetime <= 86400)) return Usage("bad --lifetime");
    auto until = Fleet::Clock::now() + std::chrono::duration_cast<Fleet::Clock::duration>(
                                           std::chrono::duration<double>(lifetime));

    try {
        std::ifstream scenarioFile(options["--scenario"]);
        if (!scenarioFile) throw std::runtime_error("cannot read " + options["--scenario"]);
        std::vector<ServerSetup> servers = ParseScenario(scenarioFile);
        RaiseFileLimit(servers.size());

        RequestLog log(options["--log"], options["--reply-log"]);
        Fleet fleet(std::move(servers), log);
        fleet.Bind();
        if (options.count("--ready")) {
            if (!WriteReady(options["--ready"])) throw std::runtime_error("cannot write " + options["--ready"]);
        } else {
            std::cout << "ready" << std::endl;
        }
        fleet.Serve(until);
    } catch (const std::exception& error) {
        std::cerr << "fake-q2-server: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
