// The reliability and the moments of one design against closed forms, deterministic limits and a
// Monte Carlo estimate of the same integrals.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "DesignEvaluation.h"
#include "FloatingPointTraps.h"
#include "TestRiskProjects.h"
#include "WaterTable.h"

using namespace uncertainty;
using fixtures::checkValueProject;

namespace {

struct MonteCarlo {
    double reliability = 0.0, reliabilityError = 0.0;
    double meanDepth = 0.0, meanDepthError = 0.0;
    double meanYield = 0.0, meanYieldError = 0.0;
};

// Samples K and q (lognormal) and Z (normal) as the field data describe them.
MonteCarlo sample(const RiskProject& p, const Design& d, const LossFunction& loss, int n)
{
    std::mt19937_64 random(20240611);
    auto logNormal = [](double mean, double sd) {
        const double zeta2 = std::log(1.0 + (sd / mean) * (sd / mean));
        return std::lognormal_distribution<double>(std::log(mean) - 0.5 * zeta2, std::sqrt(zeta2));
    };
    auto K = logNormal(p.permeability, p.permeabilitySD);
    auto q = logNormal(p.rechargeRate, p.rechargeRateSD);
    std::normal_distribution<double> Z(p.barrierDepth, p.barrierDepthSD);
    double met = 0.0, sumW = 0.0, sumW2 = 0.0, sumY = 0.0, sumY2 = 0.0;
    for (int i = 0; i < n; ++i) {
        const double rho = q(random) / K(random);
        const double de = equivalentDepth(Z(random) - d.depth, d.spacing, p.drainRadius);
        const double h = -de + std::sqrt(de * de + rho * d.spacing * d.spacing / 4.0);
        const double W = d.depth - h;
        const double Y = relativeYield(loss, W);
        met += W >= p.criticalDepth ? 1.0 : 0.0;
        sumW += W;
        sumW2 += W * W;
        sumY += Y;
        sumY2 += Y * Y;
    }
    MonteCarlo mc;
    mc.reliability = met / n;
    mc.reliabilityError = std::sqrt(mc.reliability * (1.0 - mc.reliability) / n);
    mc.meanDepth = sumW / n;
    mc.meanDepthError = std::sqrt((sumW2 / n - mc.meanDepth * mc.meanDepth) / n);
    mc.meanYield = sumY / n;
    mc.meanYieldError = std::sqrt(std::fmax(sumY2 / n - mc.meanYield * mc.meanYield, 0.0) / n);
    return mc;
}

LossFunction curve(int shape)
{
    return {shape, 0.3, 0.7, 0.25, 2.5};
}

}  // namespace

TEST(Reliability, AgreesWithMonteCarloWithinFourStandardErrors)
{
    const RiskProject p = checkValueProject();
    for (const Design d : {Design{4.0, 40.0}, Design{4.0, 60.0}, Design{6.0, 90.0}, Design{9.5, 50.0}}) {
        for (int shape : {1, 2, 3}) {
            MonteCarlo mc = sample(p, d, curve(shape), 100000);
            fixtures::FloatingPointTraps traps;
            const UncertainField field = uncertainFieldOf(p);
            EXPECT_NEAR(reliability(field, d, p.criticalDepth), mc.reliability, 4.0 * mc.reliabilityError);
            EXPECT_NEAR(depthMoments(field, d).mean, mc.meanDepth, 4.0 * mc.meanDepthError);
            EXPECT_NEAR(yieldMoments(field, d, curve(shape)).mean, mc.meanYield, 4.0 * mc.meanYieldError)
                << "loss function " << shape << " at " << d.depth << " x " << d.spacing;
        }
    }
}

TEST(Reliability, AnExactBarrierGivesTheClosedForm)
{
    fixtures::FloatingPointTraps traps;
    RiskProject p = checkValueProject();
    p.barrierDepthSD = 0.0;
    const UncertainField field = uncertainFieldOf(p);
    for (double L : {20.0, 40.0, 60.0, 25.0}) {
        const double de = equivalentDepth(6.0, L, 0.2);
        const double rhoC = 4.0 * 3.0 * (2.0 * de + 3.0) / (L * L);
        const double closed = 0.5 * std::erfc(-((std::log(rhoC) - field.rho.lambda) / field.rho.zeta) / std::sqrt(2.0));
        EXPECT_EQ(reliability(field, {4.0, L}, 1.0), closed) << L;
    }
    // A barrier known to within a hair gives nearly the same.
    p.barrierDepthSD = 1e-6;
    EXPECT_NEAR(reliability(uncertainFieldOf(p), {4.0, 40.0}, 1.0), reliability(field, {4.0, 40.0}, 1.0), 1e-6);
}

TEST(Reliability, ExactDataGiveZeroOrOneAfterTheDeterministicHeight)
{
    fixtures::FloatingPointTraps traps;
    RiskProject p = checkValueProject();
    p.barrierDepthSD = p.permeabilitySD = p.rechargeRateSD = 0.0;
    const UncertainField field = uncertainFieldOf(p);
    for (double L : {20.0, 40.0, 53.0, 54.0, 80.0}) {
        const double de = equivalentDepth(6.0, L, 0.2);
        const double h = -de + std::sqrt(de * de + 0.03125 * L * L / 4.0);
        EXPECT_EQ(reliability(field, {4.0, L}, 1.0), h <= 3.0 ? 1.0 : 0.0) << L;
        const Moments w = depthMoments(field, {4.0, L});
        EXPECT_NEAR(w.mean, 4.0 - h, 1e-12);
        EXPECT_EQ(w.sd, 0.0);
    }
}

