#include "ui/core/FreeSlot.h"

#include "query/GameText.h"

bool IsServerFull(const CServerStatus& status)
{
    return status.m_nPing < PING_NOT_ANSWERING && status.m_nMaxPlayers > 0
           && status.m_nPlayers >= status.m_nMaxPlayers;
}

bool HasFreeSlot(const CServerStatus& status)
{
    return status.m_nPing < PING_NOT_ANSWERING && !IsServerFull(status);
}

CString FullServerQuestion(const CServerStatus& status)
{
    CString strText;
    strText.Format("%s is full (%d/%d). Wait for a free slot and join then?",
                   static_cast<const char*>(ReadableText(status.m_strName)), static_cast<int>(status.m_nPlayers),
                   static_cast<int>(status.m_nMaxPlayers));
    return strText;
}

CString SlotCountText(const CServerStatus& status)
{
    CString strText;
    if (status.m_nPing >= PING_NOT_ANSWERING)
        strText = "Players: no answer";
    else
        strText.Format("Players: %lu/%lu", static_cast<unsigned long>(status.m_nPlayers),
                       static_cast<unsigned long>(status.m_nMaxPlayers));
    return strText;
}
