#include "query/WordFilter.h"

#include <cstdio>

CWordFilter g_wordFilter;
BOOL g_bWordFilterLoaded = FALSE;

void CWordFilter::LoadFromFile(LPCTSTR lpszPath)
{
    FILE* file = fopen(lpszPath, "r");
    if (!file)
        return;
    // Lines longer than the buffer become several words, as they always have.
    char buffer[128];
    while (fgets(buffer, 127, file)) {
        CString word(buffer);
        int nLineEnd = word.Find('\n');
        if (nLineEnd >= 0) {
            // Text mode strips the CR of a CR LF on Windows; do the same elsewhere.
            if (nLineEnd > 0 && word.GetAt(nLineEnd - 1) == '\r')
                --nLineEnd;
            word = word.Left(nLineEnd);
        }
        if (!word.IsEmpty())
            m_words.Add(word.MakeLower());
    }
    fclose(file);
}

CString CWordFilter::Censor(const CString& strText) const
{
    // Every word is sought in the letters as they came in, so overlapping
    // matches of different words are all starred.
    CString lower = strText;
    lower.MakeLower();
    CString result = strText;
    for (const CString& word : m_words) {
        for (int nPos = lower.Find(word); nPos >= 0; nPos = lower.Find(word, nPos + word.GetLength()))
            for (int i = 0; i < word.GetLength(); ++i)
                result.SetAt(nPos + i, '*');
    }
    return result;
}

CString CWordFilter::GetWord(int nIndex) const
{
    return m_words.GetAt(nIndex);
}

int CWordFilter::GetWordCount() const
{
    return m_words.GetSize();
}
