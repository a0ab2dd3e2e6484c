#include "LossFunctions.h"

#include <algorithm>

namespace uncertainty {

LossFunction lossFunctionOf(const RiskProject& project)
{
    return {project.lossFunction, project.coefA, project.coefB, project.coefX, project.maxYieldDepth};
}

namespace {

double risingCurve(const LossFunction& f, double x)
{
    const double X = std::clamp((x - f.X0) / (1.0 - f.X0), 0.0, 1.0);
    return f.A + f.B * (X * X * X - 3.0 * X * X + 3.0 * X);
}

double peakAndDrop(double x)
{
    if (x < 0.0) return 0.0;
    if (x <= 1.0) return 1.0 - (1.0 - x) * (1.0 - x);
    if (x <= 1.2) return 1.0 - 1.5 * (x - 1.0);
    return 0.7;
}

double dome(double x)
{
    if (x < 0.0 || x > 2.0) return 0.0;
    return 1.0 - (x - 1.0) * (x - 1.0);
}

}  // namespace

double relativeYield(const LossFunction& f, double W)
{
    const double x = W / f.optimumDepth;
    switch (f.shape) {
    case 2:
        return peakAndDrop(x);
    case 3:
        return dome(x);
    default:
        return risingCurve(f, x);
    }
}

std::vector<double> yieldBreakDepths(const LossFunction& f)
{
    std::vector<double> x;
    switch (f.shape) {
    case 2:
        x = {0.0, 1.0, 1.2};
        break;
    case 3:
        x = {0.0, 2.0};
        break;
    default:
        x = {f.X0, 1.0};
        break;
    }
    for (double& v : x) v *= f.optimumDepth;
    return x;
}

}  // namespace uncertainty
