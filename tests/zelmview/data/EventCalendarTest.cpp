// The calendar of the model's cycle, the unit conversion and the barrier criterion: the rules the
// form, the sort and the charts share.
#include <gtest/gtest.h>

#include "data/BarrierCriterion.h"
#include "data/EventCalendar.h"
#include "data/UnitConversion.h"
#include "data/ZELMData.h"

namespace {

TEST(EventCalendar, MonthsEndWhereTheFormClampsTheirDays)
{
    const int lastDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(zelm::lastDayOfMonth(month), lastDays[month - 1]) << month;
    // A month the form has not clamped yet puts no limit on the day.
    EXPECT_GT(zelm::lastDayOfMonth(0), 31);
    EXPECT_GT(zelm::lastDayOfMonth(13), 31);
}

TEST(EventCalendar, ADayPastTheEndOfItsMonthRollsIntoTheNext)
{
    EXPECT_EQ(zelm::eventDate({2, 29, 0.0}), QDate(1981, 3, 1));
    EXPECT_EQ(zelm::eventDate({4, 31, 0.0}), QDate(1981, 5, 1));
    EXPECT_EQ(zelm::eventDate({12, 31, 0.0}, zelm::kFollowingYear), QDate(1982, 12, 31));
    EXPECT_EQ(zelm::dayOfFollowingYear({1, 10, 0.0}), 9);
    EXPECT_EQ(zelm::dayOfFollowingYear({12, 25, 0.0}), 358);
    EXPECT_EQ(zelm::dayOfFollowingYear({2, 29, 0.0}), 59);  // 1 March
}

TEST(EventCalendar, OnlyMonthsOneToTwelveAndDaysOneToThirtyOneAreDates)
{
    EXPECT_TRUE(zelm::isValidEventDate(1, 1));
    EXPECT_TRUE(zelm::isValidEventDate(12, 31));
    EXPECT_TRUE(zelm::isValidEventDate(2, 31));  // rolls into March
    EXPECT_FALSE(zelm::isValidEventDate(0, 5));
    EXPECT_FALSE(zelm::isValidEventDate(13, 5));
    EXPECT_FALSE(zelm::isValidEventDate(5, 0));
    EXPECT_FALSE(zelm::isValidEventDate(5, 32));
    EXPECT_EQ(zelm::invalidEventDateText(QStringLiteral("An event"), {13, 4, 0.0}),
              "An event has an invalid date: month 13, day 4.");
}

ZELMData englishProject()
{
    ZELMData data;
    data.depthToDrain = 6.0;
    data.drainRadius = 0.25;
    data.barrierDistance = 10.0;
    data.minWaterTableDepth = 2.5;
    data.maxWaterTable = 3.5;
    data.permeability = 1.6;
    data.drainSpacing = 150.0;
    data.awhc = 2.0;
    data.specificYield = 0.05;
    data.events = {{3, 1, 1.5}, {9, 15, 0.75}};
    return data;
}

TEST(UnitConversion, FeetAndInchesBecomeMetresAndCentimetresAndBack)
{
    ZELMData data = englishProject();
    zelm::ConvertUnits(data, ZELMData::Units::Metric);
    EXPECT_EQ(data.metricUnits, ZELMData::Units::Metric);
    EXPECT_NEAR(data.depthToDrain, 6.0 / 3.2808398, 1e-12);
    EXPECT_NEAR(data.drainSpacing, 45.72, 1e-5);  // 150 ft, with 3.2808398 ft to the metre
    EXPECT_NEAR(data.permeability, 1.6 / 3.2808398, 1e-12);
    EXPECT_DOUBLE_EQ(data.awhc, 5.08);
    EXPECT_DOUBLE_EQ(data.events.at(0).amount, 3.81);
    EXPECT_DOUBLE_EQ(data.specificYield, 0.05);  // a fraction has no unit

    zelm::ConvertUnits(data, ZELMData::Units::English);
    const ZELMData original = englishProject();
    EXPECT_NEAR(data.depthToDrain, original.depthToDrain, 1e-12);
    EXPECT_NEAR(data.maxWaterTable, original.maxWaterTable, 1e-12);
    EXPECT_NEAR(data.events.at(1).amount, original.events.at(1).amount, 1e-12);
}

TEST(UnitConversion, TheSameUnitsConvertNothing)
{
    ZELMData data = englishProject();
    zelm::ConvertUnits(data, ZELMData::Units::English);
    EXPECT_DOUBLE_EQ(data.depthToDrain, 6.0);
    EXPECT_DOUBLE_EQ(data.awhc, 2.0);
    EXPECT_DOUBLE_EQ(data.events.at(0).amount, 1.5);
}

TEST(BarrierCriterion, ADrainIsOnTheBarrierWhenTheWaterTableIsMoreThanTenTimesTheDepthToIt)
{
    ZELMData data = englishProject();
    data.barrierDistance = 0.35;
    // Maximum water table 6 - 2.5 = 3.5 ft, ten times the 0.35 ft to the barrier: not more.
    const std::optional<double> ratio = zelm::maxWaterTableToBarrierRatio(data);
    ASSERT_TRUE(ratio);
    EXPECT_DOUBLE_EQ(data.maxWaterTable, 3.5);
    EXPECT_NEAR(*ratio, 10.0, 1e-12);
    EXPECT_FALSE(zelm::isOnBarrier(10.0));
    EXPECT_TRUE(zelm::isOnBarrier(10.01));
    EXPECT_DOUBLE_EQ(zelm::kOnBarrierFraction, 0.1);

    data.barrierDistance = 0.0;
    EXPECT_FALSE(zelm::maxWaterTableToBarrierRatio(data));
}

}  // namespace
