#include "KeyboardUser.h"

#include <vector>

#include "GuiHarness.h"
#include "res/resource.h"

namespace {

INPUT KeyInput(WORD nKey, bool bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = nKey;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

BOOL CALLBACK FindVisibleDialog(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (::lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

} // namespace

HWND KeyboardUser::WaitForWindow(int timeoutMs)
{
    HWND hDialog = nullptr;
    PumpUntil([&] {
        ::EnumThreadWindows(m_nWindowThread, FindVisibleDialog, reinterpret_cast<LPARAM>(&hDialog));
        return hDialog != nullptr;
    }, timeoutMs);
    return hDialog;
}

bool KeyboardUser::WaitUntilIdle(HWND hDialog, int timeoutMs)
{
    return PumpUntil([&] {
        return !::IsWindowVisible(::GetDlgItem(hDialog, IDC_PROGRESS)) &&
               TextOf(::GetDlgItem(hDialog, IDC_STATUS)) == "Ready";
    }, timeoutMs);
}

bool KeyboardUser::Focus(HWND hDialog, HWND hControl)
{
    return PumpUntil([&] {
        // A dialog that has just closed over it may still hold the input.
        if (!::IsWindowEnabled(hDialog))
            return false;
        // Activation gives the focus back to the control that last had it, so the
        // focus is moved once the window is in front.
        ::SetForegroundWindow(hDialog);
        ::SendMessageA(hDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hControl), TRUE);
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        return ::GetGUIThreadInfo(m_nWindowThread, &info) && info.hwndActive == hDialog && info.hwndFocus == hControl;
    }, 3000);
}

void KeyboardUser::Press(WORD nKey, bool bControl)
{
    if (bControl)
        Send({KeyInput(VK_CONTROL, false), KeyInput(nKey, false), KeyInput(nKey, true), KeyInput(VK_CONTROL, true)});
    else
        Send({KeyInput(nKey, false), KeyInput(nKey, true)});
}

void KeyboardUser::KeyDown(WORD nKey) { Send({KeyInput(nKey, false)}); }
void KeyboardUser::KeyUp(WORD nKey) { Send({KeyInput(nKey, true)}); }

void KeyboardUser::Send(std::initializer_list<INPUT> inputs)
{
    std::vector<INPUT> events(inputs);
    ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}
