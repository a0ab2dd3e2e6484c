// Named codes of the chart component that callers of the graph dialog pass: palette colours of
// sets and points, chart types and styles, the x code of a date axis and the date label modes.
#pragma once

#include <QString>

namespace chart {

// Palette codes of per-set colours (ChartRenderer's palette).
enum PaletteCode : int {
    kPaletteGreen = 2,
    kPaletteGrey = 8,
    kPaletteBlue = 9,
    kPaletteRed = 12,
    kPaletteMagenta = 13,
};

// Chart types: the default, and the type whose one set is coloured point by point (its title
// names the set and it shows no legend).
inline constexpr int kChartTypeDefault = 6;
inline constexpr int kChartTypePointColours = 3;

// Chart styles of the whole chart (without per-set styles) and styles of one set.
inline constexpr int kChartStyleDefault = 5;
inline constexpr int kChartStyleSticks = 2;
inline constexpr int kChartStyleLines = 4;
inline constexpr int kSetStyleLine = 2;
// A set style mode from which the per-set styles apply.
inline constexpr int kSetStyleModePerSet = 2;

// The x code of an axis of dates, labelled by month.
inline constexpr int kXCodeMonthDates = 9;

// Axis codes of custom labels: labels of their own (or numbers), or the depth below the top of the
// axis's range, counted down from the top (the water table below the surface).
inline constexpr int kAxisCodeLabels = 0;
inline constexpr int kAxisCodeDepthBelowTop = 1;

// A step of a date axis of thirty and a half days, so that its labels fall on the first of each
// month.
inline const QString kDateStepHalfMonth = QStringLiteral("0000:00:30:12:00:00");

// Date label modes: the date, or the date with the time of day.
inline constexpr int kDateLabelDate = 1;
inline constexpr int kDateLabelDateAndTime = 3;

}  // namespace chart
