#include "SystemError.h"

#include <cerrno>
#include <cstring>

CString LastSystemErrorText()
{
    const int nError = errno;
    CString strText = std::strerror(nError);
    if (strText.IsEmpty())
        strText.Format("error %d", nError);
    return strText;
}
