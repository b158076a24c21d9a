// The news ticker as a real control under Wine and Xvfb: what it paints, tick by tick.
#include <gtest/gtest.h>

#include "extras/NewsTicker.h"
#include "extras/TickerMotion.h"

namespace {

const int kWidth = 320;
const int kHeight = 16;

// A visible top-level window with a static control 1011 that the ticker subclasses,
// as the main dialog's data exchange does.
class TickerWindow {
public:
    TickerWindow()
    {
        m_hParent = CreateWindowExA(0, "STATIC", "ticker test", WS_POPUP | WS_VISIBLE, 40, 40, kWidth + 20,
                                    kHeight + 20, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        m_hStatic = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, kWidth, kHeight,
                                    m_hParent, reinterpret_cast<HMENU>(1011), GetModuleHandleA(nullptr), nullptr);
        m_ticker.SubclassWindow(m_hStatic);
    }
    ~TickerWindow()
    {
        m_ticker.UnsubclassWindow();
        DestroyWindow(m_hParent);
    }

    CNewsTicker& Ticker() { return m_ticker; }

    void Tick(UINT_PTR id = TICKER_TIMER_ID)
    {
        SendMessageA(m_hStatic, WM_TIMER, id, 0);
        UpdateWindow(m_hStatic);
    }

    void Repaint()
    {
        InvalidateRect(m_hStatic, nullptr, FALSE);
        UpdateWindow(m_hStatic);
    }

    // For each column of the client area: the rows that are not background, as a bit mask.
    std::vector<unsigned> Columns()
    {
        std::vector<unsigned> columns(kWidth, 0);
        HDC hDC = GetDC(m_hStatic);
        COLORREF back = GetSysColor(COLOR_WINDOW);
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y)
                if (GetPixel(hDC, x, y) != back)
                    columns[x] |= 1u << y;
        ReleaseDC(m_hStatic, hDC);
        return columns;
    }

    // In the ticker's font, the system's default GUI font.
    SIZE TextSize(const char* psz)
    {
        HDC hDC = GetDC(m_hStatic);
        HGDIOBJ hOld = SelectObject(hDC, GetStockObject(DEFAULT_GUI_FONT));
        SIZE size = {0, 0};
        GetTextExtentPoint32A(hDC, psz, lstrlenA(psz), &size);
        SelectObject(hDC, hOld);
        ReleaseDC(m_hStatic, hDC);
        return size;
    }
    int TextWidth(const char* psz) { return TextSize(psz).cx; }

    // Sets the text, starts, and lets nTicks ticks pass.
    void Run(const char* pszText, int nTicks)
    {
        m_ticker.SetText(pszText);
        m_ticker.Start();
        for (int i = 0; i < nTicks; ++i)
            Tick();
    }

    void Pump(DWORD ms)
    {
        DWORD start = GetTickCount();
        MSG msg;
        while (GetTickCount() - start < ms) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(5);
        }
    }

private:
    HWND m_hParent;
    HWND m_hStatic;
    CNewsTicker m_ticker;
};

int FirstInk(const std::vector<unsigned>& columns)
{
    for (size_t x = 0; x < columns.size(); ++x)
        if (columns[x])
            return static_cast<int>(x);
    return -1;
}

bool Blank(const std::vector<unsigned>& columns)
{
    return FirstInk(columns) < 0;
}

} // namespace

TEST(NewsTicker, EntersAtTheRightEdgeAndMovesTwoPixelsATickWhateverTheTimerId)
{
    TickerWindow window;
    window.Ticker().SetText("HELLO");
    window.Ticker().Start();
    window.Repaint();
    EXPECT_TRUE(Blank(window.Columns())) << "only the background right after Start";

    window.Tick();
    int first = FirstInk(window.Columns());
    ASSERT_GE(first, kWidth - TICKER_STEP);
    window.Tick();
    EXPECT_EQ(FirstInk(window.Columns()), first - 2);
    window.Tick(7);
    window.Tick(0);
    EXPECT_EQ(FirstInk(window.Columns()), first - 6);
}

