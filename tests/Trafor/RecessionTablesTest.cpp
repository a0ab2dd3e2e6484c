#include <gtest/gtest.h>

#include "RecessionTables.h"

using namespace zelm;

TEST(RecessionOnBarrier, TablePointsGiveTheirRatios)
{
    EXPECT_FLOAT_EQ(recessionOnBarrier(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(0.0002f), 0.999976f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(0.1f), 0.707604f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(2.0f), 0.098258f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(9.0f), 0.0325f);
}

TEST(RecessionOnBarrier, InterpolatesLinearlyBetweenPoints)
{
    EXPECT_FLOAT_EQ(recessionOnBarrier(9.5f), 0.03125f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(0.0001f), (1.0f + 0.999976f) / 2.0f);
    EXPECT_NEAR(recessionOnBarrier(2.5f), (0.098258 + 0.065) / 2.0, 1e-7);
}

TEST(RecessionOnBarrier, LimitsOfTheTimeFactor)
{
    EXPECT_FLOAT_EQ(recessionOnBarrier(10.0f), 0.0001f);
    EXPECT_NEAR(recessionOnBarrier(9.9999f), 0.03000025, 1e-7);
    EXPECT_FLOAT_EQ(recessionOnBarrier(250.0f), 0.0001f);
    EXPECT_FLOAT_EQ(recessionOnBarrier(-0.5f), 1.0f);
}

TEST(RecessionOffBarrier, LimitsOfTheTimeFactor)
{
    EXPECT_FLOAT_EQ(recessionOffBarrier(1.0f), 0.000061f);
    EXPECT_FLOAT_EQ(recessionOffBarrier(1.0001f), 0.0001f);
    EXPECT_FLOAT_EQ(recessionOffBarrier(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(recessionOffBarrier(0.95f), (0.000163f + 0.000061f) / 2.0f);
}

TEST(RecessionOffBarrier, InterpolatesBetweenPoints)
{
    EXPECT_FLOAT_EQ(recessionOffBarrier(0.1f), 0.437161f);
    // 0.099854 lies 0.0146 of a step below 0.1, towards 0.48247.
    EXPECT_NEAR(recessionOffBarrier(0.099854f), 0.437823, 1e-6);
}
