// Message boxes and other modal dialogs block the thread that shows them, so a test
// meets them from a second thread: a ModalWatcher waits there for a dialog window
// of this process with a given caption, records its controls, and presses a button.
//
//     ModalWatcher box("varnok");
//     AfxMessageBox("Please select a server");   // returns when the watcher presses OK
//     ASSERT_TRUE(box.Wait());
//     EXPECT_EQ(box.MessageText(), "Please select a server");
#pragma once

#include "framework/CString.h"

#include <functional>
#include <map>
#include <string>
#include <thread>

class ModalWatcher {
public:
    // Starts watching at once; gives up after timeoutMs. onFound, when given, runs on
    // the watcher thread with the dialog's window before the button is pressed
    // (e.g. to type a file name: SetDlgItemTextA works across threads).
    explicit ModalWatcher(std::string caption, int nButton = IDOK, int timeoutMs = 10000,
                          std::function<void(HWND hDialog)> onFound = {});
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // Waits for the watcher to finish; true when the dialog was found and the button
    // pressed. The readings below are valid after Wait.
    bool Wait();

    // The text of child control nID when the dialog was found ("" if none).
    CString ControlText(int nID) const;
    // A message box's text.
    CString MessageText() const { return ControlText(0xFFFF); }
    // The message box's icon as MB_ICONEXCLAMATION, MB_ICONHAND, MB_ICONQUESTION or
    // MB_ICONASTERISK; 0 when it shows none of the system's icons.
    UINT Icon() const { return m_nIcon; }
    HWND Owner() const { return m_hOwner; }

private:
    void Watch();

    std::string m_caption;
    int m_nButton;
    int m_timeoutMs;
    std::function<void(HWND)> m_onFound;
    bool m_bFound = false;
    std::map<int, CString> m_texts;
    UINT m_nIcon = 0;
    HWND m_hOwner = nullptr;
    std::thread m_thread;
};
