// The factors between the English and the metric units of the projects.
#pragma once

namespace zelm {

inline constexpr double kFeetPerMetre = 3.2808398;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kHectaresPerAcre = 0.404687;

}  // namespace zelm
