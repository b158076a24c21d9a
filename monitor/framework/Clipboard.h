// Text on the system clipboard, for the program's Copy command.
#pragma once

#include "CString.h"

// Replaces the clipboard's contents with the text (CF_TEXT) on behalf of hOwner;
// FALSE, with the clipboard as it was, when another program holds it open.
BOOL AfxSetClipboardText(HWND hOwner, const CString& strText);
