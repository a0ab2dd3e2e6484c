// ZELMData::SortEventsByDate: the events of the one-year cycle in calendar order.
#include <QDate>
#include <algorithm>
#include <utility>
#include <vector>

#include "data/ZELMData.h"

namespace {

// Events are dated in a fixed non-leap year; a day past the end of its month rolls into the next
// month, so 29 February falls on 1 March.
constexpr int kCalendarYear = 1981;

QDate calendarDate(const IrrigationDataElement& event)
{
    if (event.month < 1 || event.month > 12 || event.day < 1 || event.day > 31)
        throw EventDateError(QStringLiteral("A deep percolation event has an invalid date: "
                                            "month %1, day %2.")
                                 .arg(event.month)
                                 .arg(event.day)
                                 .toStdString());
    return QDate(kCalendarYear, event.month, 1).addDays(event.day - 1);
}

}  // namespace

bool ZELMData::SortEventsByDate(QList<IrrigationDataElement>& events)
{
    // Insertion in array order before the first later date keeps events of one date in order.
    std::vector<std::pair<QDate, IrrigationDataElement>> placed;
    for (const IrrigationDataElement& event : events) {
        if (event.month == 0 || event.day == 0) return false;
        const QDate date = calendarDate(event);
        const auto later =
            std::find_if(placed.begin(), placed.end(), [&](const auto& other) { return other.first > date; });
        placed.emplace(later, date, event);
    }
    QList<IrrigationDataElement> sorted;
    for (const auto& [date, event] : placed) sorted.append(event);
    events = std::move(sorted);
    return true;
}
