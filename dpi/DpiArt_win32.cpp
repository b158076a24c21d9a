#include "dpi/DpiArt.h"

#include <objbase.h>
#include <wincodec.h>

#include "dpi/ArtIds.h"
#include "dpi/DpiScale.h"

namespace {
// Present from Windows 10 on; looked up so that the programs still start on older systems.
template <typename Fn>
Fn User32Function(const char* pszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), pszName)));
}

BITMAPINFO Bgr24Info(int cx, int cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

// 24 bits rather than 32: a 32-bit picture would be copied by the static control
// (for its alpha), and the copy would then never be freed.
HBITMAP CreateBgr24(int cx, int cy, void** ppBits)
{
    BITMAPINFO bmi = Bgr24Info(cx, cy);
    return CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, ppBits, NULL, 0);
}

template <typename T>
void Release(T*& p)
{
    if (p)
        p->Release();
    p = nullptr;
}

// The PNG resource through the system's image decoder, as a 24-bit picture.
HBITMAP DecodePng(HINSTANCE hInstance, int nId)
{
    HRSRC hRes = FindResourceA(hInstance, MAKEINTRESOURCEA(nId), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    HGLOBAL hData = hRes ? LoadResource(hInstance, hRes) : NULL;
    BYTE* pData = hData ? static_cast<BYTE*>(LockResource(hData)) : nullptr;
    if (!pData)
        return NULL;
    HRESULT hrInit = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* pFactory = nullptr;
    IWICStream* pStream = nullptr;
    IWICBitmapDecoder* pDecoder = nullptr;
    IWICBitmapFrameDecode* pFrame = nullptr;
    IWICFormatConverter* pConverter = nullptr;
    HBITMAP hBitmap = NULL;
    UINT cx = 0, cy = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
            reinterpret_cast<void**>(&pFactory)))
        && SUCCEEDED(pFactory->CreateStream(&pStream))
        && SUCCEEDED(pStream->InitializeFromMemory(pData, SizeofResource(hInstance, hRes)))
        && SUCCEEDED(pFactory->CreateDecoderFromStream(pStream, NULL, WICDecodeMetadataCacheOnDemand, &pDecoder))
        && SUCCEEDED(pDecoder->GetFrame(0, &pFrame)) && SUCCEEDED(pFrame->GetSize(&cx, &cy))
        && SUCCEEDED(pFactory->CreateFormatConverter(&pConverter))
        && SUCCEEDED(pConverter->Initialize(pFrame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, NULL, 0.0,
            WICBitmapPaletteTypeCustom))) {
        void* pBits = nullptr;
        UINT nStride = (cx * 3 + 3) & ~3u;
        hBitmap = CreateBgr24(cx, cy, &pBits);
        if (hBitmap && FAILED(pConverter->CopyPixels(NULL, nStride, nStride * cy, static_cast<BYTE*>(pBits)))) {
            DeleteObject(hBitmap);
            hBitmap = NULL;
        }
    }
    Release(pConverter);
    Release(pFrame);
    Release(pDecoder);
    Release(pStream);
    Release(pFactory);
    if (SUCCEEDED(hrInit))
        CoUninitialize();
    return hBitmap;
}

// hSource at cx x cy, averaging pixels when it shrinks; hSource is consumed.
HBITMAP FitTo(HBITMAP hSource, int cx, int cy)
{
    BITMAP bm;
    if (!hSource || !GetObjectA(hSource, sizeof bm, &bm) || (bm.bmWidth == cx && bm.bmHeight == cy))
        return hSource;
    void* pBits = nullptr;
    HBITMAP hFitted = CreateBgr24(cx, cy, &pBits);
    HDC hdcSource = CreateCompatibleDC(NULL);
    HDC hdcFitted = CreateCompatibleDC(NULL);
    if (hFitted && hdcSource && hdcFitted) {
        HGDIOBJ hOldSource = SelectObject(hdcSource, hSource);
        HGDIOBJ hOldFitted = SelectObject(hdcFitted, hFitted);
        SetStretchBltMode(hdcFitted, HALFTONE);
        SetBrushOrgEx(hdcFitted, 0, 0, NULL);
        StretchBlt(hdcFitted, 0, 0, cx, cy, hdcSource, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        SelectObject(hdcFitted, hOldFitted);
        SelectObject(hdcSource, hOldSource);
    }
    if (hdcSource)
        DeleteDC(hdcSource);
    if (hdcFitted)
        DeleteDC(hdcFitted);
    DeleteObject(hSource);
    return hFitted;
}
} // namespace

int SystemDpi()
{
    HDC hdc = GetDC(NULL);
    int dpi = hdc ? GetDeviceCaps(hdc, LOGPIXELSY) : BASE_DPI;
    if (hdc)
        ReleaseDC(NULL, hdc);
    return dpi > 0 ? dpi : BASE_DPI;
}

int WindowDpi(HWND hWnd)
{
    typedef UINT(WINAPI * GetDpiForWindowFn)(HWND);
    static const GetDpiForWindowFn pfnGetDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    UINT dpi = pfnGetDpiForWindow && hWnd ? pfnGetDpiForWindow(hWnd) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

int SmallIconSize(int dpi)
{
    typedef int(WINAPI * GetSystemMetricsForDpiFn)(int, UINT);
    static const GetSystemMetricsForDpiFn pfnForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    int nSize = pfnForDpi ? pfnForDpi(SM_CXSMICON, dpi) : 0;
    if (nSize > 0)
        return nSize;
    // Older systems: the size the system uses at its own DPI, taken to this one.
    return MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
}

namespace {
HFONT CopyFontWithHeight(HFONT hFont, int (*pfnHeight)(int nHeight, int nFromDpi, int nToDpi), int nFontDpi, int dpi)
{
    LOGFONTA lf;
    if (!hFont || !GetObjectA(hFont, sizeof lf, &lf))
        return NULL;
    lf.lfHeight = pfnHeight(lf.lfHeight, nFontDpi, dpi);
    return CreateFontIndirectA(&lf);
}
} // namespace

HFONT CreateFontAtDpi(HFONT hFont, int nFontDpi, int dpi)
{
    return CopyFontWithHeight(hFont, ScaleBetweenDpis, nFontDpi, dpi);
}

HFONT CreatePointFontAtDpi(HFONT hFont, int nFontDpi, int dpi)
{
    return CopyFontWithHeight(hFont, PointFontHeight, nFontDpi, dpi);
}

HBITMAP LoadArt(HINSTANCE hInstance, int nId, int dpi, int cx, int cy)
{
    int nArt = ArtIndexForDpi(dpi);
    HBITMAP hArt = nArt > 0 ? DecodePng(hInstance, ART_ID(nId, nArt)) : NULL;
    if (!hArt)
        hArt = LoadBitmapA(hInstance, MAKEINTRESOURCEA(nId));
    return FitTo(hArt, cx, cy);
}
