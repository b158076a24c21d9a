#include "Clipboard.h"

#include <cstring>

BOOL AfxSetClipboardText(HWND hOwner, const CString& strText)
{
    const size_t nBytes = static_cast<size_t>(strText.GetLength()) + 1;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hText)
        return FALSE;
    BOOL bDone = FALSE;
    if (void* pText = ::GlobalLock(hText)) {
        std::memcpy(pText, static_cast<LPCSTR>(strText), nBytes);
        ::GlobalUnlock(hText);
        if (::OpenClipboard(hOwner)) {
            ::EmptyClipboard();
            bDone = ::SetClipboardData(CF_TEXT, hText) != nullptr;
            ::CloseClipboard();
        }
    }
    // Once set, the memory is the clipboard's.
    if (!bDone)
        ::GlobalFree(hText);
    return bDone;
}
