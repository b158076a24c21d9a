#include "ModalDriver.h"

#include <vector>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    char cls[64] = "";
    GetClassNameA(hWnd, cls, sizeof(cls));
    // Not GetWindowText: it would send a message to the GUI thread, which may be
    // waiting for this one.
    WCHAR text[256] = L"";
    InternalGetWindowText(hWnd, text, 256);
    char caption[256] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, caption, sizeof(caption), nullptr, nullptr);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hWnd) && lstrcmpA(cls, "#32770") == 0
        && lstrcmpA(caption, search->caption) == 0) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

HWND WaitForDialog(const char* caption, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        Search search = {caption, nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start > timeoutMs)
            return search.found;
        Sleep(20);
    }
}

std::string MessageBoxText(HWND hBox)
{
    char text[1024] = "";
    GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
    return text;
}

void PressButton(HWND hDlg, int id)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, id)));
}

void ChooseFile(HWND hFileDialog, const std::string& path)
{
    // The file name box is edit 1152 or, in the newer layout, the edit inside combo box 1148.
    std::vector<HWND> children;
    EnumChildWindows(hFileDialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    HWND hEdit = nullptr;
    for (HWND h : children) {
        char cls[32] = "";
        GetClassNameA(h, cls, sizeof(cls));
        int id = GetDlgCtrlID(h);
        HWND parent = GetParent(h);
        if (lstrcmpiA(cls, "Edit") == 0 && (id == 1152 || GetDlgCtrlID(parent) == 1148 || GetDlgCtrlID(GetParent(parent)) == 1148))
            hEdit = h;
    }
    SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PressButton(hFileDialog, IDOK);
}

MessageBoxCatcher::MessageBoxCatcher(const char* caption, DWORD timeoutMs)
    : m_thread([this, caption, timeoutMs] {
          HWND hBox = WaitForDialog(caption, timeoutMs);
          if (!hBox)
              return;
          m_text = MessageBoxText(hBox);
          PressButton(hBox, IDOK);
      })
{
}

const std::string& MessageBoxCatcher::Text()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_text;
}
