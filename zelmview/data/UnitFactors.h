// The factors between the English and the metric units of the projects.
#pragma once

inline constexpr double kFeetPerMetre = 3.2808398;
inline constexpr double kHectaresPerAcre = 0.404687;
