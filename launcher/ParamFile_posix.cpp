#include "ParamFile.h"

#include <cstdio>

bool MoveParamFileIntoPlace(const std::string& from, const std::string& path)
{
    return std::rename(from.c_str(), path.c_str()) == 0;
}
