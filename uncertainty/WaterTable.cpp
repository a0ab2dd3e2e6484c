#include "WaterTable.h"

#include <cmath>

namespace uncertainty {

namespace {

double denominatorFromLog(double x, double logDistanceOverRadius)
{
    return 1.0 + x * (2.55 * logDistanceOverRadius - (3.55 - 1.6 * x + 2.0 * x * x));
}

}  // namespace

double nearFormDenominator(double x, double L, double r)
{
    return denominatorFromLog(x, std::log(x * L / r));
}

double equivalentDepthNearFromLog(double D, double logDistanceOverRadius, double L)
{
    if (D <= 0.0) return 0.0;
    return D / denominatorFromLog(D / L, logDistanceOverRadius);
}

double equivalentDepthNear(double D, double L, double r)
{
    if (D <= 0.0) return 0.0;
    return equivalentDepthNearFromLog(D, std::log(D / r), L);
}

double equivalentDepthFar(double L, double r)
{
    return L / (2.55 * (std::log(L / r) - 1.15));
}

double equivalentDepth(double D, double L, double r)
{
    if (D <= 0.0) return 0.0;
    if (D / L <= kFormLimit) return equivalentDepthNear(D, L, r);
    return equivalentDepthFar(L, r);
}

// The derivative of the denominator, 2.55 ln(x L / r) - 1 + 3.2 x - 6 x^2, rises on (0, 0.31]
// (its own derivative 2.55 / x + 3.2 - 12 x stays positive), so the least value lies at its one
// root, or at x = 0.31 when it is still negative there. Towards x = 0 the denominator tends to 1.
double leastNearFormDenominator(double L, double r)
{
    auto slope = [&](double x) { return 2.55 * std::log(x * L / r) - 1.0 + 3.2 * x - 6.0 * x * x; };
    if (slope(kFormLimit) <= 0.0) return nearFormDenominator(kFormLimit, L, r);
    double lo = 0.0;
    double hi = kFormLimit;
    for (int i = 0; i < 200 && hi - lo > 1e-16 * hi; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        (mid > 0.0 && slope(mid) < 0.0 ? lo : hi) = mid;
    }
    if (hi <= 0.0) return 1.0;
    return std::fmin(1.0, nearFormDenominator(hi, L, r));
}

// -de + sqrt(de^2 + a) = a / (de + sqrt(de^2 + a)) with a = rho L^2 / 4.
double waterTableHeight(double rho, double de, double L)
{
    const double a = 0.25 * rho * L * L;
    if (a == 0.0 || std::isinf(a)) return a;  // no recharge, or none that the drains can carry
    return a / (de + std::sqrt(de * de + a));
}

double ratioForHeight(double hc, double de, double L)
{
    return 4.0 * hc * (2.0 * de + hc) / (L * L);
}

}  // namespace uncertainty
