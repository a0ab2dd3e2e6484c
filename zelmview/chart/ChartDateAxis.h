// The date x axis of a chart: x values are days after a start date; the ticks follow a step given
// as "yyyy:mm:dd:hh:nn:ss" (leading fields first, shorter texts allowed) and are labelled with a
// format of the letters d, m, y, h, n (minutes) and s.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace chart {

struct DateTick {
    double x;  // days after the start
    QString label;
};

// "1981:09:01:00:00:00" and shorter; an invalid QDateTime when the text is not a date.
QDateTime parseChartDate(const QString& text);

// The format in Qt's letters: "d mmm" becomes "d MMM", "m/d/yy hh:nn" becomes "M/d/yy HH:mm".
QString toQtDateFormat(const QString& chartFormat);

// Ticks from xMin to xMax days after the start date. A step of whole months, or of 28 to 31 days
// (a month in the charts' own words), falls on the first of each month from the start's month,
// unless the range is too short to hold three of them (a zoomed chart): then ticks fall every 1,
// 2, 7 or 14 days. Other steps repeat from the start. Empty when the start is not a date or the
// step is not positive.
QList<DateTick> dateTicks(const QString& start, const QString& step, const QString& format, double xMin, double xMax);

}  // namespace chart
