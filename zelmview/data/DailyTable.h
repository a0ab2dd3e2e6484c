// The daily water table of a run by day, as the daily table shows it and as it is saved for a
// spreadsheet: each day's depth below the surface and, on the day of an event, the depth after its
// build-up (the day's second row in the daily file).
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class TransientOutputData;

struct DailyDepth {
    double depth = 0.0;
    std::optional<double> afterBuildup;
};

// One entry per day of the daily rows, day 1 first.
QList<DailyDepth> dailyDepthsByDay(const TransientOutputData& output);

// The days as comma-separated values: a heading line, then "day,date,depth,after buildup" per day,
// numbers as "%g", the date of day 1 being `firstDay` (left empty when it is not valid), the
// after-buildup depth empty on days without an event. `unit` ("ft" or "m") goes into the heading.
QString dailyTableCsv(const QList<DailyDepth>& days, const QDate& firstDay, const QString& unit);

// Saves DailyTableCsv atomically; false after one message naming the file.
bool writeDailyTableCsv(const QString& path, const TransientOutputData& output, const QDate& firstDay,
                        const QString& unit);
