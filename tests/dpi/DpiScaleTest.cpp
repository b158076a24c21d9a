#include <gtest/gtest.h>

#include "dpi/DpiScale.h"

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
