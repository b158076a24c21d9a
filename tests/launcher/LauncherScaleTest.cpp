// The real kelvane-launcher.exe at the screen DPI of its Wine prefix (96, 120, 144
// or 192, one ctest entry each) and after a DPI change: the window and every control
// at DPI/96 times their 96-DPI places, and no text cut.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ChildProgram.h"
#include "dpi/DpiScale.h"
#include "TestPaths.h"
#include "resource.h"

namespace {
const UINT kDpiChanged = 0x02E0;

struct Control {
    int id;
    const char* text;
    int x, y, cx, cy; // at 96 DPI
    bool bold;
};
const Control kControls[] = {
    {IDC_LAUNCH, "Launch!", 583, 155, 80, 30, true},
    {IDC_WEBSITE, "Website", 583, 205, 80, 30, true},
    {IDC_ABOUT, "About", 583, 255, 80, 30, true},
    {IDC_QUIT, "Quit", 583, 305, 80, 30, true},
    {IDC_PARAMS_LABEL, "Launch Parameters:", 10, 135, 150, 20, true},
    {IDC_PARAMS, "", 5, 155, 567, 180, true},
    {IDC_VERSION, "Version 4.0", 592, 135, 150, 20, false},
};

int PrefixDpi()
{
    const char* psz = std::getenv("KELVANE_WINE_DPI");
    return psz ? std::atoi(psz) : BASE_DPI;
}

// The launcher's fonts at a DPI: a font made in this process measures the same
// letters as the launcher's, whose handle cannot be read across processes.
HFONT MakeFont(bool bold, int dpi)
{
    return CreateFontA(bold ? -MulDiv(10, dpi, 72) : -MulDiv(10, dpi, 96), 0, 0, 0, bold ? FW_BOLD : FW_DONTCARE, FALSE,
        FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, "Verdana");
}

SIZE TextExtent(const char* text, bool bold, int dpi)
{
    HDC hdc = GetDC(NULL);
    HFONT hFont = MakeFont(bold, dpi);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SIZE extent = {};
    GetTextExtentPoint32A(hdc, text, static_cast<int>(strlen(text)), &extent);
    SelectObject(hdc, hOld);
    DeleteObject(hFont);
    ReleaseDC(NULL, hdc);
    return extent;
}

void ExpectLaidOutAt(HWND hWnd, int dpi)
{
    SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    EXPECT_EQ(rcWindow.right - rcWindow.left, ScaleToDpi(680, dpi));
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, ScaleToDpi(365, dpi));
    for (const Control& control : kControls) {
        HWND hControl = GetDlgItem(hWnd, control.id);
        RECT rc;
        GetWindowRect(hControl, &rc);
        MapWindowPoints(NULL, hWnd, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rc.left, ScaleToDpi(control.x, dpi)) << control.id;
        EXPECT_EQ(rc.top, ScaleToDpi(control.y, dpi)) << control.id;
        // A label or button may grow to fit its text, but only away from 96 DPI.
        if (dpi == BASE_DPI) {
            EXPECT_EQ(rc.right - rc.left, control.cx) << control.id;
            EXPECT_EQ(rc.bottom - rc.top, control.cy) << control.id;
        } else {
            EXPECT_GE(rc.right - rc.left, ScaleToDpi(control.cx, dpi)) << control.id;
            EXPECT_GE(rc.bottom - rc.top, ScaleToDpi(control.cy, dpi)) << control.id;
        }
        if (!*control.text)
            continue;
        RECT rcClient;
        GetClientRect(hControl, &rcClient);
        SIZE extent = TextExtent(control.text, control.bold, dpi);
        EXPECT_LE(extent.cx, rcClient.right) << "cut: " << control.text;
        EXPECT_LE(extent.cy, rcClient.bottom) << "cut: " << control.text;
    }
}
} // namespace

TEST(LauncherScale, WindowAndControlsAtTheScreensDpiWithNoTextCut)
{
    ScratchDir dir("launcher-scale-" + std::to_string(PrefixDpi()));
    ChildProgram launcher(LAUNCHER_EXE, "Kelvane Launcher", "Kelvane Launcher");
    ASSERT_TRUE(launcher.Window());
    ExpectLaidOutAt(launcher.Window(), PrefixDpi());
}

TEST(LauncherScale, DpiChangeReLaysOutLive)
{
    ScratchDir dir("launcher-scale-change-" + std::to_string(PrefixDpi()));
    ChildProgram launcher(LAUNCHER_EXE, "Kelvane Launcher", "Kelvane Launcher");
    ASSERT_TRUE(launcher.Window());
    int dpi = PrefixDpi();
    int other = dpi == BASE_DPI ? 192 : BASE_DPI;
    DWORD_PTR result;
    // No suggested place across processes: the launcher then keeps its corner.
    ASSERT_TRUE(SendMessageTimeoutA(launcher.Window(), kDpiChanged, MAKEWPARAM(other, other), 0, SMTO_ABORTIFHUNG, 15000,
        &result));
    ExpectLaidOutAt(launcher.Window(), other);
    ASSERT_TRUE(SendMessageTimeoutA(launcher.Window(), kDpiChanged, MAKEWPARAM(dpi, dpi), 0, SMTO_ABORTIFHUNG, 15000,
        &result));
    ExpectLaidOutAt(launcher.Window(), dpi);
}
