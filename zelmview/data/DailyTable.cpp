#include "data/DailyTable.h"

#include "data/EventCalendar.h"
#include "data/TransientOutputData.h"
#include "docview/AtomicSave.h"

namespace {

QString formatDepth(double depth)
{
    return QString::asprintf("%g", depth);
}

}  // namespace

QSet<int> eventDayNumbers(const QList<IrrigationDataElement>& events, const QDate& firstDay)
{
    QSet<int> days;
    if (!firstDay.isValid()) return days;
    for (const IrrigationDataElement& event : events) {
        if (!zelm::isValidEventDate(event.month, event.day)) continue;
        // The event's date in the year of day 1, or in the year after when it comes earlier; the
        // last event falls on day 1 and again on the day a year later.
        QDate date = zelm::eventDate(event, firstDay.year());
        if (date < firstDay) date = zelm::eventDate(event, firstDay.year() + 1);
        const int day = int(firstDay.daysTo(date)) + 1;
        days.insert(day);
        if (day == 1) days.insert(1 + int(firstDay.daysTo(firstDay.addYears(1))));
    }
    return days;
}

QList<DailyDepth> dailyDepthsByDay(const TransientOutputData& output, const QSet<int>& eventDays)
{
    // A day that repeats (the row after an event's build-up) is no day of its own: its depth is
    // the after-buildup depth of the day its first row began.
    QList<DailyDepth> days;
    const QList<int>& repeated = output.eventRows;
    qsizetype next = 0;
    for (qsizetype row = 0; row < output.dailyDepth.size(); ++row) {
        const double depth = output.dailyDepth.at(row);
        if (next < repeated.size() && repeated.at(next) == row) {
            if (!days.isEmpty() && eventDays.contains(int(days.size()))) days.last().afterBuildup = depth;
            ++next;
            continue;
        }
        days.append({depth, std::nullopt});
    }
    return days;
}

QString dailyTableCsv(const QList<DailyDepth>& days, const QDate& firstDay, const QString& unit)
{
    QString text = QStringLiteral("Day,Date,Depth below surface (%1),After buildup (%1)\n").arg(unit);
    for (qsizetype k = 0; k < days.size(); ++k) {
        const DailyDepth& day = days.at(k);
        const QString date = firstDay.isValid() ? firstDay.addDays(k).toString(Qt::ISODate) : QString();
        text += QString::number(k + 1) + QLatin1Char(',') + date + QLatin1Char(',') + formatDepth(day.depth) +
                QLatin1Char(',') + (day.afterBuildup ? formatDepth(*day.afterBuildup) : QString()) + QLatin1Char('\n');
    }
    return text;
}

bool writeDailyTableCsv(const QString& path, const QList<DailyDepth>& days, const QDate& firstDay, const QString& unit)
{
    return saveTextAtomically(path, dailyTableCsv(days, firstDay, unit));
}
