// A test's own UDP client on 127.0.0.1, with bounded waits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct Datagram {
    uint16_t fromPort;
    std::string bytes;
};

class UdpClient {
public:
    UdpClient();
    ~UdpClient();
    UdpClient(const UdpClient&) = delete;
    UdpClient& operator=(const UdpClient&) = delete;

    uint16_t Port() const { return m_port; }
    void Send(uint16_t port, const std::string& bytes);
    // The next datagram, or nothing when none arrives in time.
    std::optional<Datagram> Receive(int timeoutMs);

private:
    int m_socket;
    uint16_t m_port = 0;
};

// The 10-byte status request.
extern const std::string kStatusRequest;
// FF FF FF FF "print\n\": what every status reply starts with.
extern const std::string kReplyHeader;

// Runs a shell command (bounded by the caller's own `timeout`), giving its standard output.
std::string RunCommand(const std::string& command, int* exitCode = nullptr);
