// The program's windows at the screen DPI of their Wine prefix (96, 120, 144 or
// 192, one ctest entry each), and live at another DPI: places in proportion to the
// 96-DPI layout, and pictures, ping icons, fonts and columns that follow the DPI.
#include "MonitorWindowTest.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/FindPlayerDlg.h"
#include "ui/dialogs/ServerDetailsDlg.h"
#include "ui/dialogs/SlotWaitDlg.h"

namespace {
struct Picture {
    int nControl;
    int cx, cy; // at 96 DPI
};
const Picture kPictures[] = {
    {IDC_LOGO, 98, 373}, {IDC_BANNER1, 30, 30}, {IDC_BANNER2, 30, 30}, {IDC_BANNER3, 30, 30}, {IDC_BANNER4, 30, 30},
};
const int kServerWidths[] = {175, 80, 120, 50, 50};

// Controls of the main dialog that keep their template places, in dialog units.
struct TemplatePlace {
    int nControl;
    int x, y, cx, cy;
};
const TemplatePlace kMainPlaces[] = {
    {IDC_NEWS_TICKER, 7, 7, 501, 14},       {IDC_SERVER_LIST, 77, 23, 431, 154}, {IDC_PLAYER_LIST, 77, 177, 272, 80},
    {IDC_REFRESH_LIST, 356, 180, 74, 17},   {IDC_PROGRESS, 353, 259, 155, 14},
};

// The base units of the templates' font, 8 pt "MS Sans Serif", as the dialog manager
// measures them at 96 DPI: the 96-DPI layout that every other DPI is in proportion to.
SIZE BaseUnitsAt96()
{
    typedef LONG(WINAPI * GdiGetCharDimensionsFn)(HDC, TEXTMETRICW*, LONG*);
    auto pfn = reinterpret_cast<GdiGetCharDimensionsFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdi32.dll"), "GdiGetCharDimensions")));
    HFONT hFont = CreateFontA(-MulDiv(8, BASE_DPI, 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    HDC hdc = GetDC(NULL);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    LONG cy = 0;
    LONG cx = pfn ? pfn(hdc, nullptr, &cy) : 0;
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    DeleteObject(hFont);
    return SIZE{cx, cy};
}

// A template's rectangle (dialog units) where the dialog manager puts it at 96 DPI,
// times DPI/96; as left, top, right, bottom.
std::array<LONG, 4> TemplateRectAt(int x, int y, int cx, int cy, int dpi)
{
    const SIZE at96 = BaseUnitsAt96();
    auto across = [&](int n) { return static_cast<LONG>(ScaleToDpi(MulDiv(n, at96.cx, 4), dpi)); };
    auto down = [&](int n) { return static_cast<LONG>(ScaleToDpi(MulDiv(n, at96.cy, 8), dpi)); };
    return {across(x), down(y), across(x) + across(cx), down(y) + down(cy)};
}

std::array<LONG, 4> Sides(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

std::array<LONG, 4> ClientSides(HWND hDlg)
{
    RECT rc;
    GetClientRect(hDlg, &rc);
    return Sides(rc);
}

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

        // Every scaling in proportion to the 96-DPI layout, 125 % as much as 200 %.
        EXPECT_EQ(ClientSides(dlg.GetSafeHwnd()), TemplateRectAt(0, 0, 515, 280, dpi));
        for (const TemplatePlace& place : kMainPlaces)
            EXPECT_EQ(Sides(ChildRect(dlg, place.nControl)), TemplateRectAt(place.x, place.y, place.cx, place.cy, dpi))
                << place.nControl;

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

namespace {
// What the dialog base takes to a new DPI in a window: its controls' places, the
// report lists' column widths and the static icons' sizes, in child order.
struct DialogPixels {
    std::vector<int> places; // left, top, width, height of each control
    std::vector<int> columns;
    std::vector<int> icons;
};

DialogPixels PixelsOf(HWND hDlg)
{
    DialogPixels pixels;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        pixels.places.insert(pixels.places.end(), {rc.left, rc.top, rc.Width(), rc.Height()});
        HWND hHeader = reinterpret_cast<HWND>(SendMessageA(hChild, LVM_GETHEADER, 0, 0));
        for (int i = 0; hHeader && i < Header_GetItemCount(hHeader); ++i)
            pixels.columns.push_back(ListView_GetColumnWidth(hChild, i));
        ICONINFO info;
        HICON hIcon = reinterpret_cast<HICON>(SendMessageA(hChild, STM_GETICON, 0, 0));
        if (hIcon && GetIconInfo(hIcon, &info)) {
            BITMAP bm = {};
            GetObjectA(info.hbmMask, sizeof bm, &bm);
            pixels.icons.push_back(bm.bmWidth);
            DeleteObject(info.hbmMask);
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
        }
    }
    return pixels;
}

HFONT FontOf(HWND hWnd) { return reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0)); }

// A DPI change from nFrom to nTo as the system sends it: every length follows by the
// ratio, the window takes the suggested place, and the window and the controls that
// showed its font show the templates' 8 pt as made for nTo.
void ExpectFollowsDpiChange(HWND hDlg, int nFrom, int nTo)
{
    SCOPED_TRACE(std::to_string(nFrom) + " -> " + std::to_string(nTo) + " DPI");
    auto scaled = [&](int n) { return ScaleBetweenDpis(n, nFrom, nTo); };
    DialogPixels before = PixelsOf(hDlg);
    ASSERT_FALSE(before.places.empty());
    std::vector<HWND> showingFont;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if (FontOf(hChild) == FontOf(hDlg))
            showingFont.push_back(hChild);
    CRect rcWindow;
    GetWindowRect(hDlg, &rcWindow);
    RECT suggested = {rcWindow.left + 5, rcWindow.top + 5, rcWindow.left + 5 + scaled(rcWindow.Width()),
                      rcWindow.top + 5 + scaled(rcWindow.Height())};
    SendMessageA(hDlg, WM_DPICHANGED_MSG, MAKEWPARAM(nTo, nTo), reinterpret_cast<LPARAM>(&suggested));

    DialogPixels after = PixelsOf(hDlg);
    std::transform(before.places.begin(), before.places.end(), before.places.begin(), scaled);
    std::transform(before.columns.begin(), before.columns.end(), before.columns.begin(), scaled);
    std::transform(before.icons.begin(), before.icons.end(), before.icons.begin(), scaled);
    EXPECT_EQ(after.places, before.places);
    EXPECT_EQ(after.columns, before.columns);
    EXPECT_EQ(after.icons, before.icons);
    RECT moved;
    GetWindowRect(hDlg, &moved);
    EXPECT_TRUE(EqualRect(&moved, &suggested));
    LOGFONTA lf = {};
    ASSERT_TRUE(GetObjectA(FontOf(hDlg), sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, -MulDiv(8, nTo, 72));
    EXPECT_FALSE(showingFont.empty());
    for (HWND hChild : showingFont)
        EXPECT_EQ(FontOf(hChild), FontOf(hDlg)) << GetDlgCtrlID(hChild);
}
} // namespace

TEST_F(DisplayScaleWindow, OtherWindowsAreInProportionAndFollowADpiChange)
{
    ServeMasterList(Lines({28301}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        const int dpi = PrefixDpi();
        const int other = dpi == BASE_DPI || dpi == 192 ? 120 : 192;
        ASSERT_NE(dlg.Core().Servers().begin(), dlg.Core().Servers().end());
        CGameServer* pServer = *dlg.Core().Servers().begin();
        CFindPlayerDlg find(dlg.Core(), &dlg);
        CServerDetailsDlg details(pServer->GetStatus(), &dlg);
        CSlotWaitDlg wait(dlg.Core(), pServer, &dlg);
        CAboutBox about;
        ASSERT_TRUE(find.Create(IDD_FIND_PLAYER, &dlg));
        ASSERT_TRUE(details.Create(IDD_SERVER_DETAILS, &dlg));
        ASSERT_TRUE(wait.Open());
        ASSERT_TRUE(about.Create(IDD_ABOUTBOX, &dlg));
        const struct {
            CDialog& window;
            int cx, cy; // the template's size in dialog units
        } windows[] = {{find, 330, 200}, {details, 300, 230}, {wait, 200, 62}, {about, 235, 55}};
        for (const auto& w : windows) {
            SCOPED_TRACE(static_cast<const char*>(AfxGetWindowText(w.window.GetSafeHwnd())));
            EXPECT_EQ(ClientSides(w.window.GetSafeHwnd()), TemplateRectAt(0, 0, w.cx, w.cy, dpi));
            ExpectFollowsDpiChange(w.window.GetSafeHwnd(), dpi, other);
            ExpectFollowsDpiChange(w.window.GetSafeHwnd(), other, dpi);
        }
        // The about box's icon is the system's at each DPI.
        EXPECT_EQ(PixelsOf(about.GetSafeHwnd()).icons, std::vector<int>{ScaleToDpi(32, dpi)});
    });
}