TEST(NewsTicker, NarrowTextRepeatsWithoutGapAndWrapsWithoutJumping)
{
    TickerWindow window;
    const char* text = "Kelvane news  ";
    int w = window.TextWidth(text);
    ASSERT_GT(w, 20);
    ASSERT_LT(w * 2, kWidth);
    // Far enough that copies fill the whole strip, and through several wraps.
    window.Run(text, (kWidth + 3 * w) / TICKER_STEP);
    std::vector<unsigned> columns = window.Columns();
    for (int x = 0; x + w < kWidth; ++x)
        ASSERT_EQ(columns[x], columns[x + w]) << "column " << x << " differs from one text width on";

    // Across each wrap the band moves back by at most one step: the picture after
    // a tick equals the one before, shifted 2 pixels, or at most 2 pixels less.
    for (int i = 0; i < w; ++i) {
        std::vector<unsigned> before = window.Columns();
        window.Tick();
        std::vector<unsigned> after = window.Columns();
        bool matched = false;
        for (int shift = 0; shift <= TICKER_STEP && !matched; ++shift) {
            matched = true;
            for (int x = 0; x + TICKER_STEP < kWidth && matched; ++x)
                matched = after[x] == before[x + shift];
        }
        ASSERT_TRUE(matched) << "tick " << i << " jumped";
    }
}

TEST(NewsTicker, WideTextShowsOneCopyFollowedRightBehindItsEnd)
{
    TickerWindow window;
    // An even width, so that whole ticks move the band by exactly one text width.
    std::string text = "A long line of news that is wider than the control, well beyond it. ";
    for (const char* pad = ".il!xW"; *pad && window.TextWidth(text.c_str()) % 2; ++pad)
        if ((window.TextWidth((text + *pad).c_str())) % 2 == 0)
            text += *pad;
    int w = window.TextWidth(text.c_str());
    ASSERT_EQ(w % 2, 0);
    ASSERT_GT(w, kWidth);
    const int pos = 100;
    window.Run(text.c_str(), (kWidth - pos) / TICKER_STEP);
    std::vector<unsigned> start = window.Columns();
    EXPECT_TRUE(Blank(std::vector<unsigned>(start.begin(), start.begin() + pos)));
    for (int i = 0; i < w / TICKER_STEP; ++i)
        window.Tick();
    // The first copy has moved one width on; the second now starts where it did.
    std::vector<unsigned> later = window.Columns();
    for (int x = pos; x < kWidth; ++x)
        ASSERT_EQ(later[x], start[x]) << "column " << x;
    EXPECT_FALSE(Blank(std::vector<unsigned>(later.begin(), later.begin() + pos))) << "the first copy's end";
}

TEST(NewsTicker, NewTextKeepsThePositionAndLineBreaksStayOnOneLine)
{
    TickerWindow window;
    window.Run("HELLO", 20);
    int first = FirstInk(window.Columns());
    window.Ticker().SetText("HEAVY\r\nRAIN");
    window.Tick();
    EXPECT_EQ(FirstInk(window.Columns()), first - 2) << "no jump back to the right edge";
    // One line: nothing is drawn below the height of a single line.
    int lineHeight = window.TextSize("HEAVY").cy;
    for (unsigned column : window.Columns())
        EXPECT_EQ(column >> lineHeight, 0u);
}

TEST(NewsTicker, EmptyTextShowsTheBackgroundOnly)
{
    TickerWindow window;
    window.Run("", 5);
    EXPECT_TRUE(Blank(window.Columns()));
}

TEST(NewsTicker, ItsOwnTimerScrollsTheText)
{
    TickerWindow window;
    window.Ticker().SetText("HELLO");
    window.Ticker().Start();
    window.Pump(600);
    int first = FirstInk(window.Columns());
    ASSERT_GE(first, 0) << "the timer moved the text in";
    EXPECT_LT(first, kWidth - 4 * TICKER_STEP);
}
