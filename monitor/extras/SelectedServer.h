// The server that Join Server and Visit Server Website act on.
#pragma once

#include "framework/Framework.h"
#include "framework/SortedListCtrl.h"

class CGameServer;

// The record of the first selected row of the server list (each row's key is its
// record). Without a selection, or on a row that carries no record, tells the
// user so and gives null.
CGameServer* SelectedServerOrExplain(CSortedListCtrl& listServers);
