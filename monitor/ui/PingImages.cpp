#include "ui/PingImages.h"

#include "res/resource.h"
#include "dpi/DpiArt.h"

void FillPingImages(CImageList& images, int dpi, int nSize)
{
    static const UINT kPingBitmaps[] = {IDB_PING_GREEN, IDB_PING_ORANGE, IDB_PING_RED, IDB_PING_DEAD};
    images.Create(nSize, nSize, ILC_COLORDDB, 4, 4);
    for (UINT nBitmap : kPingBitmaps) {
        CBitmap bitmap;
        bitmap.Attach(LoadArt(AfxGetInstanceHandle(), nBitmap, dpi, nSize, nSize));
        images.Add(&bitmap, RGB(0, 0, 0));
    }
}
