// The tick marks of the chart's axes beyond QCustomPlot's own: an axis that reads as depth below
// its top (the water table's left axis: the surface at the top, the drain at the bottom), and the
// rule that keeps numbers on an axis of fixed labels once a zoom leaves fewer than two of them in
// sight. Ticks fall on nice numbers (steps of 1, 2, 2.5 or 5 times a power of ten), at least
// four to an axis, for any range the axis shows.
#pragma once

#include <QSharedPointer>

class QCPAxis;
class QCPAxisTicker;

namespace chart {

// About this many ticks to an axis of numbers; never fewer than four.
inline constexpr int kNumberTicks = 5;

// Ticks of nice numbers, about `count` of them (5 to 10).
QSharedPointer<QCPAxisTicker> numberTicker(int count = kNumberTicks);

// Ticks labelled with the depth below `top` (top - value), at nice depths.
QSharedPointer<QCPAxisTicker> depthTicker(double top);

// An axis labelled by fixed texts that shows fewer than two of them in its range gets numbers
// instead.
void keepNumbersInSight(QCPAxis& axis);

}  // namespace chart
