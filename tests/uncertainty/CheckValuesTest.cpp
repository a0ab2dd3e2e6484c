// The hand-checked values of the method: equivalent depth, lateral length, capital cost, capital
// recovery factor and annual cost of the 40 ft design, and its reliability at 40 and 60 ft.
#include <gtest/gtest.h>

#include <cmath>

#include "Costs.h"
#include "DesignEvaluation.h"
#include "FloatingPointTraps.h"
#include "TestRiskProjects.h"
#include "WaterTable.h"

using namespace uncertainty;

TEST(CheckValues, EquivalentDepthOfTheFortyFootDesignWithTheBarrierAtItsMean)
{
    EXPECT_NEAR(equivalentDepth(6.0, 40.0, 0.2), 3.3376, 5e-5);
    // On or below the barrier the flow has no depth below the drain.
    EXPECT_EQ(equivalentDepth(0.0, 40.0, 0.2), 0.0);
    EXPECT_EQ(equivalentDepth(-1.0, 40.0, 0.2), 0.0);
    // x = 0.31 still takes the first form; beyond it the second, which is smaller there.
    EXPECT_EQ(equivalentDepth(0.31 * 40.0, 40.0, 0.2), equivalentDepthNear(0.31 * 40.0, 40.0, 0.2));
    // x = 0.5: 40 / (2.55 (ln 200 - 1.15)).
    EXPECT_NEAR(equivalentDepth(20.0, 40.0, 0.2), 3.781358, 5e-7);
    EXPECT_GT(equivalentDepthNear(0.31 * 40.0, 40.0, 0.2), equivalentDepthFar(40.0, 0.2));
}

TEST(CheckValues, CostsOfTheFortyFootDesign)
{
    const RiskProject p = fixtures::checkValueProject();
    const DesignCost c = designCost(p, 4.0, 40.0);
    EXPECT_DOUBLE_EQ(c.lateralLength, 1089.0);
    EXPECT_DOUBLE_EQ(c.capitalCost, 1089.0);
    EXPECT_NEAR(c.recoveryFactor, 0.101852, 5e-7);
    EXPECT_NEAR(c.annualCost, 121.81, 5e-3);
    EXPECT_DOUBLE_EQ(lateralLengthPerArea(40.0, true), 250.0);
}

TEST(CheckValues, RecoveryFactorWithoutInterestAndForASmallRate)
{
    EXPECT_DOUBLE_EQ(capitalRecoveryFactor(0.0, 20.0), 0.05);
    // A tiny rate tends to 1/n from above, with no loss of digits.
    EXPECT_NEAR(capitalRecoveryFactor(1e-9, 20.0), 0.05 + 0.5 * 1e-11 * (1.0 + 1.0 / 20.0), 1e-16);
    EXPECT_NEAR(capitalRecoveryFactor(100.0, 1.0), 2.0, 1e-15);
}

// (1 + i)^n overflows beyond a life of about 9200 years at 8 %; the factor tends to the rate.
TEST(CheckValues, RecoveryFactorOfAVeryLongLifeIsTheRate)
{
    EXPECT_EQ(capitalRecoveryFactor(8.0, 20000.0), 0.08);
    EXPECT_EQ(capitalRecoveryFactor(8.0, 1e300), 0.08);
    EXPECT_DOUBLE_EQ(capitalRecoveryFactor(1e300, 2.0), 1e298);
}

TEST(CheckValues, ReliabilityAtFortyAndSixtyFeet)
{
    fixtures::FloatingPointTraps traps;
    const UncertainField field = uncertainFieldOf(fixtures::checkValueProject());
    // High-precision quadrature of the same integral, done apart from this program.
    EXPECT_NEAR(reliability(field, {4.0, 40.0}, 1.0), 0.92074056500953200, 1e-9);
    EXPECT_NEAR(reliability(field, {4.0, 60.0}, 1.0), 0.54250376916950260, 1e-9);
    const Moments w = depthMoments(field, {4.0, 40.0});
    EXPECT_NEAR(w.mean, 2.2127407635904682, 1e-8);
    EXPECT_NEAR(w.cv(), 0.36248957855299314, 1e-8);
}

TEST(CheckValues, PipeCostTableIsWeightedByTheSharesOfItsPercentages)
{
    RiskProject p = fixtures::checkValueProject();
    p.pipeCostType = 2;
    p.pipeCost = {1.0, 2.0, 0, 0, 0, 0, 0};
    p.gravelCost = {0.5, 1.0, 0, 0, 0, 0, 0};
    p.lateralPercent = {30.0, 10.0, 0, 0, 0, 0, 0};  // adds up to 40: shares 3/4 and 1/4
    EXPECT_DOUBLE_EQ(pipeCostPerLength(p), 0.75 * 1.5 + 0.25 * 3.0);
    p.pipeCostType = 1;
    EXPECT_DOUBLE_EQ(pipeCostPerLength(p), 0.5);
}

TEST(CheckValues, VariableSpeedMachineDigsFasterWhenShallower)
{
    RiskProject p = fixtures::checkValueProject();
    p.trenchSpeed = 2;
    p.maxInstallDepth = 6.0;
    p.minInstallRate = 4.0;
    p.depthRateSlope = -0.5;  // only its size counts
    p.varCostPerMinute = 8.0;
    EXPECT_DOUBLE_EQ(installRate(p, 6.0), 4.0);
    EXPECT_DOUBLE_EQ(installRate(p, 4.0), 8.0);
    EXPECT_DOUBLE_EQ(installCostPerLength(p, 4.0), 1.0);
    EXPECT_TRUE(machineReaches(p, 6.0));
    EXPECT_TRUE(machineReaches(p, 6.0 + 1e-12));
    EXPECT_FALSE(machineReaches(p, 6.001));
    p.depthRateSlope = 0.0;
    EXPECT_DOUBLE_EQ(installRate(p, 1.0), 4.0);
}

TEST(CheckValues, LeastDenominatorOfTheFirstFormMatchesADenseScan)
{
    for (double ratio : {2.0, 3.2, 3.3, 3.7, 5.0, 20.0, 500.0}) {
        double least = 1.0;
        for (int i = 1; i <= 200000; ++i)
            least = std::fmin(least, nearFormDenominator(kFormLimit * i / 200000.0, ratio, 1.0));
        EXPECT_NEAR(leastNearFormDenominator(ratio, 1.0), least, 1e-9) << ratio;
    }
    // Just above ln(L/r) = 1.15 the first form still fails for some barrier depth.
    EXPECT_GT(std::log(3.2), 1.15);
    EXPECT_LT(leastNearFormDenominator(3.2, 1.0), 0.0);
    EXPECT_GT(leastNearFormDenominator(3.26, 1.0), 0.0);
}
