// q2kelvane.dat: the launch parameter text kept between runs of the launcher.
// The text is stored as it would be by a text-mode file on Windows: LF is written
// as CR LF, CR LF reads back as LF and a Ctrl-Z byte ends the text. The edit box
// gives its line breaks as CR LF, so they are stored as CR CR LF and come back intact.
#pragma once

#include <string>

extern const char kParamFileName[];
// The text of a first run: the modification's game directory and deathmatch mode.
extern const char kDefaultParams[];

std::string EncodeParams(const std::string& text);
std::string DecodeParams(const std::string& bytes);

// The decoded text of the file, whatever its length; empty when it cannot be opened.
std::string ReadParamFile(const std::string& path);
// Replaces the file whole or not at all: the text goes to a temporary file beside
// it, which is then moved into place. False when the text could not be stored;
// the earlier file is then left as it was.
bool WriteParamFile(const std::string& path, const std::string& text);

// The text the launcher shows: the file's, or the default one when it reads as empty.
std::string ParamsOrDefault(const std::string& loaded);
