// The judgement of a year's water table against the allowed height, on daily rows worked by hand.
#include <gtest/gtest.h>

#include <vector>

#include "data/WaterTableAssessment.h"

namespace {

// Days 1 to 6; day 3 and day 5 open a period, each with a row before and after its build-up.
const std::vector<int> kDays = {1, 2, 3, 3, 4, 5, 5, 6};
const std::vector<double> kHeights = {0.700, 0.640, 0.600, 0.752, 0.690, 0.610, 0.627, 0.626};

TEST(WaterTableAssessment, CountsEachDayAboveOnceAndTakesThePeak)
{
    const zelm::WaterTableAssessment a = zelm::assessWaterTable(kDays, kHeights, 0.626);
    EXPECT_EQ(a.peakHeight, 0.752);
    // Days 1, 2, 3 (its second row), 4 and 5 (its second row); day 6 stands at the allowed height.
    EXPECT_EQ(a.daysAbove, 5);
    EXPECT_FALSE(a.WithinLimit());
    EXPECT_EQ(zelm::verdictText(a, ZELMData::Units::Metric), "exceeds it by 0.126 m on 5 days");
    EXPECT_EQ(zelm::assessmentLine(ZELMData::InputMode::Analysis, a, ZELMData::Units::Metric),
              "Analysis: peak 0.752 m above the drain, allowed 0.626 m: exceeds it by 0.126 m on 5 days.");
}

// A height counts as above once it shows at least 0.001 above: the file's three decimals.
TEST(WaterTableAssessment, JudgesAtTheShownPrecision)
{
    EXPECT_EQ(zelm::assessWaterTable(kDays, kHeights, 0.752).daysAbove, 0);
    EXPECT_EQ(zelm::assessWaterTable(kDays, kHeights, 0.7514).daysAbove, 1);
    const zelm::WaterTableAssessment one = zelm::assessWaterTable(kDays, kHeights, 0.751);
    EXPECT_EQ(zelm::verdictText(one, ZELMData::Units::English), "exceeds it by 0.001 ft on 1 day");
    const zelm::WaterTableAssessment within = zelm::assessWaterTable(kDays, kHeights, 2.5);
    EXPECT_TRUE(within.WithinLimit());
    EXPECT_EQ(zelm::assessmentLine(ZELMData::InputMode::Design, within, ZELMData::Units::English),
              "Design: peak 0.752 ft above the drain, allowed 2.500 ft: within the limit.");
}

TEST(WaterTableAssessment, NoRowsNoPeak)
{
    const zelm::WaterTableAssessment a = zelm::assessWaterTable({}, {}, 1.0);
    EXPECT_EQ(a.peakHeight, 0.0);
    EXPECT_TRUE(a.WithinLimit());
}

}  // namespace
