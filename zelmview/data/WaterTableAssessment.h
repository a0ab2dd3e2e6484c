// How a run's water table stands against the height the project allows above the drain: its peak,
// and the days it stands above that height. Both come from the daily water table as the daily file
// shows it (millimetres or thousandths of a foot), so the report window, which reads the file, and
// the live panel, which has the run in memory, judge a run alike. A day counts as above when its
// height shows at least 0.001 above the allowed one.
#pragma once

#include <QString>
#include <span>

#include "data/ZELMData.h"

namespace zelm {

struct WaterTableAssessment {
    double peakHeight = 0.0;     // the highest daily water table above the drain
    double allowedHeight = 0.0;  // the project's maximum water table above the drain
    int daysAbove = 0;           // days on which the water table stands above the allowed height

    bool WithinLimit() const { return daysAbove == 0; }
    // How far the peak stands above the allowed height (negative below it).
    double Exceedance() const { return peakHeight - allowedHeight; }
};

// `days` and `heights` are the daily rows (a day that opens a period has two rows); both the same
// length. No rows give a peak of 0 and no day above.
WaterTableAssessment assessWaterTable(std::span<const int> days, std::span<const double> heights, double allowedHeight);

// "within the limit", or "exceeds it by 0.126 m on 14 days".
QString verdictText(const WaterTableAssessment& assessment, ZELMData::Units units);

// The assessment line of a run: its mode, the peak against the allowed height and the verdict.
// "Analysis: peak 0.752 m above the drain, allowed 0.626 m: exceeds it by 0.126 m on 14 days."
QString assessmentLine(ZELMData::InputMode mode, const WaterTableAssessment& assessment, ZELMData::Units units);

// "ft" or "m".
QString lengthUnit(ZELMData::Units units);

// A length with the three decimals of the report and the daily file.
QString lengthText(double value);

}  // namespace zelm
