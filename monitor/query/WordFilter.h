// Stars listed words in the names that strangers' servers send.
#pragma once

#include "framework/Collections.h"

class CWordFilter {
public:
    CWordFilter() = default;
    virtual ~CWordFilter() = default;

    // Appends the file's words (one a line, lower-cased, spaces kept); a missing
    // file adds nothing. Empty lines add nothing either: an empty word would
    // match everywhere and never let Censor finish.
    void LoadFromFile(LPCTSTR lpszPath);
    // The text with every occurrence of every word, in any case, made '*'.
    CString Censor(const CString& strText) const;
    CString GetWord(int nIndex) const;
    int GetWordCount() const;

private:
    CStringArray m_words;
};

// The process's one filter, loaded when the first server record is made.
extern CWordFilter g_wordFilter;
extern BOOL g_bWordFilterLoaded;
// The word list file that the first record loads ("obscenities.txt" in the current
// folder unless named here): a program whose current folder moves names it whole.
void UseWordListFile(const CString& strPath);
const CString& WordListFile();
