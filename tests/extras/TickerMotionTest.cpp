#include <gtest/gtest.h>

#include <climits>

#include "extras/TickerMotion.h"

using Positions = std::vector<int>;

TEST(TickerMotion, StartsAtTheRightEdgeShowingNothingAndEntersAfterOneTick)
{
    const int width = 300;
    int pos = width; // what Start sets
    EXPECT_TRUE(TickerCopyPositions(TickerWrap(pos, 80), 80, width).empty());
    pos = TickerAdvance(pos);
    EXPECT_EQ(pos, 298);
    EXPECT_EQ(TickerCopyPositions(TickerWrap(pos, 80), 80, width), Positions({298}));
}

TEST(TickerMotion, WrapsOnlyWhenStrictlyMoreThanOneWidthPastTheLeftEdge)
{
    EXPECT_EQ(TickerWrap(-100, 100), -100);
    EXPECT_EQ(TickerWrap(-101, 100), 0);
    EXPECT_EQ(TickerWrap(-102, 100), 0);
    EXPECT_EQ(TickerWrap(5, 100), 5);
    EXPECT_EQ(TickerWrap(INT_MIN, INT_MAX), 0);
    // An empty text wraps at once: the band stays at 0 while nothing shows.
    EXPECT_EQ(TickerWrap(-2, 0), 0);
}

TEST(TickerMotion, CopiesTileWithoutGapAcrossTheWholeStrip)
{
    EXPECT_EQ(TickerCopyPositions(-30, 100, 250), Positions({-30, 70, 170}));
    EXPECT_EQ(TickerCopyPositions(-100, 100, 200), Positions({-100, 0, 100}));
    // Wider than the control: one copy, the next right behind its end.
    EXPECT_EQ(TickerCopyPositions(-50, 400, 300), Positions({-50}));
    EXPECT_EQ(TickerCopyPositions(-350, 400, 300), Positions({-350, 50}));
    EXPECT_TRUE(TickerCopyPositions(0, 0, 300).empty());
    EXPECT_TRUE(TickerCopyPositions(0, 10, 0).empty());
}

TEST(TickerMotion, TheBandRunsOnAcrossTheWrapWithoutVisibleJump)
{
    // Follow 200 ticks of a 37-pixel text: each copy either moves 2 pixels left,
    // or (at the wrap) the band lands within one step of where it would have been.
    const int w = 37, width = 120;
    int pos = width;
    int wraps = 0;
    for (int tick = 0; tick < 200; ++tick) {
        int next = TickerWrap(TickerAdvance(pos), w);
        if (next != pos - TICKER_STEP) {
            ++wraps;
            int phaseBefore = ((pos - TICKER_STEP) % w + w) % w;
            EXPECT_LE((w - phaseBefore) % w, TICKER_STEP) << "tick " << tick;
            EXPECT_GE(next, pos - TICKER_STEP);
        }
        pos = next;
        EXPECT_GE(pos, -w);
    }
    EXPECT_GT(wraps, 2);
}
