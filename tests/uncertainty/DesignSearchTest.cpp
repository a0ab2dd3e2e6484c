// The choice among the designs of a range: least cost for a reliability, greatest net benefit,
// the tie rules, the machine's limit, and levels that no design reaches.
#include <gtest/gtest.h>

#include "DesignSearch.h"
#include "GridRange.h"
#include "TestRiskProjects.h"
#include "UncertaintyRun.h"

using namespace uncertainty;

namespace {

DesignResult candidate(double depth, double spacing, double R, double cost, double netBenefit = 0.0)
{
    DesignResult r;
    r.design = {depth, spacing};
    r.reliability = R;
    r.cost.annualCost = cost;
    r.netBenefit = netBenefit;
    return r;
}

// A grid worked by hand: costs fall with the spacing, ties at (3, 40)/(4, 40), within 1e-12 at
// (3, 60)/(4, 60), and at the same depth (6, 30)/(6, 50).
const std::vector<DesignResult> kGrid = {
    candidate(3, 20, 0.95, 100),  candidate(3, 40, 0.80, 60),  candidate(3, 60, 0.50, 40),
    candidate(4, 20, 0.99, 110),  candidate(4, 40, 0.90, 60),  candidate(4, 60, 0.70, 40 * (1 + 5e-13)),
    candidate(5, 20, 0.999, 120), candidate(5, 40, 0.95, 55),  candidate(5, 60, 0.85, 45),
    candidate(6, 30, 0.97, 100),  candidate(6, 50, 0.97, 100),
};

// The hand-checked field over depths and spacings from..to by the steps given.
RiskProject rangeOf(double minDepth, double maxDepth, double minSpacing, double maxSpacing, double spacingStep)
{
    RiskProject p = fixtures::checkValueProject();
    p.evaluation = 2;
    p.minDepth = minDepth;
    p.maxDepth = maxDepth;
    p.depthIncrement = 1.0;
    p.minSpacing = minSpacing;
    p.maxSpacing = maxSpacing;
    p.spacingIncrement = spacingStep;
    return p;
}

Design chosenFor(double level)
{
    std::optional<std::size_t> i = LeastCostChoice(kGrid).reaching(level);
    return i ? kGrid[*i].design : Design{-1, -1};
}

}  // namespace

TEST(DesignSearch, LeastCostForAReliabilityWithItsTieRules)
{
    auto is = [](Design d, double depth, double spacing) { return d.depth == depth && d.spacing == spacing; };
    EXPECT_TRUE(is(chosenFor(40), 3, 60));  // (4, 60) costs within 1e-12: the shallower wins
    EXPECT_TRUE(is(chosenFor(60), 4, 60));  // (3, 60) no longer reaches it
    EXPECT_TRUE(is(chosenFor(75), 5, 60));
    EXPECT_TRUE(is(chosenFor(85), 5, 60));  // exactly reached counts
    EXPECT_TRUE(is(chosenFor(85.01), 5, 40));
    EXPECT_TRUE(is(chosenFor(96), 6, 50));  // same depth, same cost: the wider spacing
    EXPECT_TRUE(is(chosenFor(98), 4, 20));
    EXPECT_TRUE(is(chosenFor(99.8), 5, 20));
    EXPECT_TRUE(is(chosenFor(100), -1, -1));  // nobody
    EXPECT_TRUE(isTie(60.0, 60.0));
    EXPECT_TRUE(isTie(1.0, 1.0 + 9e-13));
    EXPECT_FALSE(isTie(1.0, 1.0 + 2e-12));
    EXPECT_TRUE(isTie(0.0, 0.0));
}

