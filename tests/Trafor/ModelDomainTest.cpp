// Input the model cannot compute stops the run with one error line and no report, and values that
// go out of range during a pass are caught before they reach a report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "FloatingPointTraps.h"
#include "ModelRun.h"
#include "TestProjects.h"

using namespace zelm;

namespace {

struct SpoiledProject {
    const char* name;
    ProjectInput (*make)();
    const char* error;
};

void PrintTo(const SpoiledProject& spoiled, std::ostream* out)
{
    *out << spoiled.name;
}

class ModelDomain : public ::testing::TestWithParam<SpoiledProject> {};

TEST_P(ModelDomain, StopsBeforeAnyPassWithOneErrorLine)
{
    Simulation run = simulate(GetParam().make());
    EXPECT_EQ(run.error, GetParam().error);
    EXPECT_TRUE(run.report.empty());
    EXPECT_FALSE(run.lastPass.has_value());
    EXPECT_TRUE(run.daily.empty());
}

ProjectInput withEvent(int month, int day, float amount)
{
    ProjectInput p = fixtures::designProject();
    p.events[1] = {month, day, amount};
    return p;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Project, ModelDomain, ::testing::Values(
    SpoiledProject{"DayZero", [] { return withEvent(3, 0, 1.0f); }, "ERROR - EVENT 2 HAS DAY 0, OUTSIDE 1 TO 31"},
    SpoiledProject{"Day32", [] { return withEvent(3, 32, 1.0f); }, "ERROR - EVENT 2 HAS DAY 32, OUTSIDE 1 TO 31"},
    // Day numbers near the ends of the integers must not wrap around in the day of the year.
    SpoiledProject{"HugeDay", [] { return withEvent(3, std::numeric_limits<int>::max(), 1.0f); },
                   "ERROR - EVENT 2 HAS DAY 2147483647, OUTSIDE 1 TO 31"},
    SpoiledProject{"HugeNegativeDay", [] { return withEvent(3, std::numeric_limits<int>::min(), 1.0f); },
                   "ERROR - EVENT 2 HAS DAY -2147483648, OUTSIDE 1 TO 31"},
    SpoiledProject{"NegativeAmount", [] { return withEvent(3, 12, -0.5f); },
                   "ERROR - THE DEEP PERCOLATION AMOUNT OF EVENT 2 MUST LIE IN [0, 99.99]"},
    SpoiledProject{"NegativeBarrierDistance", [] { auto p = fixtures::designProject(); p.barrierDistance = -1.0f; return p; },
                   "ERROR - THE DISTANCE FROM THE DRAIN TO THE BARRIER MUST LIE IN [0, 9999.999]"},
    SpoiledProject{"ZeroDepth", [] { auto p = fixtures::designProject(); p.depthToDrain = 0.0f; return p; },
                   "ERROR - THE DEPTH TO THE DRAIN MUST LIE IN (0, 9999.999]"},
    SpoiledProject{"NegativeDepth", [] { auto p = fixtures::analysisProject(); p.depthToDrain = -4.0f; return p; },
                   "ERROR - THE DEPTH TO THE DRAIN MUST LIE IN (0, 9999.999]"},
    // The daily file holds depths in eight columns with three decimals.
    SpoiledProject{"HugeDepth", [] { auto p = fixtures::designProject(); p.depthToDrain = 1e30f; return p; },
                   "ERROR - THE DEPTH TO THE DRAIN MUST LIE IN (0, 9999.999]"},
    SpoiledProject{"NegativeSpacing", [] { auto p = fixtures::analysisProject(); p.drainSpacing = -1.0f; return p; },
                   "ERROR - THE DRAIN SPACING MUST LIE IN (0, 9999.999]"},
    SpoiledProject{"ZeroSpacingOnTheBarrier",
                   [] { auto p = fixtures::analysisProject(); p.drainSpacing = 0.0f; p.barrierMode = 1; return p; },
                   "ERROR - YOU CANNOT ANALYZE A ZERO LENGTH SPACING"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ModelDomainLimits, WhatADesignIgnoresIsNotChecked)
{
    ProjectInput p = fixtures::designProject();
    p.drainSpacing = -5.0f;  // replaced by the design result
    EXPECT_FALSE(simulate(p).failed());
    p.depthToDrain = 9999.0f;
    EXPECT_FALSE(simulate(p).failed());
}

// Values that overflow or divide by zero inside a pass: each stops the run naming what went out of
// range, with no report; the traps are lifted so the arithmetic can run its course.
TEST(ModelNonFiniteValues, ATinySpacingStopsWithTheTimeFactorNamed)
{
    const fixtures::FloatingPointTrapsLifted lifted;
    ProjectInput p = fixtures::analysisProject();
    p.drainSpacing = 1e-30f;  // its square is 0 in single precision
    Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - THE TIME FACTOR OF PERIOD 1 IS OUT OF RANGE");
    EXPECT_TRUE(run.report.empty());
    EXPECT_FALSE(run.lastPass.has_value());
}

TEST(ModelNonFiniteValues, HugeAmountsStopWithTheBuildUpNamed)
{
    const fixtures::FloatingPointTrapsLifted lifted;
    ProjectInput p = fixtures::analysisProject();
    p.events[0].amount = p.events[1].amount = 0.0f;
    p.events[2].amount = 99.0f;
    p.specificYield = 1e-38f;  // 99 over 12 and this specific yield: beyond single precision
    Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - THE BUILD-UP OF PERIOD 5 IS OUT OF RANGE");
    EXPECT_TRUE(run.report.empty());
}

// A target that would overflow the first spacing is more than the report can show.
TEST(ModelNonFiniteValues, AHugeTargetIsRefusedBeforeTheFirstSpacing)
{
    const fixtures::FloatingPointTrapsLifted lifted;
    ProjectInput p = fixtures::designProject();
    p.maxWaterTable = 1e30f;
    Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - THE MAXIMUM WATER TABLE ABOVE THE DRAIN MUST LIE IN [0, 9999.999]");
    EXPECT_TRUE(run.report.empty());
    EXPECT_FALSE(run.lastPass.has_value());
}

TEST(ModelNonFiniteValues, NoReportOfAValidProjectHoldsNaNOrInfinity)
{
    for (ProjectInput p : {fixtures::designProject(), fixtures::analysisProject()}) {
        Simulation run = simulate(p);
        ASSERT_FALSE(run.failed()) << run.error;
        EXPECT_EQ(run.report.find("NaN"), std::string::npos);
        EXPECT_EQ(run.report.find("Inf"), std::string::npos);
        for (const DailyRow& row : run.daily) EXPECT_TRUE(std::isfinite(row.height) && std::isfinite(row.depth));
    }
}

// Projects of 100 events and more: the event numbers widen their field, every other column stays.
ProjectInput manyEvents(int count)
{
    ProjectInput p = fixtures::designProject();
    p.events.clear();
    for (int k = 0; k < count; ++k) p.events.push_back({1 + k * 12 / count, 1 + (k * 7) % 28, 0.05f});
    std::sort(p.events.begin(), p.events.end(), [](const PercolationEvent& a, const PercolationEvent& b) {
        return a.month * 32 + a.day < b.month * 32 + b.day;
    });
    return p;
}

TEST(ModelReportEventNumbers, WidenForAHundredEventsAndMore)
{
    Simulation run = simulate(manyEvents(150));
    ASSERT_FALSE(run.failed()) << run.error;
    EXPECT_EQ(run.report.find("**"), std::string::npos);
    const std::vector<std::string> all = fixtures::linesOf(run.report);
    const auto eventTable = std::find(all.begin(), all.end(), " " + std::string(41, '-')) + 1;
    EXPECT_EQ(eventTable->substr(0, 5), "   1 ");
    EXPECT_EQ((eventTable + 149)->substr(0, 5), " 150 ");
    EXPECT_EQ(eventTable->size(), (eventTable + 149)->size());

    const auto table = std::find(all.begin(), all.end(), " " + std::string(59, '-')) + 1;
    const std::string firstEvent = *(table + 2), lastEvent = *(table + 2 + 2 * 149);
    EXPECT_EQ(firstEvent.substr(0, 16), "   1            ");
    EXPECT_EQ(lastEvent.substr(0, 16), " 150            ");
    EXPECT_EQ(lastEvent.size(), 21u);  // the build-up stays in columns 17-21
}

TEST(ModelReportEventNumbers, KeepTwoColumnsUpTo99Events)
{
    Simulation run = simulate(manyEvents(99));
    ASSERT_FALSE(run.failed()) << run.error;
    const std::vector<std::string> all = fixtures::linesOf(run.report);
    const auto table = std::find(all.begin(), all.end(), " " + std::string(59, '-')) + 1;
    EXPECT_EQ((table + 2 + 2 * 98)->substr(0, 4), " 99 ");
    EXPECT_EQ((table + 2)->substr(0, 4), "  1 ");
}

}  // namespace
