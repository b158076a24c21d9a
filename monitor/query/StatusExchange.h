// One status request to a game server and the wait for its reply.
#pragma once

#include "framework/CString.h"

// FF FF FF FF "status": the connectionless status request, no terminator.
extern const char STATUS_REQUEST[10];
// The largest reply taken; a longer datagram is refused.
const int STATUS_REPLY_SIZE = 4096;

// Sends the request to strAddress ("host:port") and waits at most the reply
// time-out for the server's answer. TRUE with the reply text (up to its first
// zero byte) and the ping in milliseconds; FALSE on any failure, at once when the
// host cannot be resolved or the port is reported unreachable.
BOOL ExchangeStatus(const CString& strAddress, CString& strReply, DWORD& nPing);
