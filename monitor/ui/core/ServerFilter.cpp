#include "ui/core/ServerFilter.h"

#include "query/GameServer.h"
#include "query/GameText.h"
#include "ui/core/FreeSlot.h"
#include "ui/core/Settings.h"

void CServerFilter::SetText(const CString& strText)
{
    // Without the blanks around it, which the settings file would not keep.
    m_strText = strText;
    m_strText.Trim();
    m_strFolded = FoldedText(m_strText);
}

bool CServerFilter::Passes(const CFilterFacts& facts) const
{
    if (nMaxPing > 0 && facts.nPing > nMaxPing)
        return false;
    if (facts.nPing >= PING_NOT_ANSWERING)
        return true;
    if (bHideEmpty && facts.nPlayers == 0)
        return false;
    if (bHideFull && IsFull(facts.nPing, facts.nPlayers, facts.nMaxPlayers))
        return false;
    if (bHidePassword && (facts.nNeedPass & NEEDPASS_PLAYER))
        return false;
    return m_strFolded.IsEmpty() || facts.strFoldedName.Find(m_strFolded) >= 0
           || facts.strFoldedMap.Find(m_strFolded) >= 0;
}

bool CServerFilter::operator==(const CServerFilter& other) const
{
    return bHideEmpty == other.bHideEmpty && bHideFull == other.bHideFull && bHidePassword == other.bHidePassword
           && nMaxPing == other.nMaxPing && m_strText == other.m_strText;
}

CServerFilter CServerFilter::ReadFrom(const CSettings& settings)
{
    CServerFilter filter;
    filter.bHideEmpty = settings.GetNumber(SETTING_FILTER_HIDE_EMPTY) == 1;
    filter.bHideFull = settings.GetNumber(SETTING_FILTER_HIDE_FULL) == 1;
    filter.bHidePassword = settings.GetNumber(SETTING_FILTER_HIDE_PASSWORD) == 1;
    filter.nMaxPing = static_cast<DWORD>(settings.GetNumber(SETTING_FILTER_MAX_PING));
    filter.SetText(settings.GetText(SETTING_FILTER_TEXT));
    return filter;
}

BOOL CServerFilter::SaveTo(CSettings& settings) const
{
    // Every one is set: | rather than ||.
    return settings.SetNumber(SETTING_FILTER_HIDE_EMPTY, bHideEmpty ? 1 : 0)
           | settings.SetNumber(SETTING_FILTER_HIDE_FULL, bHideFull ? 1 : 0)
           | settings.SetNumber(SETTING_FILTER_HIDE_PASSWORD, bHidePassword ? 1 : 0)
           | settings.SetNumber(SETTING_FILTER_MAX_PING, static_cast<int>(nMaxPing))
           | settings.Set(SETTING_FILTER_TEXT, m_strText);
}
