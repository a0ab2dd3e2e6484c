// The calendar of the model's one-year cycle, one home for the rules that the form, the sort of
// the events and the charts apply: the cycle starts in 1981 and runs into 1982, both fixed
// non-leap years of 365 days; an event's month is 1 to 12 and its day 1 to 31; a day past the end
// of its month rolls into the next month, so 29 February (which a file may still hold) falls on
// 1 March. The form holds a typed day to its month's last day, 28 in February.
#pragma once

#include <QDate>
#include <QString>

#include "data/IrrigationDataElement.h"

namespace zelm {

// The year in which the model's cycle starts, and the year after it.
inline constexpr int kModelYear = 1981;
inline constexpr int kFollowingYear = 1982;
inline constexpr int kMonthsPerYear = 12;
// The first day of the year after the cycle starts: the calendar chart and the event plot begin
// there.
inline const QDate kNewYear{kFollowingYear, 1, 1};

// How a chart of the year lays it out: from the last event (the model's drainage year) or from
// 1 January; the values are those of the output window's Graphing radios.
enum class YearMode : int { TraditionalDrainageYear = 0, CalendarYear = 1 };

// The last day an event may have in `month` as the form takes it: 28 for February, as the model's
// year has no 29 February; no limit for a month outside 1 to 12.
int lastDayOfMonth(int month);

// A month or day as the event table takes a typed number, and what the status bar says when the
// rules changed that number (empty when they did not).
struct CalendarEntry {
    int value;
    QString note;
};
// Held to 1 to 12.
CalendarEntry eventMonth(int typed);
// At least 1, and at most the last day of `month`.
CalendarEntry eventDay(int month, int typed);

// Month 1 to 12 and day 1 to 31.
bool isValidEventDate(int month, int day);

// The date of `event` in `year`, a day past the end of its month rolling into the next. The event
// must have a valid date.
QDate eventDate(const IrrigationDataElement& event, int year = kModelYear);

// Days from 1 January 1982 to the event's date in 1982.
int dayOfFollowingYear(const IrrigationDataElement& event);

// "<subject> has an invalid date: month M, day D."
QString invalidEventDateText(const QString& subject, const IrrigationDataElement& event);

}  // namespace zelm
