// The word list and a text: bytes up to the first zero byte are obscenities.txt,
// the rest is the text to censor.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "query/WordFilter.h"

static std::string WordFilePath()
{
    return "/tmp/kelvane-fuzz-words-" + std::to_string(getpid()) + ".txt";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const char* zero = static_cast<const char*>(memchr(bytes, 0, size));
    const size_t wordBytes = zero ? static_cast<size_t>(zero - bytes) : size;
    static const std::string path = WordFilePath();
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(bytes, 1, wordBytes, file);
    fclose(file);

    CWordFilter filter;
    filter.LoadFromFile(path.c_str());
    const CString text(zero ? zero + 1 : "", zero ? static_cast<int>(size - wordBytes - 1) : 0);
    const CString censored = filter.Censor(text);
    if (censored.GetLength() != text.GetLength())
        abort();
    for (int i = 0; i < text.GetLength(); ++i)
        if (censored.GetAt(i) != text.GetAt(i) && censored.GetAt(i) != '*')
            abort();
    return 0;
}
