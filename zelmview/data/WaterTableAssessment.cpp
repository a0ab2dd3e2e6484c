#include "data/WaterTableAssessment.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zelm {

namespace {

constexpr double kShownPerUnit = 1000.0;  // the daily file shows three decimals

bool showsAbove(double height, double allowedHeight)
{
    return std::nearbyint((height - allowedHeight) * kShownPerUnit) >= 1.0;
}

}  // namespace

WaterTableAssessment assessWaterTable(std::span<const int> days, std::span<const double> heights, double allowedHeight)
{
    WaterTableAssessment assessment;
    assessment.allowedHeight = allowedHeight;
    if (heights.empty()) return assessment;
    assessment.peakHeight = *std::max_element(heights.begin(), heights.end());
    // The two rows of a day that opens a period count as one day.
    int lastDayAbove = 0;
    bool anyDayAbove = false;
    for (std::size_t row = 0; row < heights.size() && row < days.size(); ++row) {
        if (!showsAbove(heights[row], allowedHeight) || (anyDayAbove && days[row] == lastDayAbove)) continue;
        ++assessment.daysAbove;
        lastDayAbove = days[row];
        anyDayAbove = true;
    }
    return assessment;
}

QString lengthUnit(ZELMData::Units units)
{
    return units == ZELMData::Units::Metric ? QStringLiteral("m") : QStringLiteral("ft");
}

QString lengthText(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return QString::fromLatin1(text);
}

QString verdictText(const WaterTableAssessment& assessment, ZELMData::Units units)
{
    if (assessment.WithinLimit()) return QStringLiteral("within the limit");
    return QStringLiteral("exceeds it by %1 %2 on %3 %4")
        .arg(lengthText(assessment.Exceedance()), lengthUnit(units))
        .arg(assessment.daysAbove)
        .arg(assessment.daysAbove == 1 ? QStringLiteral("day") : QStringLiteral("days"));
}

QString assessmentLine(ZELMData::InputMode mode, const WaterTableAssessment& assessment, ZELMData::Units units)
{
    const QString unit = lengthUnit(units);
    return QStringLiteral("%1: peak %2 %3 above the drain, allowed %4 %3: %5.")
        .arg(mode == ZELMData::InputMode::Analysis ? QStringLiteral("Analysis") : QStringLiteral("Design"),
             lengthText(assessment.peakHeight), unit, lengthText(assessment.allowedHeight),
             verdictText(assessment, units));
}

}  // namespace zelm
