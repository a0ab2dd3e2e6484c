#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ModelError.h"
#include "PeriodTable.h"
#include "TestProjects.h"
#include "YearPass.h"

using namespace zelm;

namespace {

struct PassFixture {
    explicit PassFixture(ProjectInput p)
        : project(std::move(p)), periods(INPASCDP(project.events)), year(project, periods)
    {
    }
    ProjectInput project;
    PeriodTable periods;
    YearPass year;
};

int repeatedDays(const std::vector<DailyRow>& rows)
{
    int repeats = 0;
    for (std::size_t k = 1; k < rows.size(); ++k) repeats += rows[k].day == rows[k - 1].day;
    return repeats;
}

}  // namespace

TEST(BarrierCase, CriterionComparesTheBarrierDistanceWithATenthOfH)
{
    ProjectInput p = fixtures::designProject();
    p.barrierMode = -1;
    p.barrierDistance = 0.5f;
    PassFixture near(p);
    EXPECT_TRUE(near.year.drainOnBarrier(6.0f));
    p.barrierDistance = 0.7f;
    PassFixture far(p);
    EXPECT_FALSE(far.year.drainOnBarrier(6.0f));
}

TEST(BarrierCase, ForcedModesIgnoreTheCriterion)
{
    ProjectInput p = fixtures::designProject();
    p.barrierDistance = 100.0f;
    p.barrierMode = 1;
    EXPECT_TRUE(PassFixture(p).year.drainOnBarrier(0.0f));
    p.barrierDistance = 0.0f;
    for (int mode : {0, 2, -2}) {
        p.barrierMode = mode;
        EXPECT_FALSE(PassFixture(p).year.drainOnBarrier(10.0f)) << mode;
    }
}

