// The master list gameservers.txt: one server address per line, lines ending in CR LF.
#pragma once

#include "framework/Collections.h"

// Appends each non-empty line of the body to lines, in file order. Only the pair
// CR LF separates lines: a bare LF or CR stays inside its line, nothing is trimmed,
// and a last line without CR LF is kept.
void SplitMasterList(const CString& strBody, CStringArray& lines);
