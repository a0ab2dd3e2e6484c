// One year of computed water table laid out for the chart: the fluctuation records and the daily
// rows either as the model wrote them (the traditional drainage year, from the last event of the
// year) or turned to begin on 1 January (the calendar year 1982).
#pragma once

#include <QDate>
#include <QList>

#include "data/OutputRecord.h"

class TransientOutputData;
class ZELMData;

namespace zelm {

struct WaterTableYear {
    // Records of the periods in order; the last one holds only the height at the year's end.
    QList<OutputRecord> records;
    QList<int> day;        // day number of each daily row, 1 for the year's first day
    QList<double> height;  // above the drain
    QList<double> depth;   // below the surface
};

// The date in 1981 of the project's last deep-percolation event, the start of the model's year;
// a day past the end of its month rolls into the next. Throws std::invalid_argument for a missing
// event or a month outside 1..12 or a day outside 1..31.
QDate lastEventDate(const ZELMData& input);

WaterTableYear traditionalYear(const TransientOutputData& output);

// The year from 1 January 1982: the period that spans the new year is split at it, its later part
// first and its earlier part last, and the daily rows follow. Throws std::invalid_argument when no
// period spans the new year.
WaterTableYear calendarYear(const TransientOutputData& output, const QDate& lastEvent);

}  // namespace zelm
