#include "query/WordFilter.h"

#include <cstdio>

#include "query/GameText.h"

CWordFilter g_wordFilter;
BOOL g_bWordFilterLoaded = FALSE;

static CString& WordListPath()
{
    static CString strPath = "obscenities.txt";
    return strPath;
}

void UseWordListFile(const CString& strPath)
{
    WordListPath() = strPath;
}

const CString& WordListFile()
{
    return WordListPath();
}

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

namespace {
// A byte of the text matches a byte of a (lower-cased) word as it came in, in any
// case, or as the game shows it: players write listed words in the alternate
// letters too, and those read plainly once the names are readable.
struct CFoldedText {
    explicit CFoldedText(const CString& strText) : plain(strText), shown(strText)
    {
        plain.MakeLower();
        for (int i = 0; i < strText.GetLength(); ++i) {
            unsigned char c = static_cast<unsigned char>(strText.GetAt(i));
            if (IsGameGlyph(c))
                shown.SetAt(i, ReadableChar(c));
        }
        shown.MakeLower();
    }

    bool MatchesAt(int nPos, const CString& word) const
    {
        if (nPos + word.GetLength() > plain.GetLength())
            return false;
        const std::string& w = word.str();
        const char* pPlain = plain.str().data() + nPos;
        const char* pShown = shown.str().data() + nPos;
        for (size_t i = 0; i < w.size(); ++i) {
            if (pPlain[i] != w[i] && pShown[i] != w[i])
                return false;
        }
        return true;
    }

    CString plain;
    CString shown;
};
} // namespace

CString CWordFilter::Censor(const CString& strText) const
{
    // Every word is sought in the letters as they came in, never in the starred
    // result, so overlapping matches of different words are all starred.
    if (m_words.GetSize() == 0)
        return strText;
    const CFoldedText text(strText);
    CString result = strText;
    for (const CString& word : m_words) {
        for (int nPos = 0; nPos + word.GetLength() <= strText.GetLength();) {
            if (!text.MatchesAt(nPos, word)) {
                ++nPos;
                continue;
            }
            for (int i = 0; i < word.GetLength(); ++i)
                result.SetAt(nPos + i, '*');
            nPos += word.GetLength();
        }
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