TEST(DesignSearch, GreatestNetBenefitWithItsTieRules)
{
    std::vector<DesignResult> c = {candidate(4, 40, 0.5, 0, 10.0), candidate(3, 40, 0.5, 0, 10.0 * (1 - 5e-13)),
                                   candidate(3, 20, 0.5, 0, 10.0), candidate(5, 60, 0.5, 0, 9.0)};
    EXPECT_EQ(greatestNetBenefit(c), std::optional<std::size_t>(1));  // shallower, and a tie within 1e-12
    c[1].netBenefit = 9.5;
    EXPECT_EQ(greatestNetBenefit(c), std::optional<std::size_t>(2));  // (3, 20) ties (4, 40): shallower
    c[3].netBenefit = 11.0;
    EXPECT_EQ(greatestNetBenefit(c), std::optional<std::size_t>(3));
    EXPECT_FALSE(greatestNetBenefit({}).has_value());
}

TEST(DesignSearch, TheUpperEndsOfARangeAllowForRounding)
{
    EXPECT_EQ(rangeValues(1.0, 1.3, 0.1).size(), 4u);  // 1 + 3 * 0.1 is a hair above 1.3
    EXPECT_EQ(rangeCount(1.0, 1.3, 0.1, 100000), 4u);
    EXPECT_EQ(rangeCount(3.0, 7.9, 0.1, 100000), 50u);
    EXPECT_EQ(rangeCount(10.0, 208.0, 2.0, 100000), 100u);
    EXPECT_EQ(rangeCount(5.0, 5.0, 1.0, 100000), 1u);
    EXPECT_EQ(rangeCount(0.0, 1.0, 1e-9, 100000), 100001u);
    EXPECT_EQ(rangeCount(0.0, 1e300, 1e-300, 100000), 100001u);
}

TEST(DesignSearch, DesignsTooDeepForTheMachineAreNoCandidates)
{
    RiskProject p = rangeOf(3.0, 5.0, 20.0, 60.0, 20.0);
    p.trenchSpeed = 2;
    p.maxInstallDepth = 4.5;
    p.minInstallRate = 5.0;
    p.varCostPerMinute = 5.0;
    const RangeOfDesigns range = evaluateRange(p, uncertainFieldOf(p));
    EXPECT_EQ(range.gridSize, 9u);
    EXPECT_EQ(range.notInstallable, 3u);
    ASSERT_EQ(range.candidates.size(), 6u);
    EXPECT_EQ(range.candidates.back().design.depth, 4.0);
    EXPECT_EQ(range.candidates.back().design.spacing, 60.0);
}

TEST(DesignSearch, LevelsNoDesignReachesGetAWarningAndNoRow)
{
    RiskProject p = rangeOf(3.0, 4.0, 40.0, 60.0, 20.0);
    p.reliabilityOption = 2;
    p.minReliability = 90.0;
    p.maxReliability = 100.0;
    p.reliabilityIncrement = 5.0;
    RunResults r = analyse(p);
    EXPECT_TRUE(r.hasTable);
    ASSERT_EQ(r.table.size(), 1u);
    EXPECT_EQ(r.table[0].design.design.depth, 4.0);
    EXPECT_EQ(r.table[0].design.design.spacing, 40.0);
    EXPECT_GT(r.table[0].design.waterTableDepth.mean, 0.0);
    EXPECT_FALSE(r.fixedDesign.has_value());
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0],
              "WARNING - NO CANDIDATE DESIGN REACHES THE RELIABILITY LEVELS FROM 95 TO 100 PERCENT (2 LEVELS): "
              "THE TABLE HAS NO ROWS FOR THEM");

    p.reliabilityOption = 1;
    p.givenReliability = 99.0;
    r = analyse(p);
    EXPECT_FALSE(r.fixedDesign.has_value());
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0],
              "WARNING - NO CANDIDATE DESIGN REACHES A RELIABILITY OF 99 PERCENT: THE REPORT HAS NO FIXED DESIGN");
    p.givenReliability = 90.0;
    r = analyse(p);
    ASSERT_TRUE(r.fixedDesign.has_value());
    EXPECT_EQ(r.fixedDesign->design.spacing, 40.0);
    EXPECT_EQ(r.chosen, std::optional<std::size_t>(2));  // after (3, 40) and (3, 60)
}
