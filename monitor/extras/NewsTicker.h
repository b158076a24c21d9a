// The news line along the top of the main window: the text scrolls to the left,
// 2 pixels every 50 ms, repeated without a gap so that the band never ends.
#pragma once

#include "framework/Framework.h"

class CNewsTicker : public CStatic {
public:
    CNewsTicker();
    virtual ~CNewsTicker() = default;

    // Takes effect at the next tick, at the current position.
    void SetText(CString strText);
    // Puts the text at the right edge and starts the timer; the window must exist.
    void Start();
    // Font and step for the window's DPI: the text keeps its size and speed to the eye.
    void SetDpi(int dpi);

protected:
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void DrawBand(CDC& dc, const CRect& rcClient);

    CFont m_font;
    int m_nStep;
    int m_nPos;
    CString m_strText;
};
