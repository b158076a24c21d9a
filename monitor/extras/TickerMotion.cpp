#include "extras/TickerMotion.h"

int TickerWrap(int nPos, int nTextWidth)
{
    // Widened so that even INT_MIN negates safely.
    return -static_cast<long long>(nPos) > nTextWidth ? 0 : nPos;
}

std::vector<int> TickerCopyPositions(int nPos, int nTextWidth, int nClientWidth)
{
    std::vector<int> positions;
    if (nTextWidth <= 0)
        return positions;
    for (long long x = nPos; x < nClientWidth; x += nTextWidth)
        positions.push_back(static_cast<int>(x));
    return positions;
}
