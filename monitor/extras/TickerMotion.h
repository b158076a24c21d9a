// How the news ticker moves and tiles its text, apart from any window.
#pragma once

#include <vector>

const int TICKER_TIMER_ID = 1;
const int TICKER_INTERVAL_MS = 50;
const int TICKER_STEP = 2; // pixels per tick: 40 pixels a second

// The position after one tick (the step grows with the display's DPI).
inline int TickerAdvance(int nPos, int nStep = TICKER_STEP) { return nPos - nStep; }

// Once the first copy is more than its own width past the left edge, the band
// starts again at 0; the copies repeat every nTextWidth pixels, so the text
// hardly moves back.
int TickerWrap(int nPos, int nTextWidth);

// Where the copies of the text start: nPos, nPos + w, ... while left of the
// client width. A text of no width has no copies (and the strip stays blank).
std::vector<int> TickerCopyPositions(int nPos, int nTextWidth, int nClientWidth);
