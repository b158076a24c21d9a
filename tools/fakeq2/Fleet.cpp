#include "Fleet.h"

#include "Reply.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

// The epoll tag of the timer; servers are tagged with their index.
const uint64_t kTimerTag = ~uint64_t(0);

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

int LoopbackSocket(uint16_t port)
{
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) Fail("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        int error = errno;
        close(fd);
        errno = error;
        Fail("bind 127.0.0.1:" + std::to_string(port));
    }
    return fd;
}

void Watch(int epoll, int fd, uint64_t tag)
{
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = tag;
    if (epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event) != 0) Fail("epoll_ctl");
}

// Arms the timer to fire once at an absolute time of the steady clock (CLOCK_MONOTONIC).
void ArmAt(int timer, Fleet::Clock::time_point when)
{
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    if (ns <= 0) ns = 1; // zero would disarm it
    itimerspec due{};
    due.it_value.tv_sec = ns / 1000000000;
    due.it_value.tv_nsec = ns % 1000000000;
    if (timerfd_settime(timer, TFD_TIMER_ABSTIME, &due, nullptr) != 0) Fail("timerfd_settime");
}

} // namespace

Fleet::Fleet(std::vector<ServerSetup> servers, RequestLog& log) : m_log(log)
{
    m_servers.reserve(servers.size());
    for (ServerSetup& setup : servers) {
        std::string reply = ReplyFor(setup);
        std::vector<std::pair<unsigned, std::string>> later;
        for (const auto& stage : setup.later) {
            ServerSetup staged = setup;
            static_cast<ReplyContent&>(staged) = stage.second;
            later.emplace_back(stage.first, ReplyFor(staged));
        }
        m_servers.push_back({std::move(setup), std::move(reply), -1, std::move(later), 0});
    }
}

const std::string& Fleet::Server::NextReply() const
{
    const std::string* pReply = &reply;
    for (const auto& stage : later)
        if (sent >= stage.first) pReply = &stage.second;
    return *pReply;
}

Fleet::~Fleet()
{
    for (const Server& server : m_servers)
        if (server.socket >= 0) close(server.socket);
    for (int fd : {m_straySocket, m_timer, m_epoll})
        if (fd >= 0) close(fd);
}

void Fleet::Bind()
{
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    if (m_epoll < 0) Fail("epoll_create1");
    m_timer = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timer < 0) Fail("timerfd_create");
    Watch(m_epoll, m_timer, kTimerTag);
    for (size_t i = 0; i < m_servers.size(); ++i) {
        Server& server = m_servers[i];
        if (server.setup.mode == ServerMode::Closed) continue;
        server.socket = LoopbackSocket(server.setup.port);
        Watch(m_epoll, server.socket, i);
        if (server.setup.mode == ServerMode::OtherPort && m_straySocket < 0) m_straySocket = LoopbackSocket(0);
    }
}

void Fleet::Serve(Clock::time_point until)
{
    epoll_event events[256];
    for (;;) {
        Clock::time_point now = Clock::now();
        SendDue(now);
        if (now >= until) return;
        ArmAt(m_timer, m_pending.empty() || until < m_pending.top().due ? until : m_pending.top().due);
        int count = epoll_wait(m_epoll, events, 256, -1);
        if (count < 0 && errno != EINTR) Fail("epoll_wait");
        for (int i = 0; i < count; ++i) {
            if (events[i].data.u64 == kTimerTag) {
                uint64_t expirations;
                while (read(m_timer, &expirations, sizeof expirations) > 0) {
                }
            } else {
                Receive(static_cast<size_t>(events[i].data.u64));
            }
        }
    }
}

void Fleet::Receive(size_t index)
{
    Server& server = m_servers[index];
    static char buffer[65536];
    for (;;) {
        sockaddr_in sender{};
        socklen_t senderLength = sizeof sender;
        ssize_t length = recvfrom(server.socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&sender),
                                  &senderLength);
        if (length < 0) return; // drained (or an error the next request will not care about)
        // Stamped before the log line is written: the delay applied is the server's own.
        Clock::time_point received = Clock::now();
        m_log.Record(server.setup.port, sender, buffer, static_cast<size_t>(length));
        if (server.reply.empty() || !IsStatusRequest(buffer, static_cast<size_t>(length))) continue;
        if (server.setup.delayMs == 0)
            Send(server, sender, received);
        else
            m_pending.push({received + std::chrono::milliseconds(server.setup.delayMs), m_sequence++, index, sender,
                            received});
    }
}

void Fleet::SendDue(Clock::time_point now)
{
    while (!m_pending.empty() && m_pending.top().due <= now) {
        PendingReply due = m_pending.top();
        m_pending.pop();
        Send(m_servers[due.server], due.to, due.received);
    }
}

void Fleet::Send(Server& server, const sockaddr_in& to, Clock::time_point received)
{
    int from = server.setup.mode == ServerMode::OtherPort ? m_straySocket : server.socket;
    // Stamped as the reply leaves: the client that it wakes may run before sendto returns here.
    long long appliedUs = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - received).count();
    // A reply that cannot go out is lost, as on a real network; the client's time-out covers it.
    const std::string& reply = server.NextReply();
    ++server.sent;
    sendto(from, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    m_log.RecordReply(server.setup.port, to, appliedUs);
}
