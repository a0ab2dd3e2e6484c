// Switching a transient project between English units (ft, ft/day, in) and metric units (m,
// m/day, cm): the stored values are converted in place.
#pragma once

#include "data/UnitFactors.h"

class ZELMData;

namespace zelm {

// The project's unit codes.
enum UnitSystem : int { kEnglishUnits = 0, kMetricUnits = 1 };

// Lengths and conductivities by kFeetPerMetre, the AWHC and the event amounts by
// kCentimetresPerInch, then the project's units become `newUnits`. The same units, or any other
// value, convert nothing.
void ConvertUnits(ZELMData& data, int newUnits);

}  // namespace zelm
