#include "RequestLog.h"

#include "Escape.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

RequestLog::RequestLog(const std::string& path) : m_file(path.empty() ? nullptr : std::fopen(path.c_str(), "w"))
{
    if (!path.empty() && !m_file) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

RequestLog::~RequestLog()
{
    if (m_file) std::fclose(m_file);
}

void RequestLog::Record(uint16_t serverPort, const sockaddr_in& sender, const char* bytes, size_t length)
{
    if (!m_file) return;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start);
    char ip[INET_ADDRSTRLEN] = "?";
    inet_ntop(AF_INET, &sender.sin_addr, ip, sizeof ip);
    std::fprintf(m_file, "%lld %u %s:%u %s\n", static_cast<long long>(ms.count()), serverPort, ip,
                 ntohs(sender.sin_port), EscapeBytes(std::string(bytes, length)).c_str());
    std::fflush(m_file);
}
