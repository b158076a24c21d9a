#include "Reply.h"

#include <cstring>

namespace {

const char kMarker[] = "\xFF\xFF\xFF\xFF";
const size_t kOversizeBytes = 5000;

} // namespace

std::string StatusReply(const ServerSetup& server)
{
    std::string reply = std::string(kMarker) + "print\n";
    for (const auto& key : server.keys) reply += "\\" + key.first + "\\" + key.second;
    return reply + "\n" + server.playerText;
}

std::string ReplyFor(const ServerSetup& server)
{
    switch (server.mode) {
    case ServerMode::Silent:
    case ServerMode::Closed:
        return {};
    case ServerMode::Garbage:
        return std::string(kMarker) + "garbage: not a status reply\n";
    case ServerMode::Oversize: {
        // A whole, valid reply in front: a client that truncates instead of refusing accepts it.
        std::string reply = StatusReply(server);
        if (reply.size() < kOversizeBytes) reply.append(kOversizeBytes - reply.size(), 'x');
        return reply;
    }
    case ServerMode::Reply:
    case ServerMode::OtherPort:
        break;
    }
    return StatusReply(server);
}

bool IsStatusRequest(const char* bytes, size_t length)
{
    static const char request[] = "\xFF\xFF\xFF\xFFstatus";
    return length >= sizeof request - 1 && std::memcmp(bytes, request, sizeof request - 1) == 0;
}
