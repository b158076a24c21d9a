// The scenario file: which fake servers to run and how each one answers.
#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

enum class ServerMode { Reply, Silent, Garbage, Oversize, OtherPort, Closed };

struct ReplyContent {
    std::vector<std::pair<std::string, std::string>> keys; // in reply order
    std::string playerText;                                 // player lines and raw text, in file order
};

struct ServerSetup : ReplyContent {
    uint16_t port = 0;
    unsigned delayMs = 0;
    ServerMode mode = ServerMode::Reply;
    // What the server says from its (first + 1)-th reply on, in file order: a
    // server whose players come and go.
    std::vector<std::pair<unsigned, ReplyContent>> later;
};

struct ScenarioError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One entry per server, in file order; servers without keys get the default Kelvane keys.
// Throws ScenarioError naming the line of the first mistake.
std::vector<ServerSetup> ParseScenario(std::istream& in);
