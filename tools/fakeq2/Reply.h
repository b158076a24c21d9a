// The datagram a fake server sends back to a status request, by its mode.
#pragma once

#include "Scenario.h"

#include <string>

// FF FF FF FF "print\n", then "\key\value..." and "\n", then the player text.
std::string StatusReply(const ServerSetup& server);

// What the server answers: the status reply, or the broken variant its mode asks for.
// Empty for servers that never answer.
std::string ReplyFor(const ServerSetup& server);

// Whether a datagram is a status request: the marker and "status", as real servers accept
// it with or without trailing bytes.
bool IsStatusRequest(const char* bytes, size_t length);
