// The main dialog's template as the system builds it: every control there with its
// kind, the push buttons the only tab stops, the frame styles, the pictures loaded.
#include "GuiHarness.h"
#include "TestPaths.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CString ClassOf(HWND hWnd)
{
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    return CString(szClass).MakeLower();
}

} // namespace

TEST(VarnokDialog, TemplateBuildsTheMainWindowAsLaidOut)
{
    CDialog dialog(IDD_VARNOK_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_VARNOK_DIALOG));
    HWND hDlg = dialog.m_hWnd;
    EXPECT_EQ(TextOf(hDlg), "varnok");
    const LONG style = GetWindowLongA(hDlg, GWL_STYLE);
    EXPECT_TRUE((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    const struct {
        int id;
        const char* cls;
        bool tabStop;
    } controls[] = { { IDC_REFRESH_LIST, "button", true }, { IDC_VISIT_WEBSITE, "button", true },
                     { IDC_JOIN_SERVER, "button", true },  { IDC_ADD_SERVER, "button", true },
                     { IDC_SERVER_LIST, "syslistview32", false }, { IDC_PLAYER_LIST, "syslistview32", false },
                     { IDC_STATUS, "static", false },      { IDC_LOGO, "static", false },
                     { IDC_PROGRESS, "msctls_progress32", false }, { IDC_THREADS1, "button", false },
                     { IDC_THREADS3, "button", false },    { IDC_THREADS7, "button", false },
                     { IDC_LIST_MODE, "button", true },    { IDC_NEWS_TICKER, "static", false },
                     { IDC_BANNER1, "static", false },     { IDC_BANNER2, "static", false },
                     { IDC_BANNER3, "static", false },     { IDC_BANNER4, "static", false } };
    for (const auto& control : controls) {
        HWND hControl = GetDlgItem(hDlg, control.id);
        ASSERT_NE(hControl, nullptr) << control.id;
        EXPECT_EQ(ClassOf(hControl), control.cls) << control.id;
        EXPECT_EQ((GetWindowLongA(hControl, GWL_STYLE) & WS_TABSTOP) != 0, control.tabStop) << control.id;
    }
    for (int id : { IDC_LOGO, IDC_BANNER1, IDC_BANNER2, IDC_BANNER3, IDC_BANNER4 })
        EXPECT_NE(SendDlgItemMessageA(hDlg, id, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << id;
    EXPECT_EQ(TextOf(GetDlgItem(hDlg, IDC_STATUS)), "Status");

    // Kept on screen on request, for a person to take a picture and compare it with the layout.
    if (int nHoldMs = std::atoi(Env("KELVANE_DIALOG_HOLD_MS").c_str()))
        PumpMessagesFor(nHoldMs);
}

// Version 6 is the side-by-side assembly; without the manifest the system's own
// copy (version 5) is loaded. Wine's copies both report 5 from DllGetVersion.
TEST(VarnokDialog, ManifestSelectsCommonControlsSix)
{
    char szPath[MAX_PATH] = "";
    ASSERT_TRUE(GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), szPath, sizeof(szPath)));
    EXPECT_NE(CString(szPath).MakeLower().Find("\\winsxs\\"), -1) << szPath;
}
