#include "ui/core/PlayerRows.h"

#include "query/GameText.h"

std::vector<CString> PlayerRowTexts(const CPlayerInfo& player)
{
    CString strScore, strPing;
    strScore.Format("%ld", static_cast<long>(player.GetScore()));
    strPing.Format("%lu", static_cast<unsigned long>(player.GetPing()));
    return {ReadableText(player.GetName()), strScore, strPing};
}

CPlayerRows::CPlayerRows() : m_table(PLAYER_COLUMN_COUNT, PLAYER_COLUMN_NAME, TRUE)
{
}

void CPlayerRows::Fill(const CServerStatus& status)
{
    CRowTable::CBatch batch(m_table);
    m_table.RemoveAll();
    for (size_t i = 0; i < status.m_players.size(); ++i)
        m_table.Set(static_cast<LPARAM>(i) + 1, PlayerRowTexts(status.m_players[i]));
}
