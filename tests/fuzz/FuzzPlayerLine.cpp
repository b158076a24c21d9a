// One player line of a status reply.
#include <cstdlib>
#include <string>

#include "query/GameServer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    CPlayerInfo player(line.c_str());
    CString name = player.GetName();
    if (name.GetLength() > CPlayerInfo::MAX_NAME_LENGTH || name.Find('"') >= 0)
        abort();
    if (name.IsEmpty() && (player.GetScore() != 0 || player.GetPing() != 0))
        abort();
    return 0;
}
