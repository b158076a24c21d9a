// A window's DPI and the pictures, icons and fonts made for it (Win32).
#pragma once

#include <windows.h>

// The message that tells a per-monitor aware window of its new DPI (the headers
// of the oldest systems we build for do not name it).
const UINT WM_DPICHANGED_MSG = 0x02E0;

// The DPI the window is shown at: its monitor's on systems that know one per
// monitor, else the screen's.
int WindowDpi(HWND hWnd);
// The screen's DPI, the one the system's stock fonts are made for.
int SystemDpi();
// The system's small-icon width at a DPI (16 at 96).
int SmallIconSize(int dpi);
// A copy of hFont, which was made for nFontDpi, with its height taken to dpi.
// The caller owns the result (null on failure).
HFONT CreateFontAtDpi(HFONT hFont, int nFontDpi, int dpi);
// The same for a font made from whole points, as a dialog's font is: its height
// goes through the point size (PointFontHeight).
HFONT CreatePointFontAtDpi(HFONT hFont, int nFontDpi, int dpi);

// The picture with bitmap resource nId at cx x cy pixels for a DPI. At 96 DPI the
// bitmap itself; otherwise the PNG drawn for the nearest scaling at or above the
// DPI (ART_ID), shrunk to cx x cy when it was drawn larger; when that cannot be
// read, the 96-DPI bitmap stretched. The caller owns the result (null on failure).
HBITMAP LoadArt(HINSTANCE hInstance, int nId, int dpi, int cx, int cy);
