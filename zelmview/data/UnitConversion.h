// Switching a transient project between English units (ft, ft/day, in) and metric units (m,
// m/day, cm): the stored values are converted in place.
#pragma once

#include "data/UnitFactors.h"
#include "data/ZELMData.h"

namespace zelm {

// Lengths and conductivities by kFeetPerMetre, the AWHC and the event amounts by
// kCentimetresPerInch, then the project's units become `newUnits`. The same units convert nothing.
void ConvertUnits(ZELMData& data, ZELMData::Units newUnits);

// Whether every real of `data` converted to `newUnits` is one the project file keeps: a value near
// the file's limit may grow past it.
bool convertsWithinFile(const ZELMData& data, ZELMData::Units newUnits);

}  // namespace zelm
