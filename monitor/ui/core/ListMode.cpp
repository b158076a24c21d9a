#include "ui/core/ListMode.h"

#include "query/GameServer.h"

int ListModeFromSetting(const CString& strValue)
{
    int nMode = ReadLeadingInt(strValue);
    return nMode == LIST_MODE_ACTIVE || nMode == LIST_MODE_FAVORITES ? nMode : LIST_MODE_ALL;
}

int NextListMode(int nMode)
{
    switch (nMode) {
    case LIST_MODE_ACTIVE: return LIST_MODE_FAVORITES;
    case LIST_MODE_FAVORITES: return LIST_MODE_ALL;
    default: return LIST_MODE_ACTIVE;
    }
}

const char* ListModeButtonCaption(int nMode)
{
    switch (nMode) {
    case LIST_MODE_ACTIVE: return "Show Favorites Only";
    case LIST_MODE_FAVORITES: return "Show ALL Servers";
    default: return "Show Active Servers";
    }
}

const char* ListModeName(int nMode)
{
    switch (nMode) {
    case LIST_MODE_ACTIVE: return "active";
    case LIST_MODE_FAVORITES: return "favorite";
    default: return "all";
    }
}

bool ListModeAdmits(int nMode, BYTE bFavorite, BYTE bIgnored, DWORD nPing)
{
    switch (nMode) {
    case LIST_MODE_ACTIVE: return bIgnored != 1 && nPing < PING_NOT_ANSWERING;
    case LIST_MODE_FAVORITES: return bFavorite == 1;
    default: return true;
    }
}
