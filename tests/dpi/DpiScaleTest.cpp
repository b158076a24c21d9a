#include <gtest/gtest.h>

#include "dpi/DpiScale.h"

#include <cmath>

TEST(DpiScale, LengthsKeepTheirPixelsAt96AndRoundAsMulDivElsewhere)
{
    for (int n : {0, 1, 16, 30, 98, 373, 485, 680})
        EXPECT_EQ(ScaleToDpi(n, 96), n) << n;
    EXPECT_EQ(ScaleToDpi(16, 144), 24);
    EXPECT_EQ(ScaleToDpi(373, 144), 560); // 559.5 rounds up
    EXPECT_EQ(ScaleToDpi(30, 120), 38);   // 37.5
    EXPECT_EQ(ScaleToDpi(30, 168), 53);   // 52.5
    EXPECT_EQ(ScaleToDpi(-485, 120), -606); // half away from zero, as for positive lengths
    EXPECT_EQ(ScaleToDpi(1000000000, 192), 2000000000) << "the product is taken in 64 bits";
}

TEST(DpiScale, AFailedDpiQueryCountsAs96)
{
    EXPECT_EQ(ScaleToDpi(98, 0), 98);
    EXPECT_EQ(ScaleToDpi(98, -144), 98);
}

TEST(DpiScale, PicturesComeFromTheExactScalingOrTheNextFinerOne)
{
    EXPECT_EQ(ArtIndexForDpi(72), 0);
    EXPECT_EQ(ArtIndexForDpi(96), 0);
    EXPECT_EQ(ArtIndexForDpi(97), 1);
    EXPECT_EQ(ArtIndexForDpi(120), 1);
    EXPECT_EQ(ArtIndexForDpi(144), 2);
    EXPECT_EQ(ArtIndexForDpi(168), 3) << "175 % shrinks the 200 % pictures";
    EXPECT_EQ(ArtIndexForDpi(192), 3);
    EXPECT_EQ(ArtIndexForDpi(288), 3) << "beyond the finest, the finest";
}

namespace {
// n * mul / div rounded half away from zero, worked out apart from the code under test.
int Rounded(int n, int mul, int div)
{
    return static_cast<int>(std::lround(static_cast<double>(n) * mul / div));
}

const int kDpis[] = {96, 120, 144, 168, 192};
} // namespace

TEST(DpiScale, LengthsTakenUpAndBackDownComeBackToThemselves)
{
    EXPECT_EQ(ScaleBetweenDpis(30, 96, 120), 38);
    EXPECT_EQ(ScaleBetweenDpis(38, 120, 96), 30);
    EXPECT_EQ(ScaleBetweenDpis(50, 0, 192), 100) << "a failed DPI query counts as 96";
    for (int from : kDpis)
        for (int to : kDpis) {
            if (to < from)
                continue;
            for (int n = -50; n <= 2000; ++n)
                ASSERT_EQ(ScaleBetweenDpis(ScaleBetweenDpis(n, from, to), to, from), n) << n << " " << from << "->" << to;
        }
}

TEST(DpiScale, AFontOfWholePointsHasTheHeightTheSystemGivesItAtEachDpi)
{
    // The dialogs' 8 pt at 120 DPI: the ratio of the DPIs would give 10 px at 96.
    EXPECT_EQ(PointFontHeight(-13, 120, 96), -11);
    for (int points = 6; points <= 24; ++points)
        for (int from : kDpis)
            for (int to : kDpis)
                EXPECT_EQ(PointFontHeight(-Rounded(points, from, 72), from, to), -Rounded(points, to, 72))
                    << points << " pt " << from << "->" << to;
}

TEST(DpiScale, DialogLengthsAreMeasuredAgainInAnotherFontsUnitsExactly)
{
    // Base units of the dialogs' font: 96 DPI, then larger ones (across per 4, down per 8).
    const int kAcross[] = {7, 8, 10, 11, 13};
    const int kDown[] = {13, 15, 19, 21, 24};
    for (int i = 0; i < 5; ++i)
        for (int units = 0; units <= 600; ++units) {
            EXPECT_EQ(DialogLengthAtUnit(Rounded(units, kAcross[i], 4), kAcross[i], 7, 4), Rounded(units, 7, 4))
                << units << " across at " << kAcross[i];
            EXPECT_EQ(DialogLengthAtUnit(Rounded(units, kDown[i], 8), kDown[i], 13, 8), Rounded(units, 13, 8))
                << units << " down at " << kDown[i];
        }
    EXPECT_EQ(DialogLengthAtUnit(40, 0, 7, 4), 40) << "no unit to measure by: the length stays";
}
