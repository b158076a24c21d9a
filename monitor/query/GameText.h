// Quake II draws bytes 0x80-0xFF as alternate (coloured) copies of 0x00-0x7F and
// some control bytes as bold brackets and digits. Records and files keep the
// server's bytes; whatever the user reads is this reading of them.
#pragma once

#include "framework/CString.h"

// The byte as the game shows it: bit 7 cleared, then 0x10 "[", 0x11 "]",
// 0x12-0x1B "0"-"9", and any other byte below 0x20, or 0x7F, ".".
char ReadableChar(unsigned char c);
CString ReadableText(const CString& strText);
// The text as read, lower-cased: where typed text is sought, so that it finds the
// game's alternate letters as the plain ones they read as, in any case.
CString FoldedText(const CString& strText);
// Whether the game draws the byte as another one: an alternate letter, or a
// bold bracket or digit.
inline bool IsGameGlyph(unsigned char c)
{
    return c >= 0x80 || (c >= 0x10 && c <= 0x1B);
}
