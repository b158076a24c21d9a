// The user at the keyboard of the main window while the window runs, as in the
// program, in its own loop on the test's main thread: this object lives on a
// second thread and presses real keys through the system's input queue, which
// hands them to the focused control of the foreground window.
#pragma once

#include "framework/Framework.h"

#include <initializer_list>

class KeyboardUser {
public:
    explicit KeyboardUser(DWORD nWindowThread) : m_nWindowThread(nWindowThread) {}

    // The window thread's visible dialog; null when there is none within timeoutMs.
    HWND WaitForWindow(int timeoutMs);
    // Waits until the dialog's poll has ended: the progress bar hidden, the status "Ready".
    static bool WaitUntilIdle(HWND hDialog, int timeoutMs);
    // Brings the dialog, once no dialog of its own is over it, to the foreground
    // with the focus on hControl; false when the system would not.
    bool Focus(HWND hDialog, HWND hControl);
    // A key pressed and released, with Control held around it when asked.
    void Press(WORD nKey, bool bControl = false);
    void KeyDown(WORD nKey);
    void KeyUp(WORD nKey);

private:
    void Send(std::initializer_list<INPUT> inputs);

    DWORD m_nWindowThread;
};
