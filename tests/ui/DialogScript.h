// Runs the real main dialog under a test script, and the readings the window tests
// make of it. Win32 only.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/MonitorDlg.h"

// Runs dlg modally; the script runs inside its message loop once it is up. The
// dialog is cancelled after the script unless the script ended it. Returns the
// milliseconds that DoModal took.
double RunDialog(CMonitorDlg& dlg, const std::function<void()>& script);

// Dispatches messages until pred holds or timeoutMs pass; returns pred's last value.
bool PumpUntil(const std::function<bool()>& pred, int timeoutMs);
void PumpFor(int ms);

// What the user sees of the server list, row by row: one column's texts.
std::vector<std::string> ColumnTexts(CListCtrl& list, int nColumn);
std::string WindowText(HWND hWnd);

// Sends a list view notice to the dialog as the list would.
LRESULT NotifyFromList(CMonitorDlg& dlg, CListCtrl& list, UINT nCode, int nItem = -1, int nSubItem = 0);
// The colours and answer of the custom draw handler for one sub-item of a row.
struct DrawAnswer {
    LRESULT result;
    COLORREF text;
    COLORREF background;
};
DrawAnswer CustomDraw(CMonitorDlg& dlg, CListCtrl& list, DWORD dwStage, int nRow);
// Selects a row and reports the click (NM_CLICK or NM_RCLICK) as the list would.
void ClickRow(CMonitorDlg& dlg, int nRow, UINT nCode);
