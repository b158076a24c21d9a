#include "ui/MonitorDlg.h"

#include "ui/PingImages.h"

#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

namespace {

struct PictureControl {
    int nControl;
    UINT nBitmap;
    int cx, cy; // at 96 DPI
};
const PictureControl kPictures[] = {
    {IDC_LOGO, IDB_LOGO, 98, 373},
    {IDC_BANNER1, IDB_BANNER1, 30, 30},
    {IDC_BANNER2, IDB_BANNER2, 30, 30},
    {IDC_BANNER3, IDB_BANNER3, 30, 30},
    {IDC_BANNER4, IDB_BANNER4, 30, 30},
};
} // namespace

// Pictures, ping icons and the ticker at the dialog's DPI (the base has placed the controls).
void CMonitorDlg::OnDpiScaled(int /*nOldDpi*/)
{
    const int dpi = GetDpi();
    int nIconSize = SmallIconSize(dpi);
    CImageList* pImages = new CImageList;
    FillPingImages(*pImages, dpi, nIconSize);
    // The list lets go of the old images before they are destroyed.
    m_listServers.SetImageList(pImages, LVSIL_SMALL);
    delete m_pImageList;
    m_pImageList = pImages;

    for (const PictureControl& picture : kPictures) {
        HBITMAP hBitmap = LoadArt(AfxGetInstanceHandle(), picture.nBitmap, dpi, ScaleToDpi(picture.cx, dpi),
                                  ScaleToDpi(picture.cy, dpi));
        if (!hBitmap)
            continue;
        // The control takes the picture's size; the one it showed is ours to free.
        HGDIOBJ hOld = reinterpret_cast<HGDIOBJ>(
            ::SendDlgItemMessageA(m_hWnd, picture.nControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
        if (hOld)
            ::DeleteObject(hOld);
    }
    m_ticker.SetDpi(dpi);
}

void CMonitorDlg::ScaleListColumns(HWND hList, int nOldDpi)
{
    if (hList == m_listServers.GetSafeHwnd())
        m_listServers.ScaleColumns(GetDpi());
    else if (hList == m_listPlayers.GetSafeHwnd())
        m_listPlayers.ScaleColumns(GetDpi());
    else
        CDialog::ScaleListColumns(hList, nOldDpi);
}
