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
    for (size_t i = 0; i < status.m_players.size(); ++i) {
        std::vector<CString> texts = PlayerRowTexts(status.m_players[i]);
        const CRowLook look = LookOf(texts[PLAYER_COLUMN_NAME]);
        m_table.Set(static_cast<LPARAM>(i) + 1, std::move(texts), look);
    }
}

CRowLook CPlayerRows::LookOf(const CString& strName) const
{
    CRowLook look;
    look.bBold = m_pBuddies && m_pBuddies->Matches(strName);
    return look;
}

void CPlayerRows::Restyle()
{
    CRowTable::CBatch batch(m_table);
    for (int nRow = 0; nRow < m_table.GetCount(); ++nRow) {
        const CRowLook look = LookOf(m_table.GetText(nRow, PLAYER_COLUMN_NAME));
        if (look == m_table.GetLook(nRow))
            continue;
        std::vector<CString> texts;
        for (int nColumn = 0; nColumn < PLAYER_COLUMN_COUNT; ++nColumn)
            texts.push_back(m_table.GetText(nRow, nColumn));
        m_table.Set(m_table.GetKey(nRow), std::move(texts), look);
    }
}
