// The adaptive Gauss-Kronrod rule: its nodes and weights, exactness, error control on a kink and
// a near-step, and bisection.
#include <gtest/gtest.h>

#include <cmath>

#include "Distributions.h"
#include "Quadrature.h"

using namespace uncertainty;

namespace {

auto absolute(double tolerance)
{
    return [tolerance](const Values<1>&) { return Values<1>{tolerance}; };
}

}  // namespace

TEST(Quadrature, OnePieceIntegratesPolynomialsUpToDegree22Exactly)
{
    for (int n = 0; n <= 22; ++n) {
        auto f = [n](double x) { return Values<1>{std::pow(x, n)}; };
        const double exact = (std::pow(2.0, n + 1) - std::pow(-1.0, n + 1)) / (n + 1);
        detail::Piece<1> piece = [&] {
            auto g = f;
            return detail::gaussKronrod15<1>(g, -1.0, 2.0);
        }();
        EXPECT_NEAR(piece.value[0], exact, 1e-13 * std::fmax(1.0, std::fabs(exact))) << n;
    }
}

TEST(Quadrature, TheNormalDensityOverTwelveStandardDeviations)
{
    auto f = [](double z) { return Values<1>{normalPdf(z)}; };
    QuadratureResult<1> r = integrate<1>(f, {-12.0, 12.0}, absolute(1e-12));
    EXPECT_TRUE(r.converged);
    EXPECT_NEAR(r.value[0], 1.0, 1e-12);
    EXPECT_NEAR(normalMass(-12.0, 12.0), 1.0, 1e-15);
    EXPECT_NEAR(normalMass(8.0, 9.0), normalCdf(-8.0) - normalCdf(-9.0), 1e-30);
}

TEST(Quadrature, AKinkAtABreakCostsNothingAndOneInsideIsRefinedToTheTarget)
{
    auto f = [](double x) { return Values<1>{std::fabs(x - 0.3)}; };
    const double exact = (0.3 * 0.3 + 0.7 * 0.7) / 2.0;
    QuadratureResult<1> atBreak = integrate<1>(f, {0.0, 0.3, 1.0}, absolute(1e-14));
    EXPECT_NEAR(atBreak.value[0], exact, 1e-15);
    EXPECT_EQ(atBreak.evaluations, 30);
    QuadratureResult<1> inside = integrate<1>(f, {0.0, 1.0}, absolute(1e-10));
    EXPECT_TRUE(inside.converged);
    EXPECT_NEAR(inside.value[0], exact, 1e-10);
}

// No halving makes a NaN finite: the integral ends after its first pieces.
TEST(Quadrature, AnIntegrandThatIsNotFiniteEndsTheIntegralAtOnce)
{
    for (double bad : {std::nan(""), HUGE_VAL}) {
        auto f = [bad](double x) { return Values<2>{x, x > 0.7 ? bad : x}; };
        QuadratureResult<2> r = integrate<2>(f, {0.0, 0.5, 1.0}, [](const Values<2>&) {
            return Values<2>{1e-9, 1e-9};
        });
        EXPECT_EQ(r.evaluations, 30);
        EXPECT_FALSE(r.converged);
        EXPECT_TRUE(std::isnan(r.value[0]) && std::isnan(r.value[1]));
    }
}

TEST(Quadrature, ANearStepIsFoundByHalving)
{
    auto f = [](double x) { return Values<1>{normalCdf((x - 0.123) / 1e-6)}; };
    QuadratureResult<1> r = integrate<1>(f, {0.0, 1.0}, absolute(1e-9));
    EXPECT_TRUE(r.converged);
    EXPECT_NEAR(r.value[0], 1.0 - 0.123, 1e-9);
}

TEST(Quadrature, TwoComponentsMeetTheirOwnTargets)
{
    auto f = [](double x) { return Values<2>{std::exp(x), 1e-6 * std::sin(x)}; };
    auto target = [](const Values<2>& I) { return Values<2>{1e-12 * std::fabs(I[0]), 1e-12 * std::fabs(I[1])}; };
    QuadratureResult<2> r = integrate<2>(f, {0.0, 10.0}, target);
    EXPECT_NEAR(r.value[0], std::exp(10.0) - 1.0, 1e-11 * std::exp(10.0));
    EXPECT_NEAR(r.value[1], 1e-6 * (1.0 - std::cos(10.0)), 1e-17);
}

TEST(Quadrature, BisectionFindsTheChangeOfSign)
{
    EXPECT_NEAR(bisectRising([](double x) { return x * x - 2.0; }, 0.0, 2.0), std::sqrt(2.0), 1e-15);
    // A step: the point where it turns non-negative.
    EXPECT_NEAR(bisectRising([](double x) { return x < 0.7 ? -1.0 : 1.0; }, 0.0, 1.0), 0.7, 1e-15);
}
