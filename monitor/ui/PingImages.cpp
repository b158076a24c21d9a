#include "ui/PingImages.h"

#include "res/resource.h"
#include "dpi/DpiArt.h"
#include "ui/core/ServerRows.h"

// The lock goes over the ping image of a server that needs a password: the list
// is masked, so that the ping image shows around it.
void FillPingImages(CImageList& images, int dpi, int nSize)
{
    static const UINT kPingBitmaps[] = {IDB_PING_GREEN, IDB_PING_ORANGE, IDB_PING_RED, IDB_PING_DEAD};
    images.Create(nSize, nSize, ILC_COLORDDB | ILC_MASK, 5, 4);
    for (UINT nBitmap : kPingBitmaps) {
        CBitmap bitmap;
        bitmap.Attach(LoadArt(AfxGetInstanceHandle(), nBitmap, dpi, nSize, nSize));
        images.Add(&bitmap, RGB(0, 0, 0));
    }
    CBitmap lock;
    lock.Attach(LoadArt(AfxGetInstanceHandle(), IDB_LOCK, dpi, nSize, nSize));
    const int nLock = images.Add(&lock, RGB(0, 0, 0));
    if (nLock >= 0)
        ImageList_SetOverlayImage(images.GetSafeHandle(), nLock, OVERLAY_LOCK);
}
