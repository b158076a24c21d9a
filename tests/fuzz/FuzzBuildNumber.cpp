// build.txt as the web server sends it: read as the C library reads a number.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "web/BuildNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int build = ReadBuildNumber(CString(text));
    // The text is read up to its first zero byte, as a C string.
    const long long expected = std::strtoll(text.c_str(), nullptr, 10);
    if (build != (expected > INT_MAX ? INT_MAX : expected < INT_MIN ? INT_MIN : expected))
        abort();

    for (int current : {INT_MIN, -1, 0, BUILD_NUMBER, INT_MAX}) {
        int newest = current;
        const BOOL bNewer = IsNewerBuild(CString(text), newest);
        if (bNewer != (build > current) || newest != (bNewer ? build : current))
            abort();
    }
    return 0;
}
