// The program's message box: the application's name as caption, owned by the main
// window when there is one, and an icon chosen by the buttons when nType names none
// (exclamation for OK and OK/Cancel, question for Yes/No). Returns the button pressed.
#pragma once

#include "Types.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
