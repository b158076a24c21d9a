// q2kelvane.dat as another program may have left it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "ParamFile.h"

static std::string FilePath()
{
    return "/tmp/kelvane-fuzz-params-" + std::to_string(getpid()) + ".dat";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FilePath();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    // The text is what comes before the first Ctrl-Z, CR LF read as LF.
    const std::string text = ReadParamFile(path);
    if (text != DecodeParams(bytes) || text.find('\x1A') != std::string::npos || text.size() > bytes.size())
        abort();
    // Whatever was read is stored so that it reads back the same.
    if (DecodeParams(EncodeParams(text)) != text)
        abort();
    return 0;
}
