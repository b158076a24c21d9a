// When a server counts as full, and what the user is asked about joining it.
#pragma once

#include "query/GameServer.h"

// Its last reply shows every slot taken: slots above 0, players at or above them.
bool IsServerFull(const CServerStatus& status);
// An answering server that is not full: where a wait for a slot ends.
bool HasFreeSlot(const CServerStatus& status);
// "<name> is full (players/slots). Wait for a free slot and join then?"
CString FullServerQuestion(const CServerStatus& status);
// "Players: players/slots" as the waiting window shows the latest count.
CString SlotCountText(const CServerStatus& status);
