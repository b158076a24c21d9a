// The news ticker as a real control under Wine and Xvfb: what it paints, tick by tick.
#include <gtest/gtest.h>

#include <algorithm>

#include "ExtrasTestSupport.h"
#include "extras/NewsTicker.h"
#include "extras/TickerMotion.h"

namespace {

const int kWidth = 320;
const int kHeight = 16;

// A window with a static control that the ticker subclasses, as the main
// dialog's data exchange does with control 1011.
class TickerWindow {
public:
    TickerWindow()
    {
        m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 40, kWidth + 20, kHeight + 20,
                                    nullptr, nullptr, nullptr, nullptr);
        m_hStatic = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, kWidth, kHeight, m_hParent,
                                    nullptr, nullptr, nullptr);
        m_ticker.SubclassWindow(m_hStatic);
    }
    ~TickerWindow()
    {
        m_ticker.UnsubclassWindow();
        DestroyWindow(m_hParent);
    }

    void Run(const char* pszText, int nTicks)
    {
        m_ticker.SetText(pszText);
        m_ticker.Start();
        for (int i = 0; i < nTicks; ++i)
            Tick();
    }
    void Tick(UINT_PTR id = TICKER_TIMER_ID)
    {
        SendMessageA(m_hStatic, WM_TIMER, id, 0);
        UpdateWindow(m_hStatic);
    }

    // Per column of the client area, the rows that differ from the background, as bits.
    std::vector<unsigned> Columns() const
    {
        std::vector<unsigned> columns(kWidth, 0);
        HDC hDC = GetDC(m_hStatic);
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y)
                columns[x] |= GetPixel(hDC, x, y) != GetSysColor(COLOR_WINDOW) ? 1u << y : 0;
        ReleaseDC(m_hStatic, hDC);
        return columns;
    }
    int FirstInk() const
    {
        std::vector<unsigned> columns = Columns();
        for (int x = 0; x < kWidth; ++x)
            if (columns[x])
                return x;
        return -1;
    }
    // In the ticker's font, the system's default GUI font.
    SIZE TextSize(const char* psz) const
    {
        HDC hDC = GetDC(m_hStatic);
        HGDIOBJ hOld = SelectObject(hDC, GetStockObject(DEFAULT_GUI_FONT));
        SIZE size = {0, 0};
        GetTextExtentPoint32A(hDC, psz, lstrlenA(psz), &size);
        SelectObject(hDC, hOld);
        ReleaseDC(m_hStatic, hDC);
        return size;
    }

    CNewsTicker m_ticker;

private:
    HWND m_hParent;
    HWND m_hStatic;
};

TEST(NewsTicker, EntersAtTheRightEdgeAndMovesTwoPixelsAnyTick)
{
    TickerWindow window;
    window.Run("HELLO", 0);
    window.m_ticker.InvalidateRect(nullptr, FALSE);
    window.m_ticker.UpdateWindow();
    EXPECT_EQ(window.FirstInk(), -1) << "only the background right after Start";
    window.Tick();
    int first = window.FirstInk();
    ASSERT_GE(first, kWidth - TICKER_STEP);
    window.Tick(7); // any timer id moves it
    EXPECT_EQ(window.FirstInk(), first - 2);
}

TEST(NewsTicker, CopiesRepeatWithoutGapAndTheWrapDoesNotJump)
{
    TickerWindow window;
    const char* text = "Kelvane news  ";
    int w = window.TextSize(text).cx;
    ASSERT_LT(2 * w, kWidth);
    window.Run(text, (kWidth + 3 * w) / TICKER_STEP); // the strip full, several wraps behind
    std::vector<unsigned> columns = window.Columns();
    for (int x = 0; x + w < kWidth; ++x)
        ASSERT_EQ(columns[x], columns[x + w]) << "column " << x;
    // Over a whole period, each tick shows the picture before moved left by 2
    // pixels, or by less at a wrap, never more, never backwards.
    for (int i = 0; i < w; ++i) {
        std::vector<unsigned> before = window.Columns();
        window.Tick();
        std::vector<unsigned> after = window.Columns();
        bool moved = false;
        for (int shift = TICKER_STEP; shift >= 0 && !moved; --shift)
            moved = std::equal(after.begin(), after.end() - TICKER_STEP, before.begin() + shift);
        ASSERT_TRUE(moved) << "tick " << i;
    }
}

TEST(NewsTicker, NewTextKeepsThePositionAndRunsOnOneLine)
{
    TickerWindow window;
    window.Run("HELLO", 20);
    int first = window.FirstInk();
    window.m_ticker.SetText("HEAVY\r\nRAIN");
    window.Tick();
    EXPECT_EQ(window.FirstInk(), first - 2) << "no jump back to the right edge";
    int lineHeight = window.TextSize("HEAVY").cy;
    for (unsigned column : window.Columns())
        EXPECT_EQ(column >> lineHeight, 0u);
}

TEST(NewsTicker, EmptyTextShowsTheBackgroundAndItsOwnTimerScrolls)
{
    TickerWindow empty;
    empty.Run("", 5);
    EXPECT_EQ(empty.FirstInk(), -1);

    TickerWindow timed;
    timed.Run("HELLO", 0);
    PumpMessagesFor(600);
    EXPECT_GE(timed.FirstInk(), 0);
    EXPECT_LT(timed.FirstInk(), kWidth - 4 * TICKER_STEP);
}

} // namespace
