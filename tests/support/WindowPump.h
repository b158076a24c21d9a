// Driving real windows from a test on the GUI thread: bounded message pumping, and
// running a modal dialog with a test script inside its modal loop.
#pragma once

#include "framework/Dialog.h"

#include <functional>

// Dispatches this thread's messages for ms milliseconds.
void PumpMessagesFor(int ms);
// Dispatches messages until done() is true (checked after each batch) or timeoutMs
// has passed; returns done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);

// Calls startModal(), which runs a modal loop (DoModal, an InitInstance, a message
// box...), and calls script() once from inside that loop, on this thread, as soon
// as the loop dispatches. A script that has not returned after timeoutMs is left
// running, but every dialog of this thread is then ended with IDABORT so the test
// cannot hang. Returns true when the script ran to its end.
bool RunInsideModalLoop(const std::function<void()>& startModal, const std::function<void()>& script, int timeoutMs = 30000);

// Runs dialog.DoModal() with script(dialog) inside its loop. A dialog still open
// when the script returns is ended with IDABORT (its OnCancel is not run: a script
// that wants the user's way out sends IDCANCEL itself). Returns DoModal's result.
INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script, int timeoutMs = 30000);

// The text of a window or control.
CString TextOf(HWND hWnd);
// Clicks a push button, check box or radio button as the mouse would (BM_CLICK).
void ClickButton(HWND hDialog, int nID);
// Sends WM_COMMAND as a control with that id and notification code would.
LRESULT SendCommand(HWND hDialog, int nID, UINT nCode = BN_CLICKED);
