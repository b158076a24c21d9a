// The program's own line files (recent.txt, buddies.txt): read tolerantly, so that
// a damaged line costs that line, never the rest of the file; written whole.
#pragma once

#include <cstdio>
#include <string>

#include "framework/CString.h"

// Hands take() each line without its "\n"; empty lines are skipped, and so is a
// line longer than nMaxLine, which is still read to its end. Stops once take()
// answers false (the list is full).
template <typename NextByte, typename Take>
void ReadLines(NextByte next, Take take, size_t nMaxLine)
{
    std::string line;
    bool bTooLong = false;
    for (;;) {
        const int c = next();
        if (c != EOF && c != '\n') {
            if (line.size() < nMaxLine)
                line += static_cast<char>(c);
            else
                bTooLong = true;
            continue;
        }
        if (!bTooLong && !line.empty() && !take(line))
            return;
        if (c == EOF)
            return;
        line.clear();
        bTooLong = false;
    }
}

template <typename Take>
void ReadTextLines(const CString& strText, Take take, size_t nMaxLine)
{
    const std::string& text = strText.str();
    size_t nPos = 0;
    ReadLines([&] { return nPos < text.size() ? static_cast<unsigned char>(text[nPos++]) : EOF; }, take, nMaxLine);
}

// FALSE when the file cannot be opened.
template <typename Take>
BOOL ReadFileLines(const CString& strPath, Take take, size_t nMaxLine)
{
    // Binary: a text-mode read on Windows would end the file at a Ctrl-Z in a name.
    FILE* pFile = std::fopen(strPath, "rb");
    if (!pFile)
        return FALSE;
    ReadLines([pFile] { return std::fgetc(pFile); }, take, nMaxLine);
    std::fclose(pFile);
    return TRUE;
}

// Writes the text whole or not at all (ReplaceFileWhole); on failure pstrReason
// gets the system's reason.
BOOL SaveLineFile(const CString& strPath, const CString& strText, CString* pstrReason);
