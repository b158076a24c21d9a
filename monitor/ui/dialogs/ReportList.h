// The report-view lists of the windows over the main one that hold their own
// rows: full-row selection, columns by their share of the list's width, rows of texts.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "framework/Framework.h"

// Each column's heading and its share of the list's width in percent.
void AddColumns(CListCtrl& list, std::initializer_list<std::pair<const char*, int>> columns);
// A row at the end, one text per column; -1 when it could not be added.
int AddRow(CListCtrl& list, const std::vector<CString>& texts);
