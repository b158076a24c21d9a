// Taking and giving up a handle, alike for windows, GDI objects and image lists:
// an object holds at most one handle, and a null handle is never taken.
#pragma once

#include "Types.h"

template <class THandle>
BOOL AfxAttachHandle(THandle& held, THandle hNew)
{
    if (!hNew || held)
        return FALSE;
    held = hNew;
    return TRUE;
}

template <class THandle>
THandle AfxDetachHandle(THandle& held)
{
    THandle hOld = held;
    held = nullptr;
    return hOld;
}
