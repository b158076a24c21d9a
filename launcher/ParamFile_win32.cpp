#include "ParamFile.h"

#include <windows.h>

bool MoveParamFileIntoPlace(const std::string& from, const std::string& path)
{
    return MoveFileExA(from.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
