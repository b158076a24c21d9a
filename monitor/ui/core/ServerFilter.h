// The server list's quick filters: rows the user does not want to see, beside
// the list mode's. A filtered record stays in the collection, is polled and
// saved; only its row is hidden.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

// Beyond any ping a server that answers can have.
#define MAX_FILTER_PING 9999

class CSettings;

// What the filters look at in a record's last reply.
struct CFilterFacts {
    DWORD nPing = 0;
    DWORD nPlayers = 0;
    DWORD nMaxPlayers = 0;
    DWORD nNeedPass = 0;
    // The name and map as the row shows them, folded (FoldedText).
    CString strFoldedName;
    CString strFoldedMap;
};

class CServerFilter {
public:
    virtual ~CServerFilter() = default;

    bool bHideEmpty = false;
    bool bHideFull = false;
    bool bHidePassword = false;
    DWORD nMaxPing = 0; // 0: any

    // Sought in the name and the map in any case, the game's letters read
    // plainly; blanks around it do not count.
    void SetText(const CString& strText);
    const CString& GetText() const { return m_strText; }

    // Whether a record the list mode admits keeps its row. A server that does not
    // answer is neither empty nor full, and only the ping limit hides it.
    bool Passes(const CFilterFacts& facts) const;
    bool operator==(const CServerFilter& other) const;
    bool operator!=(const CServerFilter& other) const { return !(*this == other); }

    // The filters as the settings keep them; SaveTo is TRUE when a setting changed.
    static CServerFilter ReadFrom(const CSettings& settings);
    BOOL SaveTo(CSettings& settings) const;

private:
    CString m_strText;
    CString m_strFolded;
};
