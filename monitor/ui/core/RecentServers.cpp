#include "ui/core/RecentServers.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "ui/core/LineFile.h"

namespace {
// An address is one word of visible bytes: what a record's address can be.
bool IsAddress(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        const unsigned char b = static_cast<unsigned char>(c);
        return b > ' ' && b != 0x7F;
    });
}

bool IsWhen(const std::string& s)
{
    static const char kPattern[] = "0000-00-00 00:00";
    if (s.size() != sizeof kPattern - 1)
        return false;
    for (size_t i = 0; i < s.size(); ++i) {
        const bool bDigit = s[i] >= '0' && s[i] <= '9';
        if (kPattern[i] == '0' ? !bDigit : s[i] != kPattern[i])
            return false;
    }
    return true;
}

// The line's three fields, or false when it is damaged.
bool SplitLine(std::string line, CRecentServer& server)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const size_t nFirst = line.find('\t');
    const size_t nSecond = nFirst == std::string::npos ? nFirst : line.find('\t', nFirst + 1);
    if (nSecond == std::string::npos || line.find('\t', nSecond + 1) != std::string::npos
        || line.find('\0') != std::string::npos)
        return false;
    const std::string address = line.substr(0, nFirst);
    const std::string when = line.substr(nSecond + 1);
    if (!IsAddress(address) || !IsWhen(when))
        return false;
    server = CRecentServer{CString(address), CString(line.substr(nFirst + 1, nSecond - nFirst - 1)), CString(when)};
    return true;
}

// A name goes into its field whole: the bytes that would end the field or the
// line read as the game shows every control byte, a dot.
CString FieldText(const CString& strName)
{
    std::string s = strName.str();
    for (char& c : s)
        if (c == '\t' || c == '\r' || c == '\n' || c == '\0')
            c = '.';
    return CString(s);
}
} // namespace

CString RecentTimeText(std::time_t when)
{
    const std::tm* pLocal = std::localtime(&when);
    if (!pLocal)
        return "1970-01-01 00:00";
    char szText[32];
    std::strftime(szText, sizeof szText, "%Y-%m-%d %H:%M", pLocal);
    return szText;
}

void CRecentServers::Joined(const CString& strAddress, const CString& strName, const CString& strWhen)
{
    if (!IsAddress(strAddress.str()))
        return;
    CRecentServer server{strAddress, FieldText(strName), strWhen};
    if (const CRecentServer* pOld = Find(strAddress)) {
        if (server.strName.IsEmpty())
            server.strName = pOld->strName;
        Remove(strAddress);
    }
    m_servers.insert(m_servers.begin(), server);
    if (m_servers.size() > static_cast<size_t>(MAX_SERVERS))
        m_servers.resize(MAX_SERVERS);
}

BOOL CRecentServers::Remove(const CString& strAddress)
{
    auto it = std::find_if(m_servers.begin(), m_servers.end(),
                           [&](const CRecentServer& server) { return server.strAddress == strAddress; });
    if (it == m_servers.end())
        return FALSE;
    m_servers.erase(it);
    return TRUE;
}

const CRecentServer* CRecentServers::Find(const CString& strAddress) const
{
    for (const CRecentServer& server : m_servers)
        if (server.strAddress == strAddress)
            return &server;
    return nullptr;
}

namespace {
// Takes a line into the list when it is good and its address new; false once full.
bool TakeLine(std::vector<CRecentServer>& servers, const std::string& line)
{
    CRecentServer server;
    if (SplitLine(line, server)
        && std::none_of(servers.begin(), servers.end(),
                        [&](const CRecentServer& known) { return known.strAddress == server.strAddress; }))
        servers.push_back(server);
    return servers.size() < static_cast<size_t>(CRecentServers::MAX_SERVERS);
}
} // namespace

void CRecentServers::Read(const CString& strText)
{
    m_servers.clear();
    ReadTextLines(strText, [this](const std::string& line) { return TakeLine(m_servers, line); }, MAX_LINE);
}

BOOL CRecentServers::Load(const CString& strPath)
{
    m_servers.clear();
    return ReadFileLines(strPath, [this](const std::string& line) { return TakeLine(m_servers, line); }, MAX_LINE);
}

CString RecentFileText(const std::vector<CRecentServer>& servers)
{
    std::string text;
    for (const CRecentServer& server : servers)
        text += server.strAddress.str() + '\t' + server.strName.str() + '\t' + server.strWhen.str() + '\n';
    return CString(text);
}

BOOL SaveRecentFile(const CString& strPath, const std::vector<CRecentServer>& servers, CString* pstrReason)
{
    return SaveLineFile(strPath, RecentFileText(servers), pstrReason);
}
