#include "SystemError.h"

#include <windows.h>

// The C library's file calls leave the system's error behind them too, which
// reads in the user's language where errno's text would not.
CString LastSystemErrorText()
{
    const DWORD dwError = ::GetLastError();
    char text[512] = "";
    DWORD nLength = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0,
                                     text, sizeof text, nullptr);
    CString strText(text, static_cast<int>(nLength));
    strText.TrimRight();
    while (!strText.IsEmpty() && strText.GetAt(strText.GetLength() - 1) == '.')
        strText = strText.Left(strText.GetLength() - 1);
    if (strText.IsEmpty())
        strText.Format("error %lu", static_cast<unsigned long>(dwError));
    return strText;
}
