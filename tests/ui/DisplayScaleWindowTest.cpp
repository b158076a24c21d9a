// The main dialog at the screen DPI of its Wine prefix (96, 144 or 192, one ctest
// entry each), and live at another DPI: pictures, ping icons and columns in pixels
// that follow the DPI.
#include "MonitorWindowTest.h"

#include <cstdlib>

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

namespace {
struct Picture {
    int nControl;
    int cx, cy; // at 96 DPI
};
const Picture kPictures[] = {
    {IDC_LOGO, 98, 373}, {IDC_BANNER1, 30, 30}, {IDC_BANNER2, 30, 30}, {IDC_BANNER3, 30, 30}, {IDC_BANNER4, 30, 30},
};
const int kServerWidths[] = {175, 80, 120, 50, 50};

int PrefixDpi()
{
    const char* psz = std::getenv("KELVANE_WINE_DPI");
    return psz ? std::atoi(psz) : BASE_DPI;
}

CRect ChildRect(CMonitorDlg& dlg, int nControl)
{
    CRect rc;
    HWND hChild = GetDlgItem(dlg.GetSafeHwnd(), nControl);
    GetWindowRect(hChild, &rc);
    MapWindowPoints(NULL, dlg.GetSafeHwnd(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Everything the dialog sets in pixels, as it stands, against the sizes for dpi.
void ExpectScaledTo(CMonitorDlg& dlg, int dpi)
{
    SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(dlg.m_listServers.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(hImages, &cx, &cy));
    EXPECT_EQ(cx, ScaleToDpi(16, dpi));
    EXPECT_EQ(cy, ScaleToDpi(16, dpi));
    EXPECT_EQ(ImageList_GetImageCount(hImages), 4);

    for (const Picture& picture : kPictures) {
        HWND hControl = GetDlgItem(dlg.GetSafeHwnd(), picture.nControl);
        BITMAP bm = {};
        HGDIOBJ hBitmap = reinterpret_cast<HGDIOBJ>(SendMessageA(hControl, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_TRUE(GetObjectA(hBitmap, sizeof bm, &bm)) << picture.nControl;
        EXPECT_EQ(bm.bmWidth, ScaleToDpi(picture.cx, dpi)) << picture.nControl;
        EXPECT_EQ(bm.bmHeight, ScaleToDpi(picture.cy, dpi)) << picture.nControl;
        // The control takes the picture's size, as the dialog makes it at 96 DPI.
        CRect rcControl;
        GetWindowRect(hControl, &rcControl);
        EXPECT_EQ(rcControl.Width(), bm.bmWidth) << picture.nControl;
        EXPECT_EQ(rcControl.Height(), bm.bmHeight) << picture.nControl;
    }

    // An empty list keeps its initial widths.
    CRect rcList;
    dlg.m_listServers.GetWindowRect(&rcList);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ListView_GetColumnWidth(dlg.m_listServers.GetSafeHwnd(), i), ScaleToDpi(kServerWidths[i], dpi)) << i;
    EXPECT_EQ(ListView_GetColumnWidth(dlg.m_listServers.GetSafeHwnd(), 5), rcList.Width() - ScaleToDpi(485, dpi));
    EXPECT_EQ(ListView_GetColumnWidth(dlg.m_listPlayers.GetSafeHwnd(), 0), ScaleToDpi(200, dpi));
    EXPECT_EQ(ListView_GetColumnWidth(dlg.m_listPlayers.GetSafeHwnd(), 1), ScaleToDpi(100, dpi));
}
} // namespace

class DisplayScaleWindow : public MonitorWindow {};

TEST_F(DisplayScaleWindow, DrawsAtTheScreensDpiInProportion)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        int dpi = PrefixDpi();
        ASSERT_EQ(WindowDpi(dlg.GetSafeHwnd()), dpi) << "the prefix is not at the DPI this entry names";
        ExpectScaledTo(dlg, dpi);

        // The pictures stay within their places: the logo above the status line,
        // the banners side by side under the buttons' frame.
        CRect rcLogo = ChildRect(dlg, IDC_LOGO);
        EXPECT_LE(rcLogo.bottom, ChildRect(dlg, IDC_STATUS).top);
        EXPECT_LE(rcLogo.right, ChildRect(dlg, IDC_SERVER_LIST).left);
        for (int id = IDC_BANNER1; id < IDC_BANNER4; ++id)
            EXPECT_LE(ChildRect(dlg, id).right, ChildRect(dlg, id + 1).left) << id;
        EXPECT_LE(ChildRect(dlg, IDC_BANNER4).right, ChildRect(dlg, IDC_SERVER_LIST).right + 2);
    });
}

TEST_F(DisplayScaleWindow, DpiChangeReLaysOutLive)
{
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        int dpi = PrefixDpi();
        int other = dpi == BASE_DPI ? 192 : BASE_DPI;
        CRect rcWindow;
        dlg.GetWindowRect(&rcWindow);
        RECT suggested = {rcWindow.left + 10, rcWindow.top + 20, rcWindow.left + 10 + MulDiv(rcWindow.Width(), other, dpi),
                          rcWindow.top + 20 + MulDiv(rcWindow.Height(), other, dpi)};
        dlg.SendMessage(WM_DPICHANGED_MSG, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
        RECT moved;
        GetWindowRect(dlg.GetSafeHwnd(), &moved);
        EXPECT_TRUE(EqualRect(&moved, &suggested)) << "the window takes the place the system suggests";
        ExpectScaledTo(dlg, other);

        dlg.SendMessage(WM_DPICHANGED_MSG, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rcWindow));
        ExpectScaledTo(dlg, dpi);
    });
}
