// gameservers.txt as the web server sends it.
#include <cstdlib>
#include <string>

#include "web/MasterList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string body(reinterpret_cast<const char*>(data), size);
    CStringArray lines;
    SplitMasterList(CString(body), lines);
    // The body is separators and lines: each line non-empty, holding no separator,
    // and followed by one or by the end.
    auto skipSeparators = [&body](size_t at) {
        while (body.compare(at, 2, "\r\n") == 0)
            at += 2;
        return at;
    };
    size_t at = skipSeparators(0);
    for (const CString& line : lines) {
        const std::string& text = line.str();
        if (text.empty() || text.find("\r\n") != std::string::npos || body.compare(at, text.size(), text) != 0)
            abort();
        at += text.size();
        if (at < body.size() && body.compare(at, 2, "\r\n") != 0)
            abort();
        at = skipSeparators(at);
    }
    if (at != body.size())
        abort();
    return 0;
}
