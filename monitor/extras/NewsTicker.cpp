#include "extras/NewsTicker.h"

#include "extras/TickerMotion.h"
#include "dpi/DpiArt.h"
#include "dpi/DpiScale.h"

BEGIN_MESSAGE_MAP(CNewsTicker, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CNewsTicker::CNewsTicker()
    : m_nStep(TICKER_STEP),
      m_nPos(0)
{
    LOGFONTA lf;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    m_font.CreateFontIndirect(&lf);
}

void CNewsTicker::SetText(CString strText)
{
    m_strText = strText;
}

void CNewsTicker::SetDpi(int dpi)
{
    // The stock font is made for the screen's DPI, which a monitor may not share.
    if (HFONT hFont = CreateFontAtDpi(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), SystemDpi(), dpi)) {
        m_font.DeleteObject();
        m_font.Attach(hFont);
    }
    m_nStep = ScaleToDpi(TICKER_STEP, dpi);
}

void CNewsTicker::Start()
{
    CRect rc;
    GetClientRect(rc);
    m_nPos = rc.Width();
    SetTimer(TICKER_TIMER_ID, TICKER_INTERVAL_MS, nullptr);
}

void CNewsTicker::OnTimer(UINT_PTR /*nIDEvent*/)
{
    Default();
    m_nPos = TickerAdvance(m_nPos, m_nStep);
    // No erase: the paint covers every pixel, and erasing first would flicker.
    InvalidateRect(nullptr, FALSE);
}

void CNewsTicker::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    // Drawn off-screen and copied in one go, so that no half-drawn strip shows.
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height())) {
        DrawBand(dc, rc);
        return;
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    DrawBand(memDC, rc);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}

void CNewsTicker::DrawBand(CDC& dc, const CRect& rcClient)
{
    CFont* pOldFont = dc.SelectObject(&m_font);
    int nTextWidth = dc.GetTextExtent(m_strText, m_strText.GetLength()).cx;
    m_nPos = TickerWrap(m_nPos, nTextWidth);

    COLORREF crBack = GetSysColor(COLOR_WINDOW);
    dc.FillSolidRect(rcClient, crBack);
    dc.SetBkColor(crBack);
    dc.SetTextColor(RGB(0, 0, 0));
    // Control characters are not interpreted: a news text with line breaks runs as one line.
    for (int x : TickerCopyPositions(m_nPos, nTextWidth, rcClient.Width()))
        dc.ExtTextOut(x, 0, ETO_CLIPPED, rcClient, m_strText, m_strText.GetLength(), nullptr);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}
