#include "web/BuildNumber.h"

int ReadBuildNumber(const CString& strText)
{
    // The white space before the number is skipped by the read itself, and
    // whatever follows the number (trailing white space included) is ignored.
    return ReadLeadingInt(strText);
}

BOOL IsNewerBuild(const CString& strText, int& build)
{
    int newest = ReadBuildNumber(strText);
    if (newest <= build)
        return FALSE;
    build = newest;
    return TRUE;
}

CString UpdateAvailableMessage(int build)
{
    CString message;
    message.Format("Kelvane Monitor build %d is now available!", build);
    return message;
}
