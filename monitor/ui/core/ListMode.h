// The three views of the server list and how a record earns a row in each.
#pragma once

#include "framework/CString.h"

enum ServerListMode {
    LIST_MODE_ACTIVE = 1,    // answering servers that are not ignored
    LIST_MODE_FAVORITES = 3, // favourites, answering or not
    LIST_MODE_ALL = 5,
};

// A stored setting's value as a mode: 1 and 3 as themselves, anything else all.
int ListModeFromSetting(const CString& strValue);
// The mode the list mode button switches to: active, favourites, all, active...
int NextListMode(int nMode);
// The button's caption names the view its next click shows.
const char* ListModeButtonCaption(int nMode);
// The mode's name in the window caption: "active", "favorite", "all".
const char* ListModeName(int nMode);
// Whether a record with these marks and ping has a row in the mode.
bool ListModeAdmits(int nMode, BYTE bFavorite, BYTE bIgnored, DWORD nPing);
