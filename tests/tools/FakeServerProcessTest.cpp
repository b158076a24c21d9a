// The fake server as a process: start-up failures, its lifetime, and fleet.sh start/stop.
#include "TestPaths.h"
#include "UdpClient.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>

namespace {

std::string Program()
{
    return BinaryDir() + "/tools/fakeq2/fake-q2-server";
}

// Runs the program on a scenario; its output (both streams) and exit code.
std::string RunServer(const std::string& scenario, const std::string& options, int& exitCode)
{
    WriteFile("scenario.txt", scenario);
    return RunCommand("timeout 10 " + Program() + " --scenario scenario.txt " + options + " 2>&1", &exitCode);
}

bool SaidReady(const std::string& out)
{
    return out.rfind("ready\n", 0) == 0 || out.find("\nready\n") != std::string::npos;
}

bool CanBind(uint16_t port)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

} // namespace

TEST(FakeServerProcess, EndsByItselfWhenItsLifetimeIsOver)
{
    ScratchDir dir("fakeq2_lifetime");
    int exitCode = -1;
    auto start = std::chrono::steady_clock::now();
    std::string out = RunServer("server 28090\n", "--lifetime 0.5", exitCode);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(exitCode, 0) << out;
    EXPECT_EQ(out, "ready\n");
    EXPECT_GE(ms, 450);
    EXPECT_LT(ms, 3000);
}

TEST(FakeServerProcess, RefusesToStartOnAMistakeAndSaysWhere)
{
    ScratchDir dir("fakeq2_mistakes");
    int exitCode = -1;
    std::string out = RunServer("server 28090\nkey game kelvane\nserver 28091 mode=loud\n", "--lifetime 5", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(out.find("line 3"), std::string::npos) << out;
    EXPECT_FALSE(SaidReady(out)) << out;

    UdpClient holder; // a port that is taken already must not give a half-started fleet
    out = RunServer("server 28092\nserver " + std::to_string(holder.Port()) + "\n", "--lifetime 5", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(out.find(std::to_string(holder.Port())), std::string::npos) << out;
    EXPECT_FALSE(SaidReady(out)) << out;

    out = RunCommand("timeout 10 " + Program() + " --scenario missing.txt --lifetime 5 2>&1", &exitCode);
    EXPECT_EQ(exitCode, 1) << out;
    out = RunCommand("timeout 10 " + Program() + " --lifetime 5 2>&1", &exitCode);
    EXPECT_EQ(exitCode, 2) << out;
}

TEST(FakeServerProcess, FleetScriptStartsAServingFleetAndStopsItForGood)
{
    ScratchDir dir("fakeq2_script");
    WriteFile("scenario.txt", "server 28093\nserver 28094 delay=50\n");
    std::string script = "bash " + SourceDir() + "/scripts/fleet.sh ";
    int exitCode = -1;
    std::string out = RunCommand("timeout 30 " + script + "start scenario.txt state 2>&1", &exitCode);
    ASSERT_EQ(exitCode, 0) << out;
    std::string pid = ReadFile(dir.File("state/pid"));
    ASSERT_FALSE(pid.empty());
    pid.pop_back(); // line feed

    UdpClient client;
    client.Send(28093, kStatusRequest);
    client.Send(28094, kStatusRequest);
    EXPECT_TRUE(client.Receive(1000));
    EXPECT_TRUE(client.Receive(1000));

    out = RunCommand("timeout 30 " + script + "stop state 2>&1", &exitCode);
    EXPECT_EQ(exitCode, 0) << out;
    EXPECT_FALSE(std::filesystem::exists("/proc/" + pid + "/cmdline") &&
                 !ReadFile("/proc/" + pid + "/cmdline").empty())
        << "the fleet still runs";
    EXPECT_TRUE(CanBind(28093) && CanBind(28094)) << "the fleet's ports are still taken";
    EXPECT_NE(ReadFile(dir.File("state/fleet.log")).find(" 28094 "), std::string::npos);
    // One reply line per server, with the delay it really waited: at least the
    // scenario's, and nothing for the server that answers at once beyond a blink.
    std::istringstream replies(ReadFile(dir.File("state/replies.log")));
    std::map<int, long long> appliedUs;
    int port = 0;
    std::string sender;
    long long us = 0;
    while (replies >> port >> sender >> us)
        appliedUs[port] = us;
    ASSERT_EQ(appliedUs.size(), 2u) << ReadFile(dir.File("state/replies.log"));
    EXPECT_GE(appliedUs[28094], 50000);
    EXPECT_LT(appliedUs[28094], 1000000);
    EXPECT_LT(appliedUs[28093], 50000);

    // Starting again on a scenario that cannot run fails at once, with the reason.
    WriteFile("bad.txt", "server 0\n");
    out = RunCommand("timeout 30 " + script + "start bad.txt state 2>&1", &exitCode);
    EXPECT_NE(exitCode, 0);
    EXPECT_NE(out.find("line 1"), std::string::npos) << out;
}
