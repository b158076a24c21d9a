// What the Server Details window shows of a server: the keys and values of its
// last accepted reply in reply order and its players, as the game reads them and
// censored as names are, and a note when that reply is not the latest word.
#pragma once

#include <vector>

#include "query/GameServer.h"

struct CServerDetails {
    CString strCaption;
    // Empty, or a line above the pairs: none yet, or they are older than the last try.
    CString strNote;
    std::vector<std::vector<CString>> pairs;   // key, value
    std::vector<std::vector<CString>> players; // name, score, ping
};

CServerDetails ServerDetailsOf(const CServerStatus& status);
