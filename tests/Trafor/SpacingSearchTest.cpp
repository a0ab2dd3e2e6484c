#include <gtest/gtest.h>

#include <cmath>

#include "ModelError.h"
#include "SpacingSearch.h"
#include "TestProjects.h"

using namespace zelm;

namespace {

struct SearchTrace {
    explicit SearchTrace(ProjectInput p, int maxPasses = kMaxPasses)
        : project(std::move(p)), periods(INPASCDP(project.events)), search(project, periods, maxPasses)
    {
        search.setPassObserver([this](const PassResult& pass) { passes.push_back(pass); });
        search.run();
    }
    ProjectInput project;
    PeriodTable periods;
    SpacingSearch search;
    std::vector<PassResult> passes;
};

}  // namespace

TEST(DesignEstimate, UsesThePositiveEventWithTheLongestFollowingInterval)
{
    ProjectInput p = fixtures::designProject();
    // Intervals: 15 Jan -> 12 Mar 56 days, 12 Mar -> 5 Jun 85, 5 Jun -> 8 Nov 156, last 1.
    PeriodTable t = INPASCDP(p.events);
    DesignEstimate e = estimateSpacing(p, t);
    EXPECT_EQ(e.event, 3);
    EXPECT_FLOAT_EQ(e.rechargeRate, 0.4f / 12.0f / 156.0f);
    // K 1.5, h 2.5, d 5: L = sqrt(4 K ((h + d)^2 - d^2) / R) = sqrt(187.5 * 12 * 156 / 0.4) = sqrt(877500).
    EXPECT_NEAR(e.spacing, 936.7497f, 0.001f);

    p.events[2].amount = 0.0f;  // no recharge: the next longest interval wins
    EXPECT_EQ(estimateSpacing(p, t).event, 2);
}

TEST(DesignEstimate, EqualIntervalsGoToTheEarliestEvent)
{
    ProjectInput p = fixtures::designProject();
    p.events = {{3, 1, 1.0f}, {3, 11, 2.0f}, {3, 21, 3.0f}};
    DesignEstimate e = estimateSpacing(p, INPASCDP(p.events));
    EXPECT_EQ(e.event, 1);
}

TEST(DesignSearch, FirstPassUsesTheEstimateAndTheSecondHalfOfIt)
{
    ProjectInput p = fixtures::designProject();
    const float S0 = estimateSpacing(p, INPASCDP(p.events)).spacing;
    SearchTrace trace(p);
    ASSERT_GE(trace.passes.size(), 3u);
    EXPECT_EQ(trace.passes[0].S, S0);
    EXPECT_EQ(trace.passes[1].S, std::trunc(S0 / 2.0f));
    for (std::size_t k = 1; k < trace.passes.size(); ++k) EXPECT_EQ(trace.passes[k].S, std::trunc(trace.passes[k].S));
    EXPECT_EQ(trace.passes[0].YO[1], p.maxWaterTable);
    for (std::size_t k = 1; k < trace.passes.size(); ++k) EXPECT_EQ(trace.passes[k].YO[1], trace.passes[k - 1].E);
}

TEST(DesignSearch, SettledSpacingsMoveInHalfPercentStepsTowardsTheTarget)
{
    SearchTrace trace(fixtures::designProject());
    const float h = trace.project.maxWaterTable;
    int fineSteps = 0;
    for (std::size_t k = 2; k < trace.passes.size(); ++k) {
        const float S = trace.passes[k - 1].S, Sprev = trace.passes[k - 2].S;
        if (S > 1.05f * std::trunc(Sprev) || S < 0.95f * std::trunc(Sprev)) continue;
        const float P = trace.passes[k - 1].P;
        float expected = S;
        if (0.995f * P > h)
            expected = std::trunc(0.995f * S);
        else if (1.005f * P < h)
            expected = std::trunc(1.005f * S);
        EXPECT_EQ(trace.passes[k].S, expected) << "pass " << k + 1;
        ++fineSteps;
    }
    EXPECT_GT(fineSteps, 0);
    const PassResult& last = trace.passes.back();
    EXPECT_NEAR(last.P, h, 0.05f);
    EXPECT_FALSE(trace.search.hitPassLimit());
}

TEST(DesignSearch, StopsAtThePassLimit)
{
    SearchTrace trace(fixtures::designProject(), 3);
    EXPECT_EQ(trace.passes.size(), 3u);
    EXPECT_TRUE(trace.search.hitPassLimit());
    EXPECT_EQ(trace.search.lastPass()->S, trace.passes[2].S);
}

TEST(AnalysisIteration, StartsDrainedAndRepeatsUntilTheYearCloses)
{
    SearchTrace trace(fixtures::analysisProject());
    ASSERT_GE(trace.passes.size(), 2u);
    EXPECT_EQ(trace.passes[0].YO[1], 0.0f);
    for (const PassResult& pass : trace.passes) EXPECT_EQ(pass.S, 120.0f);
    const PassResult& last = trace.passes.back();
    EXPECT_LE(std::fabs(last.YO[1] - last.E), 0.005f);
    const PassResult& previous = trace.passes[trace.passes.size() - 2];
    EXPECT_GT(std::fabs(previous.YO[1] - previous.E), 0.005f);
    // h is the peak of the pass before the last, period 1 left out.
    EXPECT_EQ(trace.search.h(), *std::max_element(previous.YO.begin() + 2, previous.YO.end()));
}

TEST(AnalysisIteration, AYearThatRepeatsAtOnceKeepsHAtZero)
{
    ProjectInput p = fixtures::analysisProject();
    for (PercolationEvent& e : p.events) e.amount = 0.0f;
    SearchTrace trace(p);
    EXPECT_EQ(trace.passes.size(), 1u);
    EXPECT_EQ(trace.search.h(), 0.0f);
}

TEST(AnalysisIteration, ZeroSpacingStopsTheRunOnTheBarrierToo)
{
    for (int mode : {0, 1}) {
        ProjectInput p = fixtures::analysisProject();
        p.barrierMode = mode;
        p.drainSpacing = 0.0f;
        PeriodTable t = INPASCDP(p.events);
        SpacingSearch search(p, t);
        EXPECT_THROW(search.run(), ModelError);
        EXPECT_FALSE(search.lastPass().has_value());
    }
}
