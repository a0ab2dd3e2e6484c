#include "output/WaterTableYear.h"

#include <stdexcept>

#include "data/EventCalendar.h"
#include "data/TransientOutputData.h"
#include "data/ZELMData.h"

namespace zelm {

namespace {

// Where the new year falls in the records: the period it splits and the days of that period
// before it.
struct NewYearSplit {
    int record = -1;
    int daysBefore = 0;
};

// The whole days of a period. A report read back may hold any number in the field; a period of
// the model's year lasts from 0 to 366 days, and the chart cannot place one that does not.
int periodDays(const OutputRecord& record)
{
    constexpr double kLongestPeriod = 366.0;
    if (!(record.time >= 0.0 && record.time <= kLongestPeriod))
        throw std::invalid_argument(
            "The water table year cannot be turned to the calendar year: a period of the report does not "
            "last between 0 and 366 days.");
    return int(record.time);
}

NewYearSplit findNewYear(const QList<OutputRecord>& records, int daysToNewYear)
{
    int d = daysToNewYear;
    for (int i = 0; i + 1 < records.size(); ++i) {
        const int days = periodDays(records.at(i));
        if (d < records.at(i).time) return {i, d};
        d -= days;
    }
    return {};
}

QList<OutputRecord> rotatedRecords(const QList<OutputRecord>& records, const NewYearSplit& split)
{
    const OutputRecord& spanning = records.at(split.record);
    const int days = periodDays(spanning);
    // The height on 1 January, on the straight line of the spanning period from its start to its
    // end; a period shorter than a day has no line to follow.
    const double h = days == 0
                         ? spanning.startHeight
                         : spanning.startHeight + (spanning.endHeight - spanning.startHeight) * split.daysBefore / days;

    OutputRecord later = spanning;
    later.time = days - split.daysBefore;
    later.startHeight = h;
    OutputRecord earlier = spanning;
    earlier.time = split.daysBefore;
    earlier.endHeight = h;
    // The year closes where it opens, at h on 31 December, like the model's year closes on YO(N).
    OutputRecord yearEnd;
    yearEnd.startHeight = h;

    QList<OutputRecord> rotated{later};
    rotated.append(records.mid(split.record + 1, records.size() - 2 - split.record));
    rotated.append(records.mid(0, split.record));
    rotated.append(earlier);
    rotated.append(yearEnd);
    return rotated;
}

}  // namespace

QDate lastEventDate(const ZELMData& input)
{
    if (input.events.isEmpty())
        throw std::invalid_argument("The project has no deep percolation event to date the chart by.");
    const IrrigationDataElement& last = input.events.constLast();
    if (!isValidEventDate(last.month, last.day))
        throw std::invalid_argument(
            invalidEventDateText(QStringLiteral("The last deep percolation event"), last).toStdString());
    return eventDate(last);
}

WaterTableYear traditionalYear(const TransientOutputData& output)
{
    return {output.records, output.dailyDay, output.dailyHeight, output.dailyDepth};
}

WaterTableYear calendarYear(const TransientOutputData& output, const QDate& lastEvent)
{
    const int daysToNewYear = int(lastEvent.daysTo(kNewYear));
    const NewYearSplit split = findNewYear(output.records, daysToNewYear);
    if (split.record < 0)
        throw std::invalid_argument(
            "The water table year cannot be turned to the calendar year: "
            "no period spans 1 January.");
    WaterTableYear year;
    year.records = rotatedRecords(output.records, split);

    // Each period before the split ends in a day written twice, so the new year's row lies that
    // many rows after its day.
    const qsizetype rows = output.dailyDay.size();
    const qsizetype first = daysToNewYear + split.record;
    if (rows == 0 || first < 1 || first > rows)
        throw std::invalid_argument("The daily water table does not cover the year.");
    const int base = output.dailyDay.at(first - 1);
    // The rows from the start of the model's year come after 31 December; the last row repeats
    // the first day one year on, so they move by one day less than its number.
    const int yearLength = output.dailyDay.constLast() - 1;
    for (qsizetype k = 0; k < rows; ++k) {
        const qsizetype j = (k + first) % rows;
        int day = output.dailyDay.at(j) - base;
        if (day <= 0) day += yearLength;
        year.day.append(day);
        year.height.append(output.dailyHeight.at(j));
        year.depth.append(output.dailyDepth.at(j));
    }
    return year;
}

}  // namespace zelm
