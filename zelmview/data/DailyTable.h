// The daily water table of a run by day, as the daily table shows it and as it is saved for a
// spreadsheet: each day's depth below the surface and, on the day of an event, the depth after its
// build-up (the day's second row in the daily file). The daily file also writes a day twice where
// a period begins without an event (the water table had fallen to the drain); that day shows no
// build-up.
#pragma once

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "data/IrrigationDataElement.h"

class TransientOutputData;

struct DailyDepth {
    double depth = 0.0;
    std::optional<double> afterBuildup;
};

// The days of the model's year (day 1 being `firstDay`, the last event's date) on which one of
// `events` falls; empty when `firstDay` is not a date.
QSet<int> eventDayNumbers(const QList<IrrigationDataElement>& events, const QDate& firstDay);

// One entry per day of the daily rows, day 1 first; a day written twice has a build-up only when it
// is one of `eventDays`.
QList<DailyDepth> dailyDepthsByDay(const TransientOutputData& output, const QSet<int>& eventDays);

// The days as comma-separated values: a heading line, then "day,date,depth,after buildup" per day,
// numbers as "%g", the date of day 1 being `firstDay` (left empty when it is not valid), the
// after-buildup depth empty on days without an event. `unit` ("ft" or "m") goes into the heading.
QString dailyTableCsv(const QList<DailyDepth>& days, const QDate& firstDay, const QString& unit);

// Saves DailyTableCsv atomically; false after one message naming the file.
bool writeDailyTableCsv(const QString& path, const QList<DailyDepth>& days, const QDate& firstDay, const QString& unit);
