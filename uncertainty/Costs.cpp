#include "Costs.h"

#include <cmath>

#include "GridRange.h"

namespace uncertainty {

double lateralLengthPerArea(double spacing, bool metric)
{
    return (metric ? kSquareMetresPerHectare : kSquareFeetPerAcre) / spacing;
}

// (1 + i)^n - 1 is taken as expm1(n ln(1 + i)), which keeps its digits for a small rate. Where
// (1 + i)^n overflows (a long life, a high rate) the factor is taken as i / (1 - (1 + i)^-n),
// which cannot overflow and tends to i as the life grows; the first form is kept where it is
// finite, so that ordinary projects keep their numbers to the last bit.
double capitalRecoveryFactor(double discountPercent, double years)
{
    const double i = discountPercent / 100.0;
    if (i == 0.0) return 1.0 / years;
    const double exponent = years * std::log1p(i);
    const double growth = std::expm1(exponent);
    const double factor = i * (1.0 + growth) / growth;
    if (std::isfinite(factor)) return factor;
    return i / -std::expm1(-exponent);
}

double lateralPercentSum(const RiskProject& project)
{
    double sum = 0.0;
    for (double p : project.lateralPercent) sum += p;
    return sum;
}

double pipeCostPerLength(const RiskProject& project)
{
    if (!project.usesPipeTable()) return project.averagePipeCost;
    const double sum = lateralPercentSum(project);
    double cost = 0.0;
    for (int i = 0; i < kPipeSizes; ++i)
        cost += project.lateralPercent[i] / sum * (project.pipeCost[i] + project.gravelCost[i]);
    return cost;
}

bool machineReaches(const RiskProject& project, double depth)
{
    return !project.isVariableSpeed() || !exceedsUpperEnd(depth, project.maxInstallDepth);
}

double installRate(const RiskProject& project, double depth)
{
    if (!project.isVariableSpeed()) return project.constInstallRate;
    if (project.depthRateSlope == 0.0) return project.minInstallRate;
    return project.minInstallRate + (project.maxInstallDepth - depth) / std::fabs(project.depthRateSlope);
}

double installCostPerLength(const RiskProject& project, double depth)
{
    const double costPerMinute = project.isVariableSpeed() ? project.varCostPerMinute : project.constCostPerMinute;
    return costPerMinute / installRate(project, depth);
}

DesignCost designCost(const RiskProject& project, double depth, double spacing)
{
    DesignCost c;
    c.lateralLength = lateralLengthPerArea(spacing, project.isMetric());
    c.pipeCost = pipeCostPerLength(project);
    c.installCost = installCostPerLength(project, depth);
    c.capitalCost = c.lateralLength * (c.pipeCost + c.installCost);
    c.recoveryFactor = capitalRecoveryFactor(project.discountRate, project.systemLife);
    c.annualCost = c.capitalCost * c.recoveryFactor + c.lateralLength * project.omCost;
    return c;
}

}  // namespace uncertainty
