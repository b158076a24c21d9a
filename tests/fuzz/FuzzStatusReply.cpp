// A status reply from a stranger's server: any bytes, as many as a datagram holds.
#include <cstdlib>
#include <cstring>
#include <string>

#include "query/GameServer.h"

// The player lines of an accepted reply, counted apart from the parse: the
// non-empty pieces between line feeds after the line that ends the information
// string (none when that line feed opens the body).
static DWORD CountPlayerLines(const char* pszReply)
{
    const char* pBody = pszReply + 11;
    const char* pLineEnd = std::strchr(pBody, '\n');
    if (!pLineEnd || pLineEnd == pBody)
        return 0;
    DWORD nLines = 0;
    for (const char* p = pLineEnd + 1; *p;) {
        size_t nLength = std::strcspn(p, "\n");
        nLines += nLength > 0 ? 1 : 0;
        p += nLength + (p[nLength] ? 1 : 0);
    }
    return nLines;
}

// A value ends at the next backslash, so no field can hold one.
static bool HoldsBackslash(const CString& str)
{
    return str.Find('\\') >= 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    CGameServer server("127.0.0.1");
    // Twice, so the second reply replaces the players of the first.
    for (DWORD ping : {10u, 20u}) {
        BOOL bAccepted = server.ParseStatusReply(reply.c_str(), ping);
        CServerStatus status = server.GetStatus();
        const DWORD nExpected = bAccepted ? CountPlayerLines(reply.c_str()) : 0;
        if (server.GetPlayerCount() != nExpected || status.m_players.size() != nExpected
            || server.GetPlayer(static_cast<int>(nExpected)) != nullptr
            || (nExpected > 0 && server.GetPlayer(static_cast<int>(nExpected) - 1) == nullptr))
            abort();
        if (bAccepted && status.m_nPing != ping)
            abort();
        if (HoldsBackslash(status.m_strName) || HoldsBackslash(status.m_strMap) || HoldsBackslash(status.m_strVersion)
            || HoldsBackslash(status.m_strWebsite)
            || (!status.m_strWebsite.IsEmpty() && status.m_strWebsite.Left(7) != "http://"))
            abort();
        for (const CPlayerInfo& player : status.m_players) {
            if (player.GetName().GetLength() > CPlayerInfo::MAX_NAME_LENGTH)
                abort();
        }
    }
    return 0;
}
