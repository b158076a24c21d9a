// Reading a list view back and notifying its parent as the control would, all
// through the control's messages, independently of the CListCtrl wrapper.
#pragma once

#include "framework/CString.h"

#include <commctrl.h>

#include <vector>

int ListRowCount(HWND hList);
int ListColumnCount(HWND hList);
CString ListColumnHeading(HWND hList, int nColumn);
CString ListText(HWND hList, int nRow, int nColumn);
// Every row's texts, column by column.
std::vector<std::vector<CString>> ListRows(HWND hList);
LPARAM ListItemData(HWND hList, int nRow);
int ListItemImage(HWND hList, int nRow);
// The first selected row, or -1.
int ListSelectedRow(HWND hList);
void SelectListRow(HWND hList, int nRow);

// Sends the parent the WM_NOTIFY of a click-type notice (NM_CLICK, NM_DBLCLK,
// NM_RCLICK) or a list view notice (LVN_COLUMNCLICK with the column as nSubItem,
// LVN_ITEMCHANGED, LVN_INSERTITEM...) on row nItem. Returns the parent's answer.
LRESULT SendListNotify(HWND hList, UINT nCode, int nItem, int nSubItem = 0);

// Sends the parent one NM_CUSTOMDRAW stage for a row (and sub-item for the
// CDDS_SUBITEM stages); the handler's colours are left in *pDraw.
LRESULT SendListCustomDraw(HWND hList, DWORD dwDrawStage, int nItem, int nSubItem, NMLVCUSTOMDRAW* pDraw);
