#include "RequestLog.h"

#include "Escape.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

static std::FILE* OpenLog(const std::string& path)
{
    if (path.empty()) return nullptr;
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
    return file;
}

RequestLog::RequestLog(const std::string& path, const std::string& replyPath) : m_file(OpenLog(path))
{
    try {
        m_replyFile = OpenLog(replyPath);
    } catch (...) {
        if (m_file) std::fclose(m_file);
        throw;
    }
}

RequestLog::~RequestLog()
{
    for (std::FILE* file : {m_file, m_replyFile})
        if (file) std::fclose(file);
}

static std::string AddressText(const sockaddr_in& address)
{
    char ip[INET_ADDRSTRLEN] = "?";
    inet_ntop(AF_INET, &address.sin_addr, ip, sizeof ip);
    return std::string(ip) + ":" + std::to_string(ntohs(address.sin_port));
}

void RequestLog::RecordReply(uint16_t serverPort, const sockaddr_in& to, long long appliedUs)
{
    if (!m_replyFile) return;
    std::fprintf(m_replyFile, "%u %s %lld\n", serverPort, AddressText(to).c_str(), appliedUs);
    std::fflush(m_replyFile);
}

void RequestLog::Record(uint16_t serverPort, const sockaddr_in& sender, const char* bytes, size_t length)
{
    if (!m_file) return;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start);
    std::fprintf(m_file, "%lld %u %s %s\n", static_cast<long long>(ms.count()), serverPort,
                 AddressText(sender).c_str(), EscapeBytes(std::string(bytes, length)).c_str());
    std::fflush(m_file);
}
