#include "data/EventCalendar.h"

#include <QLocale>
#include <algorithm>
#include <climits>

namespace zelm {

int lastDayOfMonth(int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return INT_MAX;
    }
}

CalendarEntry eventMonth(int typed)
{
    const int month = std::clamp(typed, 1, kMonthsPerYear);
    if (month == typed) return {month, {}};
    return {month, QStringLiteral("Month %1 changed to %2: months run from 1 to 12.").arg(typed).arg(month)};
}

CalendarEntry eventDay(int month, int typed)
{
    const int last = lastDayOfMonth(month);
    const int day = std::clamp(typed, 1, last);
    if (day == typed) return {day, {}};
    if (day == 1) return {day, QStringLiteral("Day %1 changed to 1: days start at 1.").arg(typed)};
    return {day, QStringLiteral("Day %1 changed to %2: %3 has %2 days in the model's year.")
                     .arg(typed)
                     .arg(day)
                     .arg(QLocale::c().monthName(month))};
}

bool isValidEventDate(int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

QDate eventDate(const IrrigationDataElement& event, int year)
{
    return QDate(year, event.month, 1).addDays(event.day - 1);
}

int dayOfFollowingYear(const IrrigationDataElement& event)
{
    return int(kNewYear.daysTo(eventDate(event, kFollowingYear)));
}

QString invalidEventDateText(const QString& subject, const IrrigationDataElement& event)
{
    return QStringLiteral("%1 has an invalid date: month %2, day %3.").arg(subject).arg(event.month).arg(event.day);
}

}  // namespace zelm
