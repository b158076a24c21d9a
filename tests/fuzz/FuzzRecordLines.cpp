// serverlist.txt records: every record that reads must write and read back equal.
#include <cstdio>
#include <cstdlib>

#include "query/GameServer.h"

// A text as it reads back: a Ctrl-Z is written as a space, and trailing spaces go.
static CString AsReadBack(CString strText)
{
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText.GetAt(i) == '\x1a')
            strText.SetAt(i, ' ');
    return strText.TrimRight();
}

static bool SameRecord(const CGameServer& a, const CGameServer& b)
{
    return AsReadBack(a.GetAddress()) == b.GetAddress() && AsReadBack(a.GetName()) == b.GetName()
        && AsReadBack(a.GetWebsite()) == b.GetWebsite() && a.IsFavorite() == b.IsFavorite()
        && a.IsIgnored() == b.IsIgnored();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    FILE* in = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!in)
        return 0;
    for (;;) {
        CGameServer read;
        if (!read.ReadFromFile(in))
            break;
        FILE* copy = tmpfile();
        if (!read.WriteToFile(copy))
            abort();
        rewind(copy);
        CGameServer again;
        if (!again.ReadFromFile(copy) || !SameRecord(read, again))
            abort();
        fclose(copy);
    }
    fclose(in);
    return 0;
}
