// The factors between the English and the metric units of the projects, and what a form says when
// a conversion would take a value past what the project file keeps.
#pragma once

#include <QString>

namespace zelm {

inline constexpr double kFeetPerMetre = 3.2808398;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kHectaresPerAcre = 0.404687;

inline const QString kConversionTooLargeText = QStringLiteral(
    "In the other units some values would be too large for the project file; the units were not changed.");

}  // namespace zelm
