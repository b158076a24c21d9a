// The notice a query thread posts to the main window when its query has ended.
#pragma once

#include "framework/Types.h"

// wParam: the CGameServer queried; lParam: one of the outcomes below.
#define WM_QUERYDONE (WM_USER + 1)
#define QUERY_ACCEPTED 1
#define QUERY_FAILED 2
