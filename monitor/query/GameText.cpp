#include "query/GameText.h"

char ReadableChar(unsigned char c)
{
    c &= 0x7F;
    if (c == 0x10)
        return '[';
    if (c == 0x11)
        return ']';
    if (c >= 0x12 && c <= 0x1B)
        return static_cast<char>('0' + (c - 0x12));
    if (c < 0x20 || c == 0x7F)
        return '.';
    return static_cast<char>(c);
}

CString ReadableText(const CString& strText)
{
    std::string s = strText.str();
    for (char& c : s)
        c = ReadableChar(static_cast<unsigned char>(c));
    return CString(s);
}

CString FoldedText(const CString& strText)
{
    CString strFolded = ReadableText(strText);
    strFolded.MakeLower();
    return strFolded;
}
