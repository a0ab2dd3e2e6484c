#include <gtest/gtest.h>

#include <numeric>

#include "PeriodTable.h"

using namespace zelm;

TEST(PeriodTable, DayOfYearCountsA365DayYear)
{
    EXPECT_EQ(MODAY1(1, 1), 1);
    EXPECT_EQ(MODAY1(3, 1), 60);
    EXPECT_EQ(MODAY1(12, 31), 365);
}

TEST(PeriodTable, EventsOnTheFirstAndLastOfMarch)
{
    PeriodTable t = INPASCDP({{3, 1, 1.0f}, {3, 31, 2.0f}});
    ASSERT_EQ(t.N(), 4);
    EXPECT_EQ(t.TP[3], 30);
    EXPECT_EQ(t.TP[4], 1);
    EXPECT_EQ(t.TP[1], 167);
    EXPECT_EQ(t.TP[2], 168);
    EXPECT_EQ(t.DP[1], 0.0f);
    EXPECT_EQ(t.DP[2], 0.0f);
    EXPECT_EQ(t.DP[3], 1.0f);
    EXPECT_EQ(t.DP[4], 2.0f);
}

TEST(PeriodTable, TwoEventsOnOneDateGiveTheFirstAZeroPeriod)
{
    PeriodTable t = INPASCDP({{5, 10, 1.0f}, {5, 10, 0.5f}, {8, 1, 0.7f}});
    EXPECT_EQ(t.TP[3], 0);
    EXPECT_EQ(t.TP[4], 83);
    EXPECT_EQ(t.TP[5], 1);
}

TEST(PeriodTable, PeriodsAlwaysAddUpTo366Days)
{
    PeriodTable t = INPASCDP({{1, 2, 1.0f}, {4, 4, 1.0f}, {9, 30, 1.0f}, {12, 27, 1.0f}});
    EXPECT_EQ(std::accumulate(t.TP.begin() + 1, t.TP.end(), 0), 366);
    EXPECT_EQ(t.TP[1], 3);  // 365 - 359 = 6 days of gap, split 3 + 3
    EXPECT_EQ(t.TP[2], 3);
}
