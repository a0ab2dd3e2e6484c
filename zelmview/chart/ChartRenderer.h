// Draws what the chart component's properties describe into a QCustomPlot: the sets of the first
// group against the left axis, the second group against the second axis, point labels, legends,
// titles, the date or labelled x axis, custom axis labels, ranges, and the user's zoom and hidden sets.
#pragma once

#include <QColor>

class QCustomPlot;
class QObject;

namespace chart {

class ChartProperties;
struct ChartUserState;

void renderChart(const ChartProperties& properties, const ChartUserState& user, QCustomPlot& plot);

// Gives back to the plot's layout what drawing took out of it, before the plot is deleted.
void releaseChart(QCustomPlot& plot);

// Colour of a palette code of per-set colour properties (0 to 15); other codes wrap around.
QColor paletteColour(int code);

// The legend position (set index, the second group after the first) that a plottable draws.
int chartSetOf(const QObject* plottable);

}  // namespace chart
