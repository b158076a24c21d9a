// A status reply from a stranger's server: any bytes, as many as a datagram holds.
#include <cstdlib>
#include <string>

#include "query/GameServer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    CGameServer server("127.0.0.1");
    // Twice, so the second reply replaces the players of the first.
    for (DWORD ping : {10u, 20u}) {
        if (!server.ParseStatusReply(reply.c_str(), ping))
            continue;
        CServerStatus status = server.GetStatus();
        if (status.m_nPing != ping || status.m_players.size() != status.m_nPlayers
            || server.GetPlayer(static_cast<int>(status.m_nPlayers)) != nullptr
            || (status.m_nPlayers > 0 && server.GetPlayer(static_cast<int>(status.m_nPlayers) - 1) == nullptr))
            abort();
    }
    return 0;
}
