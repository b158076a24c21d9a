#include "FileDialogInput.h"

namespace {

BOOL CALLBACK FindNameEdit(HWND hWnd, LPARAM lParam)
{
    char cls[16] = "";
    GetClassNameA(hWnd, cls, sizeof(cls));
    HWND hParent = GetParent(hWnd);
    bool inNameCombo = GetDlgCtrlID(hParent) == 1148 || GetDlgCtrlID(GetParent(hParent)) == 1148;
    if (lstrcmpiA(cls, "Edit") == 0 && (GetDlgCtrlID(hWnd) == 1152 || inNameCombo)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void TypeFileName(HWND hFileDialog, const std::string& path)
{
    HWND hEdit = nullptr;
    EnumChildWindows(hFileDialog, FindNameEdit, reinterpret_cast<LPARAM>(&hEdit));
    SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}
