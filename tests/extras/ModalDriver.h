// Answers the windows that a handler opens modally (message boxes, the open-file
// dialog) from a second thread, while the handler waits in their modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// A top-level dialog of this process with that caption, waiting at most timeoutMs;
// null when none appears.
HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000);

// The message of a message box.
std::string MessageBoxText(HWND hBox);

// Presses a push button of a dialog as a click would.
void PressButton(HWND hDlg, int id);

// Types a path into the open-file dialog's file name box and presses Open.
void ChooseFile(HWND hFileDialog, const std::string& path);

// Runs the answering side on its own thread for the life of the object.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void()> fn) : m_thread(std::move(fn)) {}
    ~ModalDriver() { m_thread.join(); }

private:
    std::thread m_thread;
};

// Starts a driver that closes the next message box with that caption and keeps
// its text (empty when none came within timeoutMs).
class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(const char* caption, DWORD timeoutMs = 10000);
    ~MessageBoxCatcher() { Text(); }
    // Waits for the driver, then gives the text.
    const std::string& Text();

private:
    std::string m_text;
    std::thread m_thread;
};
