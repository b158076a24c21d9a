#include <cstring>

#include "query/GameServer.h"
#include "query/InfoPairs.h"
#include "query/ServerWebsite.h"
#include "query/WordFilter.h"

// FF FF FF FF "print\n" and the backslash that opens the information string.
static const char REPLY_HEADER[] = "\xFF\xFF\xFF\xFF" "print\n\\";
static const int REPLY_HEADER_LENGTH = sizeof REPLY_HEADER - 1;

static void ReadPlayers(CString strText, std::vector<CPlayerInfo>& players)
{
    while (!strText.IsEmpty()) {
        int nLineEnd = strText.Find('\n');
        if (nLineEnd != 0)
            players.emplace_back(nLineEnd > 0 ? strText.Left(nLineEnd) : strText);
        strText = nLineEnd >= 0 ? strText.Mid(nLineEnd + 1) : CString();
    }
}

BOOL CGameServer::ParseStatusReply(LPCTSTR lpszReply, DWORD nPing)
{
    if (strncmp(lpszReply, REPLY_HEADER, REPLY_HEADER_LENGTH) != 0)
        return FALSE;
    CString strBody = lpszReply + REPLY_HEADER_LENGTH;
    int nLineEnd = strBody.Find('\n');
    CString strInfo = nLineEnd > 0 ? strBody.Left(nLineEnd) : strBody;
    CString strPlayerText = nLineEnd > 0 ? strBody.Mid(nLineEnd + 1) : CString();

    // Gathered apart and published whole: no reader sees part of this reply.
    CServerStatus status;
    status.m_pInfo = std::make_shared<const CString>(strInfo);
    for (auto& [strKey, strValue] : SplitInfoPairs(strInfo)) {
        strKey.MakeLower();
        if (strKey == "hostname")
            status.m_strName = g_wordFilter.Censor(strValue);
        else if (strKey == "mapname")
            status.m_strMap = g_wordFilter.Censor(strValue);
        else if (strKey == "dll_version")
            status.m_strVersion = g_wordFilter.Censor(strValue);
        else if (strKey == "website")
            status.m_strWebsite = WebsiteAddress(WebsitePage(strValue.MakeLower()));
        else if (strKey == "maxclients" || strKey == "sv_maxclients")
            status.m_nMaxPlayers = ReadLeadingUInt(strValue);
        else if (strKey == "needpass")
            status.m_nNeedPass = ReadLeadingUInt(strValue);
        else if (strKey == "game" && strValue.MakeLower() != "kelvane") {
            Publish(status, false);
            return FALSE;
        }
    }
    ReadPlayers(g_wordFilter.Censor(strPlayerText), status.m_players);
    status.m_nPlayers = static_cast<DWORD>(status.m_players.size());
    status.m_nPing = nPing;
    Publish(status, true);
    return TRUE;
}

// A refused reply still replaces the texts and empties the player list; only an
// accepted one sets the ping, lists players and replaces the information string. The replaced status is freed
// after the lock is released.
void CGameServer::Publish(CServerStatus& status, bool bAccepted)
{
    std::lock_guard<CCriticalSection> lock(m_mutex);
    if (!bAccepted) {
        status.m_nPing = m_status.m_nPing;
        status.m_pInfo = m_status.m_pInfo;
    }
    std::swap(m_status, status);
}
