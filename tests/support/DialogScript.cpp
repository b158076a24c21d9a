#include "DialogScript.h"

void RunAndClose(CMonitorDlg& dlg, const std::function<void()>& script, int timeoutMs)
{
    // As in the program: the query threads post their notices to the main window.
    AfxGetApp()->m_pMainWnd = &dlg;
    RunModal(dlg, [&](CDialog&) {
        script();
        if (::IsWindow(dlg.GetSafeHwnd()))
            SendCommand(dlg.GetSafeHwnd(), IDCANCEL);
    }, timeoutMs);
    AfxGetApp()->m_pMainWnd = nullptr;
}

std::vector<std::string> ColumnTexts(CListCtrl& list, int nColumn)
{
    std::vector<std::string> texts;
    for (int i = 0, n = ListRowCount(list.GetSafeHwnd()); i < n; ++i)
        texts.push_back(ListText(list.GetSafeHwnd(), i, nColumn).str());
    return texts;
}

std::string WindowText(HWND hWnd)
{
    return TextOf(hWnd).str();
}

DrawAnswer CustomDraw(CListCtrl& list, DWORD dwStage, int nRow)
{
    NMLVCUSTOMDRAW draw = {};
    draw.clrText = 0x123456;
    draw.clrTextBk = 0x654321;
    LRESULT result = SendListCustomDraw(list.GetSafeHwnd(), dwStage, nRow, 0, &draw);
    return {result, draw.clrText, draw.clrTextBk};
}

void ClickColumn(CListCtrl& list, int nColumn)
{
    SendListNotify(list.GetSafeHwnd(), LVN_COLUMNCLICK, -1, nColumn);
}

void ClickRow(CListCtrl& list, int nRow, UINT nCode)
{
    SelectListRow(list.GetSafeHwnd(), nRow);
    SendListNotify(list.GetSafeHwnd(), nCode, nRow);
}

namespace {
struct TitleSearch {
    const char* pszTitle;
    HWND hFound;
};

BOOL CALLBACK MatchTitle(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<TitleSearch*>(lParam);
    if (IsWindowVisible(hWnd) && WindowText(hWnd) == pSearch->pszTitle) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND ThreadWindowTitled(const char* pszTitle)
{
    TitleSearch search{pszTitle, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

CString ClipboardText()
{
    CString strText = "(none)";
    if (!::OpenClipboard(nullptr))
        return strText;
    if (HANDLE hText = ::GetClipboardData(CF_TEXT)) {
        if (const char* pszText = static_cast<const char*>(::GlobalLock(hText))) {
            strText = pszText;
            ::GlobalUnlock(hText);
        }
    }
    ::CloseClipboard();
    return strText;
}
