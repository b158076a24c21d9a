// Status replies as a server would send them, for the parse tests.
#pragma once

#include <string>

// The reply header and the information string after its opening backslash.
inline std::string Reply(const std::string& info, const std::string& players = "")
{
    return std::string("\xFF\xFF\xFF\xFFprint\n\\") + info + "\n" + players;
}
