#include <gtest/gtest.h>

#include "query/GameText.h"

namespace {

TEST(GameText, EveryByteReadsAsTheGameDrawsIt)
{
    const struct {
        int byte;
        char shown;
    } table[] = {
        {0x00, '.'}, {0x0A, '.'}, {0x0F, '.'}, {0x10, '['}, {0x11, ']'}, {0x12, '0'}, {0x1B, '9'},
        {0x1C, '.'}, {0x1F, '.'}, {0x20, ' '}, {0x41, 'A'}, {0x7E, '~'}, {0x7F, '.'},
        {0x80, '.'}, {0x8A, '.'}, {0x90, '['}, {0x91, ']'}, {0x92, '0'}, {0x9B, '9'}, {0x9C, '.'},
        {0xA0, ' '}, {0xC1, 'A'}, {0xE1, 'a'}, {0xFE, '~'}, {0xFF, '.'},
    };
    for (const auto& row : table)
        EXPECT_EQ(ReadableChar(static_cast<unsigned char>(row.byte)), row.shown) << "byte " << row.byte;
    // "Kelvane CTF [EU]" with an alternate first word and bold brackets.
    EXPECT_EQ(ReadableText("\xcb\xe5\xec\xf6\xe1\xee\xe5 CTF \x10" "EU\x11"), "Kelvane CTF [EU]");
    EXPECT_EQ(ReadableText("\xd0\xec\xe1\xf9\xe5\xf2\x12\x9b"), "Player09");
    EXPECT_EQ(ReadableText(CString("a\0b", 3)), "a.b");
    EXPECT_EQ(ReadableText(""), "");
}

}  // namespace