TEST(EquivalentDepth, ZeroBarrierDistanceIsReplacedForTheRestOfTheRun)
{
    ProjectInput p = fixtures::analysisProject();
    p.barrierMode = 0;
    p.barrierDistance = 0.0f;
    PassFixture f(p);
    PassResult pass = f.year.run(100.0f, 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(f.project.barrierDistance, 0.0001f);
    EXPECT_NEAR(pass.de, 0.0001f, 1e-8f);
}

TEST(EquivalentDepth, RatioOf031UsesTheShallowBarrierFormula)
{
    ProjectInput p = fixtures::analysisProject();
    p.barrierMode = 0;
    p.barrierDistance = 3.1f;
    p.drainRadius = 0.25f;
    PassFixture f(p);
    ASSERT_EQ(3.1f / 10.0f, 0.31f);
    const float r = 0.31f;
    const float shallow = 3.1f / (1.0f + r * (2.55f * std::log(3.1f / 0.25f) - (3.55f - 1.6f * r + 2.0f * (r * r))));
    EXPECT_FLOAT_EQ(f.year.run(10.0f, 1.0f, 0.0f).de, shallow);
    const float deep = 9.0f / (2.55f * (std::log(9.0f / 0.25f) - 1.15f));
    EXPECT_FLOAT_EQ(f.year.run(9.0f, 1.0f, 0.0f).de, deep);
}

TEST(EquivalentDepth, OnBarrierPassesKeepTheLastValue)
{
    ProjectInput p = fixtures::analysisProject();
    p.barrierMode = -1;
    p.barrierDistance = 0.5f;
    PassFixture f(p);
    EXPECT_EQ(f.year.run(50.0f, 1.0f, 10.0f).de, 0.0f);  // on: none computed yet
    const float offDe = f.year.run(50.0f, 1.0f, 1.0f).de;
    EXPECT_GT(offDe, 0.0f);
    EXPECT_EQ(f.year.run(50.0f, 1.0f, 10.0f).de, offDe);
}

TEST(YearPassRun, ZeroSpacingStopsOnAndOffTheBarrier)
{
    for (int mode : {0, 1}) {
        ProjectInput p = fixtures::analysisProject();
        p.barrierMode = mode;
        PassFixture f(p);
        EXPECT_THROW(f.year.run(0.0f, 1.0f, 0.0f), ModelError) << mode;
    }
}

TEST(YearPassRun, BuildUpsRestartTheRecession)
{
    ProjectInput p = fixtures::analysisProject();
    PassFixture f(p);
    PassResult pass = f.year.run(120.0f, 0.8f, 0.0f);
    const int N = pass.N();
    ASSERT_EQ(N, 6);
    EXPECT_EQ(pass.YO[1], 0.8f);
    EXPECT_FLOAT_EQ(pass.BU[3], 0.6f / 12.0f / 0.05f);
    for (int i = 2; i <= N; ++i) EXPECT_EQ(pass.YO[i], pass.Z[i - 1] + pass.BU[i]) << i;
    for (int i = 1; i <= N; ++i) EXPECT_EQ(pass.Z[i], pass.ratio[i] * pass.YO[i]) << i;
    EXPECT_EQ(pass.E, pass.YO[N]);
    EXPECT_EQ(pass.P, *std::max_element(pass.YO.begin() + 1, pass.YO.end()));
}

TEST(DailyRows, AYearOfNEventsOnNDatesHas366PlusNPlusOneRows)
{
    PassFixture f(fixtures::analysisProject());
    std::vector<DailyRow> rows = f.year.dailyRows(f.year.run(120.0f, 0.8f, 0.0f));
    ASSERT_EQ(rows.size(), 366u + 4u + 1u);
    EXPECT_EQ(rows.front().day, 1);
    EXPECT_EQ(rows.back().day, 366);
    EXPECT_EQ(repeatedDays(rows), 5);
    EXPECT_FLOAT_EQ(rows[0].height, 0.8f);
    EXPECT_FLOAT_EQ(rows[0].depth, 4.0f - 0.8f);
}

TEST(DailyRows, TheRowAfterEachBuildUpIsHigherByTheBuildUp)
{
    PassFixture f(fixtures::analysisProject());
    PassResult pass = f.year.run(120.0f, 0.8f, 0.0f);
    std::vector<DailyRow> rows = f.year.dailyRows(pass);
    int period = 2;
    for (std::size_t k = 1; k < rows.size(); ++k) {
        if (rows[k].day != rows[k - 1].day) continue;
        EXPECT_FLOAT_EQ(rows[k].height, rows[k - 1].height + pass.BU[period]) << period;
        ++period;
    }
}

TEST(DailyRows, AnEventOnTheDayAfterAnotherKeepsItsRise)
{
    ProjectInput p = fixtures::analysisProject();
    p.events = {{4, 10, 2.0f}, {4, 11, 2.0f}, {9, 1, 0.5f}};
    PassFixture f(p);
    PassResult pass = f.year.run(120.0f, 0.5f, 0.0f);
    std::vector<DailyRow> rows = f.year.dailyRows(pass);
    // Rows of 11 April: the second event's pair must start from the first event's height.
    auto pairOf = [&](int day) {
        auto it = std::find_if(rows.begin(), rows.end(), [&](const DailyRow& r) { return r.day == day; });
        return std::make_pair(*it, *(it + 1));
    };
    const int firstEventDay = pairOf(1).first.day + f.periods.TP[1] + f.periods.TP[2];
    auto [beforeFirst, afterFirst] = pairOf(firstEventDay);
    auto [beforeSecond, afterSecond] = pairOf(firstEventDay + 1);
    EXPECT_GT(afterFirst.height, 3.0f);
    EXPECT_GT(beforeSecond.height, 0.9f * afterFirst.height);
    EXPECT_FLOAT_EQ(afterSecond.height, beforeSecond.height + pass.BU[4]);
}

TEST(DailyRows, TwoEventsOnOneDateAddBothBuildUpsAndRepeatNoDay)
{
    ProjectInput p = fixtures::analysisProject();
    p.events = {{4, 10, 1.0f}, {4, 10, 2.0f}, {9, 1, 0.5f}};
    PassFixture f(p);
    PassResult pass = f.year.run(120.0f, 0.5f, 0.0f);
    EXPECT_EQ(pass.X[3], 0.0f);
    EXPECT_EQ(pass.ratio[3], 1.0f);
    EXPECT_EQ(pass.Z[3], pass.YO[3]);
    std::vector<DailyRow> rows = f.year.dailyRows(pass);
    EXPECT_EQ(rows.size(), 366u + 3u);  // the zero-day period opens no pair
    EXPECT_EQ(repeatedDays(rows), 3);
    // The pair of that date recedes from the height after the first event's build-up.
    const std::size_t before = f.periods.TP[1] + f.periods.TP[2] + 1;
    ASSERT_EQ(rows[before].day, rows[before + 1].day);
    EXPECT_GT(rows[before].height, rows[before - 1].height + 0.9f * pass.BU[3]);
    EXPECT_FLOAT_EQ(rows[before + 1].height, rows[before].height + pass.BU[4]);
}