TEST(Reliability, AnExactRatioMakesItTheProbabilityOfTheBarrierBeyondARoot)
{
    fixtures::FloatingPointTraps traps;
    RiskProject p = checkValueProject();
    p.permeabilitySD = p.rechargeRateSD = 0.0;
    const UncertainField field = uncertainFieldOf(p);
    // With rho exact the design meets the criterion when Z is deep enough: find that depth apart.
    const double L = 56.0;
    auto meets = [&](double Z) {
        const double de = equivalentDepth(Z - 4.0, L, 0.2);
        return -de + std::sqrt(de * de + 0.03125 * L * L / 4.0) <= 3.0;
    };
    double lo = 4.0, hi = 16.0;  // meets(hi) holds, meets(lo) does not
    for (int i = 0; i < 200; ++i) (meets(0.5 * (lo + hi)) ? hi : lo) = 0.5 * (lo + hi);
    const double expected = 0.5 * std::erfc((hi - 10.0) / std::sqrt(2.0));
    EXPECT_NEAR(reliability(field, {4.0, L}, 1.0), expected, 1e-12);
    MonteCarlo mc = sample(p, {4.0, L}, curve(2), 100000);
    EXPECT_NEAR(depthMoments(field, {4.0, L}).mean, mc.meanDepth, 4.0 * mc.meanDepthError);
    EXPECT_NEAR(yieldMoments(field, {4.0, L}, curve(2)).mean, mc.meanYield, 4.0 * mc.meanYieldError);
}

TEST(Reliability, FallsWithSpacingButForTheStepWhereTheFormsMeet)
{
    fixtures::FloatingPointTraps traps;
    const UncertainField field = uncertainFieldOf(checkValueProject());
    double previous = 1.0;
    for (double L = 10.0; L <= 200.0; L += 2.0) {
        const double R = reliability(field, {4.0, L}, 1.0);
        EXPECT_LE(R, previous + 1e-12) << L;
        previous = R;
    }
    // Drains on an exact barrier 20 ft below: the first form holds from L = 20 / 0.31 ft on, and is
    // the larger there, so the reliability steps up as the spacing grows across it.
    RiskProject p = checkValueProject();
    p.barrierDepth = 24.0;
    p.barrierDepthSD = 0.0;
    const UncertainField exact = uncertainFieldOf(p);
    const double Lstep = 20.0 / kFormLimit;
    const double atStep = reliability(exact, {4.0, Lstep}, 1.0);
    EXPECT_GT(atStep, 0.05);
    EXPECT_LT(atStep, 0.95);
    EXPECT_GT(atStep, reliability(exact, {4.0, Lstep * 0.999999}, 1.0) + 0.003);
    EXPECT_NEAR(reliability(exact, {4.0, Lstep * 1.000001}, 1.0), atStep, 1e-5);
}

TEST(Reliability, DrainsNotBelowTheCriticalDepthNeverMeetIt)
{
    const UncertainField field = uncertainFieldOf(checkValueProject());
    EXPECT_EQ(reliability(field, {1.0, 40.0}, 1.0), 0.0);
    EXPECT_EQ(reliability(field, {0.5, 40.0}, 1.0), 0.0);
    EXPECT_GT(reliability(field, {1.5, 10.0}, 1.0), 0.0);
}

TEST(Reliability, YieldOfAnExactFieldFollowsTheCurve)
{
    fixtures::FloatingPointTraps traps;
    RiskProject p = checkValueProject();
    p.barrierDepthSD = p.permeabilitySD = p.rechargeRateSD = 0.0;
    const UncertainField field = uncertainFieldOf(p);
    const double W = depthMoments(field, {4.0, 40.0}).mean;
    for (int shape : {1, 2, 3}) {
        const Moments y = yieldMoments(field, {4.0, 40.0}, curve(shape));
        EXPECT_NEAR(y.mean, relativeYield(curve(shape), W), 1e-12);
        EXPECT_EQ(y.sd, 0.0);
    }
}

TEST(Reliability, LossCurvesHaveTheirShapes)
{
    const LossFunction rising{1, 0.4, 0.6, 0.2, 1.0};
    EXPECT_DOUBLE_EQ(relativeYield(rising, -1.0), 0.4);
    EXPECT_DOUBLE_EQ(relativeYield(rising, 0.2), 0.4);
    EXPECT_DOUBLE_EQ(relativeYield(rising, 0.6), 0.4 + 0.6 * (1.0 - 0.125));
    EXPECT_DOUBLE_EQ(relativeYield(rising, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(relativeYield(rising, 3.0), 1.0);
    const LossFunction peak{2, 0, 0, 0, 2.0};
    EXPECT_DOUBLE_EQ(relativeYield(peak, -0.1), 0.0);
    EXPECT_DOUBLE_EQ(relativeYield(peak, 1.0), 0.75);
    EXPECT_DOUBLE_EQ(relativeYield(peak, 2.0), 1.0);
    EXPECT_DOUBLE_EQ(relativeYield(peak, 2.2), 0.85);
    EXPECT_DOUBLE_EQ(relativeYield(peak, 2.4), 0.7);
    EXPECT_DOUBLE_EQ(relativeYield(peak, 9.0), 0.7);
    const LossFunction dome{3, 0, 0, 0, 2.0};
    EXPECT_DOUBLE_EQ(relativeYield(dome, 2.0), 1.0);
    EXPECT_DOUBLE_EQ(relativeYield(dome, 1.0), 0.75);
    EXPECT_DOUBLE_EQ(relativeYield(dome, 4.5), 0.0);
    EXPECT_DOUBLE_EQ(relativeYield(dome, -0.5), 0.0);
}
