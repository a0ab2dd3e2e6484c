#include "Distributions.h"

#include <cmath>

namespace uncertainty {

namespace {

constexpr double kInvSqrt2 = 0.70710678118654752440;
constexpr double kInvSqrt2Pi = 0.39894228040143267794;
// Beyond this coefficient of variation 1 + cv^2 is cv^2 in double precision.
constexpr double kLargeVariation = 1e100;

}  // namespace

// log1p keeps small coefficients of variation exact: ln(1 + cv^2) ~ cv^2. A coefficient whose
// square would overflow (or that overflows itself, a tiny mean beside an ordinary deviation) is
// taken through the logarithms: ln(1 + cv^2) = 2 ln cv to the last digit there.
LogNormal logNormalFromMoments(double mean, double sd)
{
    const double cv = sd / mean;
    const double zeta2 = cv < kLargeVariation ? std::log1p(cv * cv) : 2.0 * (std::log(sd) - std::log(mean));
    return {std::log(mean) - 0.5 * zeta2, std::sqrt(zeta2)};
}

LogNormal ratioOf(const LogNormal& numerator, const LogNormal& denominator)
{
    return {numerator.lambda - denominator.lambda, std::hypot(numerator.zeta, denominator.zeta)};
}

// erfc keeps the far lower tail accurate where 1 + erf would lose every digit.
double normalCdf(double z)
{
    return 0.5 * std::erfc(-z * kInvSqrt2);
}

double normalPdf(double z)
{
    return kInvSqrt2Pi * std::exp(-0.5 * z * z);
}

// The difference is taken on the side of zero where both tails are small, so that it keeps its
// digits far out in either tail.
double normalMass(double a, double b)
{
    if (a >= 0.0) return normalCdf(-a) - normalCdf(-b);
    return normalCdf(b) - normalCdf(a);
}

}  // namespace uncertainty
