// Serves every fake server of a scenario from one thread: one UDP socket each on
// 127.0.0.1, one epoll set, and a timer queue for the delayed replies.
#pragma once

#include "RequestLog.h"
#include "Scenario.h"

#include <netinet/in.h>

#include <chrono>
#include <queue>
#include <string>
#include <vector>

class Fleet {
public:
    using Clock = std::chrono::steady_clock;

    Fleet(std::vector<ServerSetup> servers, RequestLog& log);
    ~Fleet();
    Fleet(const Fleet&) = delete;
    Fleet& operator=(const Fleet&) = delete;

    // Binds every socket; throws std::runtime_error naming the port that failed.
    void Bind();
    // Answers requests until the given time.
    void Serve(Clock::time_point until);

private:
    struct Server {
        ServerSetup setup;
        std::string reply;
        int socket = -1;
        // The replies of the setup's later stages, from which reply count on.
        std::vector<std::pair<unsigned, std::string>> later;
        unsigned sent = 0;
        const std::string& NextReply() const;
    };
    struct PendingReply {
        Clock::time_point due;
        unsigned long sequence; // keeps replies due at once in arrival order
        size_t server;
        sockaddr_in to;
        Clock::time_point received;
        bool operator>(const PendingReply& other) const
        {
            return due != other.due ? due > other.due : sequence > other.sequence;
        }
    };

    void Receive(size_t index);
    void SendDue(Clock::time_point now);
    void Send(Server& server, const sockaddr_in& to, Clock::time_point received);

    std::vector<Server> m_servers;
    RequestLog& m_log;
    int m_epoll = -1;
    int m_timer = -1;
    int m_straySocket = -1; // sends the replies of "otherport" servers
    unsigned long m_sequence = 0;
    std::priority_queue<PendingReply, std::vector<PendingReply>, std::greater<PendingReply>> m_pending;
};
