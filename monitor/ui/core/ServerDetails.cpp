#include "ui/core/ServerDetails.h"

#include "query/GameText.h"
#include "query/InfoPairs.h"
#include "query/WordFilter.h"
#include "ui/core/PlayerRows.h"

CServerDetails ServerDetailsOf(const CServerStatus& status)
{
    CServerDetails details;
    details.strCaption = CString("Server Details - ") + ReadableText(status.m_strName);
    if (!status.m_pInfo) {
        details.strNote = "This server has not answered yet.";
        return details;
    }
    // A refused or missing reply keeps the last accepted one's pairs but not its
    // ping: the pairs are then older than the name and the ping the rows show.
    if (status.m_nPing >= PING_NOT_ANSWERING)
        details.strNote = "These are from the server's last accepted answer.";
    // A key is a stranger's text as much as a value is.
    for (const CInfoPair& pair : SplitInfoPairs(*status.m_pInfo))
        details.pairs.push_back({ReadableText(g_wordFilter.Censor(pair.first)),
                                 ReadableText(g_wordFilter.Censor(pair.second))});
    for (const CPlayerInfo& player : status.m_players)
        details.players.push_back(PlayerRowTexts(player));
    return details;
}
