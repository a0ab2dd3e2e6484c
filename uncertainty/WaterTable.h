// The steady water table midway between drains that carry the recharge q (the ellipse equation
// with the equivalent depth): q L^2 = 8 K de h + 4 K h^2, so h = -de + sqrt(de^2 + rho L^2 / 4)
// with rho = q / K. Depths are below the ground surface; heights are above the drain.
#pragma once

namespace uncertainty {

// The two forms of the equivalent depth meet at x = D / L = 0.31 (which takes the first form).
constexpr double kFormLimit = 0.31;

// The equivalent depth de for a drain at distance D above the barrier (D <= 0: the drain lies on
// or below it, de = 0), spacing L and drain radius r.
double equivalentDepth(double D, double L, double r);

// The first form alone, for D > 0 (D <= 0 gives 0): D / (1 + x (2.55 ln(D/r) - (3.55 - 1.6 x + 2 x^2))).
double equivalentDepthNear(double D, double L, double r);

// The same with ln(D / r) given.
double equivalentDepthNearFromLog(double D, double logDistanceOverRadius, double L);

// The second form, for x > 0.31: L / (2.55 (ln(L/r) - 1.15)).
double equivalentDepthFar(double L, double r);

// The denominator of the first form at x = D / L.
double nearFormDenominator(double x, double L, double r);

// The least value of that denominator over 0 < x <= 0.31 (it is convex there); the first form is
// defined for every barrier depth only when it is above 0.
double leastNearFormDenominator(double L, double r);

// h for the ratio rho = q / K, written so that it keeps its digits when h is small beside de.
double waterTableHeight(double rho, double de, double L);

// The ratio rho at which the water table stands hc above the drain: 4 hc (2 de + hc) / L^2.
double ratioForHeight(double hc, double de, double L);

}  // namespace uncertainty
