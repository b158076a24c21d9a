// The keys and values of a status reply's information string, in reply order.
#pragma once

#include <utility>
#include <vector>

#include "framework/CString.h"

using CInfoPair = std::pair<CString, CString>;

// "key\value\key\value..." after the opening backslash. A pair is read only
// while a backslash follows its key: a last key with nothing after it is no pair,
// a last key with a backslash after it has the empty value.
std::vector<CInfoPair> SplitInfoPairs(CString strInfo);
