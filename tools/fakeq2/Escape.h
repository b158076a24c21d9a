// C-style escaping of datagram bytes: readable in the request log, writable in scenarios.
#pragma once

#include <optional>
#include <string>

// Printable ASCII stays as it is (backslash and quote escaped); \n \r \t and
// every other byte as \xHH with exactly two hex digits.
std::string EscapeBytes(const std::string& bytes);

// Reads \n \r \t \0 \\ \" \' and \xH or \xHH; nothing when an escape is unknown or cut short.
std::optional<std::string> UnescapeText(const std::string& text);
