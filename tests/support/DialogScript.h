// The main dialog as the window tests drive it, over the shared window-test harness.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "GuiHarness.h"
#include "ui/MonitorDlg.h"

// Runs dlg modally with the script inside its loop, then closes it the user's way
// (Cancel: the shut-down sequence) unless the script already did.
void RunAndClose(CMonitorDlg& dlg, const std::function<void()>& script, int timeoutMs = 60000);

// One column's texts, row by row, as the user sees them.
std::vector<std::string> ColumnTexts(CListCtrl& list, int nColumn);
std::string WindowText(HWND hWnd);

// The custom draw handler's answer and colours for one sub-item of a row.
struct DrawAnswer {
    LRESULT result;
    COLORREF text;
    COLORREF background;
};
DrawAnswer CustomDraw(CListCtrl& list, DWORD dwStage, int nRow);
void ClickColumn(CListCtrl& list, int nColumn);
// Selects a row and reports the click (NM_CLICK or NM_RCLICK) as the list would.
void ClickRow(CListCtrl& list, int nRow, UINT nCode);

// A visible window of this thread with exactly that caption, or null.
HWND ThreadWindowTitled(const char* pszTitle);

// The clipboard's text, or "(none)" when it holds none.
CString ClipboardText();

