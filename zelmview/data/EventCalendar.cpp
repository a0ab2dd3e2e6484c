#include "data/EventCalendar.h"

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
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return INT_MAX;
    }
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
