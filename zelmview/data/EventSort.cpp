// ZELMData::SortEventsByDate: the events of the one-year cycle in calendar order.
#include <QDate>
#include <algorithm>
#include <utility>
#include <vector>

#include "data/EventCalendar.h"
#include "data/ZELMData.h"

namespace {

QDate calendarDate(const IrrigationDataElement& event)
{
    if (!zelm::IsValidEventDate(event.month, event.day))
        throw EventDateError(
            zelm::InvalidEventDateText(QStringLiteral("A deep percolation event"), event).toStdString());
    return zelm::EventDate(event);
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
