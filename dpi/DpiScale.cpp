#include "dpi/DpiScale.h"

int ScaleToDpi(int n, int dpi)
{
    if (dpi <= 0)
        dpi = BASE_DPI;
    long long scaled = static_cast<long long>(n) * dpi;
    long long half = BASE_DPI / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / BASE_DPI : -((-scaled + half) / BASE_DPI));
}

int ArtIndexForDpi(int dpi)
{
    for (int i = 0; i < ART_DPI_COUNT; ++i) {
        if (dpi <= kArtDpis[i])
            return i;
    }
    return ART_DPI_COUNT - 1;
}
