#include "dpi/DpiScale.h"

namespace {
// n * nMul / nDiv (nDiv > 0), rounded half away from zero as the system's MulDiv.
int MulDivRounded(long long n, long long nMul, long long nDiv)
{
    long long product = n * nMul;
    return static_cast<int>(product >= 0 ? (product + nDiv / 2) / nDiv : -((-product + nDiv / 2) / nDiv));
}

int ValidDpi(int dpi) { return dpi > 0 ? dpi : BASE_DPI; }
} // namespace

int ScaleToDpi(int n, int dpi)
{
    return MulDivRounded(n, ValidDpi(dpi), BASE_DPI);
}

int ScaleBetweenDpis(int n, int nFromDpi, int nToDpi)
{
    return MulDivRounded(n, ValidDpi(nToDpi), ValidDpi(nFromDpi));
}

int PointFontHeight(int nHeight, int nFromDpi, int nToDpi)
{
    const int nPoints = MulDivRounded(nHeight, 72, ValidDpi(nFromDpi));
    return MulDivRounded(nPoints, ValidDpi(nToDpi), 72);
}

int DialogLengthAtUnit(int n, int nUnit, int nUnitThen, int nPer)
{
    if (nUnit <= 0 || nPer <= 0)
        return n;
    return MulDivRounded(MulDivRounded(n, nPer, nUnit), nUnitThen, nPer);
}

int ArtIndexForDpi(int dpi)
{
    for (int i = 0; i < ART_DPI_COUNT; ++i) {
        if (dpi <= kArtDpis[i])
            return i;
    }
    return ART_DPI_COUNT - 1;
}
