#include <cstring>

#include "query/GameServer.h"
#include "query/WordFilter.h"
#include "web/WebServer.h"

// FF FF FF FF "print\n" and the backslash that opens the information string.
static const char REPLY_HEADER[] = "\xFF\xFF\xFF\xFF" "print\n\\";
static const int REPLY_HEADER_LENGTH = sizeof REPLY_HEADER - 1;

// What one reply says, gathered before any of it is shown to other threads.
struct CGameServer::ReplyFields {
    CString m_strName;
    CString m_strMap;
    CString m_strVersion;
    CString m_strWebsite;
    DWORD m_nMaxPlayers = 0;
    CTypedPtrList<CPlayerInfo*> m_players;
};

static CString NormaliseWebsite(CString strValue)
{
    strValue.Trim();
    strValue.MakeLower();
    if (strValue.IsEmpty() || strValue == "http://")
        return WebFileUrl("none.html");
    if (strValue.Left(7) != "http://")
        strValue = "http://" + strValue;
    return strValue;
}

// Splits off the text before the next backslash; the whole text when there is none.
static CString TakeUntilBackslash(CString& strRest)
{
    int nSlash = strRest.Find('\\');
    CString strPart = nSlash >= 0 ? strRest.Left(nSlash) : strRest;
    strRest = nSlash >= 0 ? strRest.Mid(nSlash + 1) : CString();
    return strPart;
}

static void ReadPlayers(CString strText, CTypedPtrList<CPlayerInfo*>& players)
{
    while (!strText.IsEmpty()) {
        int nLineEnd = strText.Find('\n');
        if (nLineEnd != 0)
            players.AddTail(new CPlayerInfo(nLineEnd > 0 ? strText.Left(nLineEnd) : strText));
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

    ReplyFields fields;
    while (strInfo.Find('\\') >= 0) {
        CString strKey = TakeUntilBackslash(strInfo);
        strKey.MakeLower();
        CString strValue = TakeUntilBackslash(strInfo);
        if (strKey == "hostname")
            fields.m_strName = g_wordFilter.Censor(strValue);
        else if (strKey == "mapname")
            fields.m_strMap = g_wordFilter.Censor(strValue);
        else if (strKey == "dll_version")
            fields.m_strVersion = g_wordFilter.Censor(strValue);
        else if (strKey == "website")
            fields.m_strWebsite = NormaliseWebsite(strValue);
        else if (strKey == "maxclients" || strKey == "sv_maxclients")
            fields.m_nMaxPlayers = ReadLeadingUInt(strValue);
        else if (strKey == "game" && strValue.MakeLower() != "kelvane") {
            Publish(fields, false, nPing);
            return FALSE;
        }
    }
    ReadPlayers(g_wordFilter.Censor(strPlayerText), fields.m_players);
    Publish(fields, true, nPing);
    return TRUE;
}

// A refused reply still replaces the texts and empties the player list; only an
// accepted one sets the ping and lists players.
void CGameServer::Publish(ReplyFields& fields, bool bAccepted, DWORD nPing)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_strName = fields.m_strName;
        m_strMap = fields.m_strMap;
        m_strVersion = fields.m_strVersion;
        m_strWebsite = fields.m_strWebsite;
        m_nMaxPlayers = fields.m_nMaxPlayers;
        m_players.Swap(fields.m_players);
        m_nPlayers = bAccepted ? static_cast<DWORD>(m_players.GetCount()) : 0;
        if (bAccepted)
            m_nPing = nPing;
    }
    DeletePlayers(fields.m_players);
}
