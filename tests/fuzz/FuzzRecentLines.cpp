// recent.txt: whatever the file holds, what reads is at most twenty servers, each
// address once, and writes and reads back the same.
#include <cstdlib>
#include <set>
#include <string>

#include "ui/core/RecentServers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CRecentServers list;
    list.Read(CString(std::string(reinterpret_cast<const char*>(data), size)));
    if (list.Servers().size() > static_cast<size_t>(CRecentServers::MAX_SERVERS))
        abort();
    std::set<std::string> addresses;
    for (const CRecentServer& server : list.Servers()) {
        if (server.strAddress.IsEmpty() || !addresses.insert(server.strAddress.str()).second
            || server.strWhen.GetLength() != 16)
            abort();
    }
    CRecentServers again;
    again.Read(RecentFileText(list.Servers()));
    if (!(again.Servers() == list.Servers()))
        abort();
    return 0;
}
