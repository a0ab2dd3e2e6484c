// Switching a transient project between English units (ft, ft/day, in) and metric units (m,
// m/day, cm): the stored values are converted in place.
#pragma once

class ZELMData;

namespace zelm {

inline constexpr double kFeetPerMetre = 3.2808398;
inline constexpr double kCentimetresPerInch = 2.54;

// The project's unit codes.
enum UnitSystem : int { kEnglishUnits = 0, kMetricUnits = 1 };

// Lengths and conductivities by kFeetPerMetre, the AWHC and the event amounts by
// kCentimetresPerInch, then the project's units become `newUnits`. The same units, or any other
// value, convert nothing.
void ConvertUnits(ZELMData& data, int newUnits);

}  // namespace zelm
