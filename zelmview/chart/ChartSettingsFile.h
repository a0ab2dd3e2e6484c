// What the user changes on a shown chart (the zoomed ranges and the sets hidden from the legend)
// and the chart's settings file (".gsp") that keeps it between openings: plain text lines
// "zoom <x min> <x max> <left min> <left max> <second min> <second max>" and "hidden <set>...".
#pragma once

#include <QSet>
#include <QString>

namespace chart {

struct AxisRange {
    double lower = 0.0;
    double upper = 0.0;
    bool operator==(const AxisRange&) const = default;
};

struct ChartUserState {
    bool zoomed = false;
    AxisRange x, left, second;
    QSet<int> hiddenSets;
    bool operator==(const ChartUserState&) const = default;
};

// False when the file cannot be read; unknown or malformed lines are passed over.
bool readChartSettings(const QString& path, ChartUserState& state);
// Replaces the file through a temporary one; false after one message naming the file when it
// cannot be written, the old file left as it was.
bool writeChartSettings(const QString& path, const ChartUserState& state);

}  // namespace chart
