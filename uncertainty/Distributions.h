// The distributions of the uncertain inputs: the permeability K and the recharge q are lognormal,
// the depth to the barrier Z is normal, all three independent. Only the ratio rho = q / K enters
// the water table, and it is lognormal too.
#pragma once

namespace uncertainty {

// A lognormal variable by the mean and standard deviation of its logarithm.
struct LogNormal {
    double lambda = 0.0;  // mean of ln X
    double zeta = 0.0;    // standard deviation of ln X (0: X is exact)
};

// The lognormal of the given mean (> 0) and standard deviation (>= 0):
// zeta^2 = ln(1 + (sd/mean)^2), lambda = ln mean - zeta^2 / 2.
LogNormal logNormalFromMoments(double mean, double sd);

// rho = q / K: lambda_rho = lambda_q - lambda_K, zeta_rho^2 = zeta_q^2 + zeta_K^2.
LogNormal ratioOf(const LogNormal& numerator, const LogNormal& denominator);

// The standard normal distribution function and density.
double normalCdf(double z);
double normalPdf(double z);

// P(a < X <= b) for a standard normal X (a <= b).
double normalMass(double a, double b);

}  // namespace uncertainty
