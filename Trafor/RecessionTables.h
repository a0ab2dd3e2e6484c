// The recession ratios of the water table at mid-spacing, as functions of the dimensionless time
// factor X: one table for a drain lying on the impermeable barrier (X = KHt/SL², ratio Z/H) and
// one for a drain above it (X = KDt/SL², ratio Y/Y0). Both are interpolated linearly.
#pragma once

namespace zelm {

float recessionOnBarrier(float X);
float recessionOffBarrier(float X);

using RecessionFunction = float (*)(float);

}  // namespace zelm
