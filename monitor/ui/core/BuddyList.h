// The players the user calls buddies, kept in buddies.txt beside serverlist.txt,
// one name per line. A player is a buddy when the name reads as a listed one in
// any case; a listed name may begin or end with "*", which stands for any text.
#pragma once

#include <vector>

#include "framework/CString.h"

#define BUDDIES_FILE "buddies.txt"

class CBuddyList {
public:
    // Longer is damage: a game's names are far shorter.
    static const int MAX_NAME = 64;
    static const int MAX_BUDDIES = 1000;

    virtual ~CBuddyList() = default;

    // The name trimmed of blanks; FALSE when it is no name (empty, only stars,
    // control bytes, too long), already listed in any case, or the list is full.
    BOOL Add(const CString& strName);
    // FALSE when the name was not listed.
    BOOL Remove(const CString& strName);
    const std::vector<CString>& Names() const { return m_names; }
    bool IsEmpty() const { return m_names.empty(); }

    // Whether a player of that name (as the game shows it, or its bytes) is a buddy.
    bool Matches(const CString& strPlayer) const;

    // The file's text: every good name in order, each once; bad lines are skipped.
    void Read(const CString& strText);
    // FALSE when the file cannot be opened (none yet, usually): the list is then empty.
    BOOL Load(const CString& strPath);

private:
    struct CPattern {
        CString strFolded; // the name between its stars, as FoldedText reads it
        bool bAnyBefore;
        bool bAnyAfter;
    };
    std::vector<CString> m_names;
    std::vector<CPattern> m_patterns;
};

// The file's lines, each ended by "\n".
CString BuddyFileText(const std::vector<CString>& names);
// Writes the list whole or not at all (ReplaceFileWhole); on failure pstrReason
// gets the system's reason.
BOOL SaveBuddyFile(const CString& strPath, const std::vector<CString>& names, CString* pstrReason = nullptr);
