#include "DialogScript.h"

#include <chrono>

namespace {
const std::function<void()>* g_pScript = nullptr;
CMonitorDlg* g_pDialog = nullptr;

void CALLBACK RunScriptOnce(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(nullptr, idEvent);
    (*g_pScript)();
    if (::IsWindow(g_pDialog->GetSafeHwnd()))
        g_pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
}

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

double RunDialog(CMonitorDlg& dlg, const std::function<void()>& script)
{
    g_pScript = &script;
    g_pDialog = &dlg;
    ::SetTimer(nullptr, 0, 1, RunScriptOnce);
    AfxGetApp()->m_pMainWnd = &dlg;
    auto start = std::chrono::steady_clock::now();
    dlg.DoModal();
    double ms = MsSince(start);
    AfxGetApp()->m_pMainWnd = nullptr;
    g_pScript = nullptr;
    g_pDialog = nullptr;
    return ms;
}

bool PumpUntil(const std::function<bool()>& pred, int timeoutMs)
{
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (pred())
            return true;
        double left = timeoutMs - MsSince(start);
        if (left <= 0)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? static_cast<DWORD>(left) : 10, QS_ALLINPUT);
    }
}

void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

std::vector<std::string> ColumnTexts(CListCtrl& list, int nColumn)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.push_back(static_cast<const char*>(list.GetItemText(i, nColumn)));
    return texts;
}

std::string WindowText(HWND hWnd)
{
    char text[512] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

LRESULT NotifyFromList(CMonitorDlg& dlg, CListCtrl& list, UINT nCode, int nItem, int nSubItem)
{
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = list.GetSafeHwnd();
    nm.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(list.GetSafeHwnd()));
    nm.hdr.code = nCode;
    nm.iItem = nItem;
    nm.iSubItem = nSubItem;
    return dlg.SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

DrawAnswer CustomDraw(CMonitorDlg& dlg, CListCtrl& list, DWORD dwStage, int nRow)
{
    NMLVCUSTOMDRAW nm = {};
    nm.nmcd.hdr.hwndFrom = list.GetSafeHwnd();
    nm.nmcd.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(list.GetSafeHwnd()));
    nm.nmcd.hdr.code = NM_CUSTOMDRAW;
    nm.nmcd.dwDrawStage = dwStage;
    nm.nmcd.dwItemSpec = static_cast<DWORD_PTR>(nRow);
    nm.nmcd.lItemlParam = nRow >= 0 ? static_cast<LPARAM>(list.GetItemData(nRow)) : 0;
    nm.clrText = 0x123456;
    nm.clrTextBk = 0x654321;
    LRESULT result = dlg.SendMessage(WM_NOTIFY, nm.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    return {result, nm.clrText, nm.clrTextBk};
}

void ClickRow(CMonitorDlg& dlg, int nRow, UINT nCode)
{
    dlg.m_listServers.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NotifyFromList(dlg, dlg.m_listServers, nCode, nRow);
}
