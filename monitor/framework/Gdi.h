// GDI objects and device contexts. A CGdiObject owns the handle it holds: its
// destructor deletes it, unless it was given away with Detach.
#pragma once

#include "Geometry.h"
#include "Handles.h"

#include <memory>
#include <vector>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject) { return AfxAttachHandle(m_hObject, hObject); }
    HGDIOBJ Detach() { return AfxDetachHandle(m_hObject); }
    BOOL DeleteObject();
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont) { return Attach(::CreateFontIndirectA(lpLogFont)); }
};

// A bold copy of a window's font (the system's dialog font when it has none),
// made again when the window's font changes: for rows drawn bold in a list.
class CBoldFont {
public:
    CBoldFont() = default;
    CBoldFont(const CBoldFont&) = delete;
    CBoldFont& operator=(const CBoldFont&) = delete;
    virtual ~CBoldFont() = default;

    // Null when it cannot be made.
    HFONT Of(HWND hWnd);
    // For a bold row of the list hWnd in its custom draw: the font selected into
    // hDC, and CDRF_NEWFONT; CDRF_DODEFAULT without a DC or a font.
    LRESULT SelectInto(HDC hDC, HWND hWnd);

private:
    CFont m_font;
    HFONT m_hOf = nullptr; // the window's font the bold one was made from
};

class CDC;

class CBitmap : public CGdiObject {
public:
    // From the program's own bitmap resources.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// A device context. The base class owns nothing but a memory context it made; CPaintDC
// releases its own.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // A memory context for off-screen drawing; this object deletes it.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Each returns the object selected before, to be selected back. The returned
    // CFont or CBitmap belongs to this device context and lives as long as it does.
    CFont* SelectObject(CFont* pFont) { return SelectKeepingPrevious(pFont); }
    CBitmap* SelectObject(CBitmap* pBitmap) { return SelectKeepingPrevious(pBitmap); }

    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths)
    {
        return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->m_hDC, xSrc, ySrc, dwRop);
    }

private:
    template <class T>
    T* SelectKeepingPrevious(T* pObject)
    {
        HGDIOBJ hPrevious = ::SelectObject(m_hDC, pObject->GetSafeHandle());
        if (!hPrevious)
            return nullptr;
        m_previous.push_back(std::make_unique<T>());
        m_previous.back()->m_hObject = hPrevious;
        return static_cast<T*>(m_previous.back().get());
    }

    bool m_bOwnsMemoryDC = false;
    std::vector<std::unique_ptr<CGdiObject>> m_previous;  // handles borrowed, never deleted
};

// Painting a window in its WM_PAINT handler: BeginPaint here, EndPaint at destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
