#include "extras/NewsTicker.h"

#include "extras/TickerMotion.h"

BEGIN_MESSAGE_MAP(CNewsTicker, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CNewsTicker::CNewsTicker()
    : m_nPos(0)
{
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    m_font.Attach(CreateFontIndirectA(&lf));
}

CNewsTicker::~CNewsTicker()
{
    m_font.DeleteObject();
}

void CNewsTicker::SetText(CString strText)
{
    m_strText = strText;
}

void CNewsTicker::Start()
{
    RECT rc;
    GetClientRect(&rc);
    m_nPos = rc.right - rc.left;
    SetTimer(TICKER_TIMER_ID, TICKER_INTERVAL_MS, nullptr);
}

void CNewsTicker::OnTimer(UINT_PTR /*nIDEvent*/)
{
    Default();
    m_nPos = TickerAdvance(m_nPos);
    // No erase: the paint covers every pixel, and erasing first would flicker.
    InvalidateRect(nullptr, FALSE);
}

void CNewsTicker::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    // Drawn off-screen and copied in one go, so no half-drawn strip shows.
    HDC hMemDC = CreateCompatibleDC(dc.m_hDC);
    HBITMAP hBitmap = hMemDC ? CreateCompatibleBitmap(dc.m_hDC, rc.right, rc.bottom) : nullptr;
    if (!hBitmap) {
        if (hMemDC)
            DeleteDC(hMemDC);
        DrawBand(dc.m_hDC, rc);
        return;
    }
    HGDIOBJ hOldBitmap = SelectObject(hMemDC, hBitmap);
    DrawBand(hMemDC, rc);
    BitBlt(dc.m_hDC, 0, 0, rc.right, rc.bottom, hMemDC, 0, 0, SRCCOPY);
    SelectObject(hMemDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hMemDC);
}

void CNewsTicker::DrawBand(HDC hDC, const RECT& rcClient)
{
    HGDIOBJ hOldFont = SelectObject(hDC, m_font.GetSafeHandle());
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hDC, m_strText, m_strText.GetLength(), &size);
    m_nPos = TickerWrap(m_nPos, size.cx);

    SetBkColor(hDC, GetSysColor(COLOR_WINDOW));
    SetTextColor(hDC, RGB(0, 0, 0));
    ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcClient, nullptr, 0, nullptr);
    // Control characters are not interpreted: a news text with line breaks runs as one line.
    for (int x : TickerCopyPositions(m_nPos, size.cx, rcClient.right - rcClient.left))
        ExtTextOutA(hDC, x, 0, ETO_CLIPPED, &rcClient, m_strText, m_strText.GetLength(), nullptr);
    SelectObject(hDC, hOldFont);
}
