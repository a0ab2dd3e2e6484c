#include <gtest/gtest.h>

#include "FixedFormat.h"

using namespace zelm;

TEST(FixedFormat, RealsRoundToNearestWithTiesToEven)
{
    EXPECT_EQ(formatF(0.125, 5, 2), " 0.12");
    EXPECT_EQ(formatF(0.375, 5, 2), " 0.38");
    EXPECT_EQ(formatF(1.0f / 3.0f, 8, 3), "   0.333");
    EXPECT_EQ(formatF(-2.5, 6, 2), " -2.50");
    EXPECT_EQ(formatF(0.0, 8, 3), "   0.000");
}

TEST(FixedFormat, LeadingZeroIsDroppedOnlyWithoutRoom)
{
    EXPECT_EQ(formatF(0.5, 4, 2), "0.50");
    EXPECT_EQ(formatF(0.5, 4, 3), ".500");
    EXPECT_EQ(formatF(-0.5, 5, 3), "-.500");
    EXPECT_EQ(formatF(0.999, 5, 3), "0.999");
}

TEST(FixedFormat, ValuesThatDoNotFitFillTheFieldWithAsterisks)
{
    EXPECT_EQ(formatF(123.4, 5, 2), "*****");
    EXPECT_EQ(formatF(99.996, 5, 2), "*****");
    EXPECT_EQ(formatI(100, 2), "**");
    EXPECT_EQ(formatI(-5, 3), " -5");
}

TEST(FixedFormat, TextIsCutOrPaddedOnTheRight)
{
    EXPECT_EQ(formatA("inches", 4), "inch");
    EXPECT_EQ(formatA("mm", 4), "mm  ");
    EXPECT_EQ(FixedLine().X(1).I(3, 2).X(2).A("ab", 3).F(1.5, 5, 1).str(), "  3  ab   1.5");
}

TEST(FixedFormat, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(formatF(std::numeric_limits<double>::quiet_NaN(), 5, 3), "  NaN");
    EXPECT_EQ(formatF(std::numeric_limits<double>::infinity(), 5, 2), "  Inf");
    EXPECT_EQ(formatF(-std::numeric_limits<double>::infinity(), 2, 2), "**");
}
