// The relative yield Y of the crop against the depth to the water table W, with x = W / Wopt:
//   1: Y = A + B (X^3 - 3X^2 + 3X), X = clamp((x - X0) / (1 - X0), 0, 1);
//   2: a peak at Wopt, a sharp drop to 0.7 at 1.2 Wopt and level beyond (0 above the surface);
//   3: a symmetric dome 1 - (x - 1)^2 on 0 <= x <= 2, else 0.
#pragma once

#include <vector>

#include "RiskProject.h"

namespace uncertainty {

struct LossFunction {
    int shape = 1;  // 1, 2 or 3
    double A = 0.0;
    double B = 0.0;
    double X0 = 0.0;
    double optimumDepth = 1.0;  // Wopt, > 0
};

LossFunction lossFunctionOf(const RiskProject& project);

double relativeYield(const LossFunction& f, double W);

// The depths to the water table where the curve has a kink (ascending): the integrals over the
// water table are cut there.
std::vector<double> yieldBreakDepths(const LossFunction& f);

}  // namespace uncertainty
