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
    if (!zelm::isValidEventDate(event.month, event.day))
        throw EventDateError(
            zelm::invalidEventDateText(QStringLiteral("A deep percolation event"), event).toStdString());
    return zelm::eventDate(event);
}

}  // namespace

bool ZELMData::SortEventsByDate(QList<IrrigationDataElement>& events)
{
    // Every event is dated in array order first, so the first unset or invalid one decides, and
    // the events stay as they were when one is found.
    std::vector<std::pair<QDate, IrrigationDataElement>> dated;
    dated.reserve(events.size());
    for (const IrrigationDataElement& event : events) {
        if (event.month == 0 || event.day == 0) return false;
        dated.emplace_back(calendarDate(event), event);
    }
    // Stable, so events of one date keep their order.
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<IrrigationDataElement> sorted;
    sorted.reserve(events.size());
    for (const auto& [date, event] : dated) sorted.append(event);
    events = std::move(sorted);
    return true;
}
