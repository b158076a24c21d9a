#include "web/WebReply.h"

#include <vector>

#include "web/WebUrl.h"

namespace {

struct Header {
    std::string name; // in lower case
    std::string value;
};

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string TrimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The lines of the head up to the first empty one, line ends dropped.
std::vector<std::string> HeadLines(const std::string& head)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < head.size()) {
        size_t end = head.find('\n', at);
        if (end == std::string::npos)
            end = head.size();
        std::string line = head.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            break;
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

// "HTTP/<version> <three digits>[ <reason>]"; -1 for anything else.
int StatusCode(const std::string& line)
{
    if (line.compare(0, 5, "HTTP/") != 0)
        return -1;
    size_t at = line.find(' ');
    if (at == std::string::npos)
        return -1;
    at = line.find_first_not_of(' ', at);
    if (at == std::string::npos || line.size() - at < 3)
        return -1;
    int nCode = 0;
    for (size_t i = at; i < at + 3; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return -1;
        nCode = nCode * 10 + (line[i] - '0');
    }
    if (line.size() > at + 3 && line[at + 3] != ' ')
        return -1;
    return nCode;
}

bool IsRedirectStatus(int nStatus)
{
    return nStatus == 301 || nStatus == 302 || nStatus == 303 || nStatus == 307 || nStatus == 308;
}

// The decimal length, when it is one: digits alone, and no more than limit.
bool ReadLength(const std::string& value, size_t limit, size_t& nLength)
{
    if (value.empty())
        return false;
    size_t n = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + static_cast<size_t>(c - '0');
        if (n > limit)
            return false;
    }
    nLength = n;
    return true;
}

} // namespace

CWebReply::CWebReply(const CString& strUrl, DWORD dwMaxBodyBytes) : m_strUrl(strUrl), m_dwMaxBodyBytes(dwMaxBodyBytes)
{
}

CWebReply::Next CWebReply::ReadHead(const std::string& head)
{
    const std::vector<std::string> lines = HeadLines(head);
    if (lines.empty())
        return Next::Fail;
    const int nStatus = StatusCode(lines[0]);
    std::vector<Header> headers;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t colon = lines[i].find(':');
        if (colon != std::string::npos)
            headers.push_back({Lower(TrimBlanks(lines[i].substr(0, colon))), TrimBlanks(lines[i].substr(colon + 1))});
    }

    if (IsRedirectStatus(nStatus)) {
        for (const Header& header : headers) {
            if (header.name == "location")
                return ResolveWebUrl(m_strUrl, CString(header.value), m_strRedirect) ? Next::Redirect : Next::Fail;
        }
        return Next::Fail;
    }
    if (nStatus < 200 || nStatus > 299)
        return Next::Fail;
    for (const Header& header : headers) {
        // Requests ask for HTTP/1.0, to which a server never sends chunks; a chunked
        // body cut short would be taken whole (WinINet), so it is refused.
        if (header.name == "transfer-encoding" && Lower(header.value) != "identity")
            return Next::Fail;
        if (header.name == "content-length") {
            size_t nLength = 0;
            // Two different lengths leave the true one unknown.
            if (!ReadLength(header.value, m_dwMaxBodyBytes, nLength)
                || (m_bLengthAnnounced && nLength != m_nAnnouncedLength))
                return Next::Fail;
            m_bLengthAnnounced = true;
            m_nAnnouncedLength = nLength;
        }
    }
    return Next::ReadBody;
}

BOOL CWebReply::AddBody(const char* pData, size_t nLength)
{
    if (m_bOverCap || nLength > m_dwMaxBodyBytes - m_body.size()) {
        m_bOverCap = true;
        return FALSE;
    }
    m_body.append(pData, nLength);
    return TRUE;
}

BOOL CWebReply::EndBody() const
{
    return !m_bOverCap && (!m_bLengthAnnounced || m_body.size() == m_nAnnouncedLength);
}
