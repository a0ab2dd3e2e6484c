#include "chart/ChartDateAxis.h"

#include <QLocale>
#include <QStringList>
#include <array>
#include <cmath>

namespace chart {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kDateFields = 6;  // years, months, days, hours, minutes, seconds
// A tick list longer than this is a step too small for the range; the axis then falls back to numbers.
constexpr int kMaxTicks = 400;
// A date axis shows at least this many dates; a range too short for as many month steps is labelled
// by days.
constexpr int kFewestTicks = 3;

std::array<int, kDateFields> dateFields(const QString& text, bool* ok)
{
    std::array<int, kDateFields> fields{};
    const QStringList parts = text.split(QLatin1Char(':'));
    *ok = !text.isEmpty() && parts.size() <= kDateFields;
    for (qsizetype k = 0; *ok && k < parts.size(); ++k) fields[k] = parts.at(k).toInt(ok);
    return fields;
}

bool isAboutAMonth(const std::array<int, kDateFields>& step)
{
    return step[0] == 0 && step[1] == 0 && step[2] >= 28 && step[2] <= 31;
}

double daysBetween(const QDateTime& from, const QDateTime& to)
{
    return from.secsTo(to) / kSecondsPerDay;
}

QList<DateTick> monthlyTicks(const QDateTime& start, int months, const QString& format, double xMin, double xMax)
{
    QList<DateTick> ticks;
    QDateTime tick(QDate(start.date().year(), start.date().month(), 1), QTime(0, 0), Qt::UTC);
    if (tick < start) tick = tick.addMonths(months);
    for (double x = daysBetween(start, tick); x <= xMax + 1e-9 && ticks.size() < kMaxTicks;
         tick = tick.addMonths(months), x = daysBetween(start, tick))
        if (x >= xMin - 1e-9) ticks.append({x, QLocale::c().toString(tick, format)});
    return ticks;
}

QList<DateTick> steppedTicks(const QDateTime& start, const std::array<int, kDateFields>& step, const QString& format,
                             double xMin, double xMax)
{
    const qint64 seconds = ((qint64(step[2]) * 24 + step[3]) * 60 + step[4]) * 60 + step[5];
    const int months = step[0] * 12 + step[1];
    QList<DateTick> ticks;
    for (int k = 0; ticks.size() < kMaxTicks; ++k) {
        const QDateTime tick = start.addMonths(months * k).addSecs(seconds * k);
        const double x = daysBetween(start, tick);
        if (x > xMax + 1e-9) break;
        if (x >= xMin - 1e-9) ticks.append({x, QLocale::c().toString(tick, format)});
    }
    return ticks;
}

// A range of a few weeks or days (a zoomed chart) is labelled every 1, 2, 7 or 14 days, so that
// it shows at least kFewestTicks dates and no more than a dozen or so.
QList<DateTick> dailyTicks(const QDateTime& start, const QString& format, double xMin, double xMax)
{
    const double days = xMax - xMin;
    int step = 1;
    for (int candidate : {2, 7, 14})
        if (days / candidate >= kFewestTicks + 1) step = candidate;
    QList<DateTick> ticks;
    for (double day = std::ceil(xMin - 1e-9); day <= xMax + 1e-9 && ticks.size() < kMaxTicks; day += 1.0) {
        const QDateTime tick = start.addDays(qint64(day));
        if (tick.date().toJulianDay() % step == 0 || step == 1)
            ticks.append({day, QLocale::c().toString(tick, format)});
    }
    return ticks;
}

}  // namespace

QDateTime parseChartDate(const QString& text)
{
    bool ok = false;
    const auto fields = dateFields(text, &ok);
    if (!ok) return {};
    const QDate date(fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, Qt::UTC);
}

QString toQtDateFormat(const QString& chartFormat)
{
    QString qt;
    for (qsizetype k = 0; k < chartFormat.size();) {
        const QChar letter = chartFormat.at(k);
        qsizetype run = 1;
        while (k + run < chartFormat.size() && chartFormat.at(k + run) == letter) ++run;
        switch (letter.toLower().unicode()) {
        case 'd':
            qt += QString(run, QLatin1Char('d'));
            break;
        case 'm':
            qt += QString(run, QLatin1Char('M'));
            break;
        case 'y':
            qt += QString(run, QLatin1Char('y'));
            break;
        case 'h':
            qt += QString(run, QLatin1Char('H'));
            break;
        case 'n':
            qt += QString(run, QLatin1Char('m'));
            break;
        case 's':
            qt += QString(run, QLatin1Char('s'));
            break;
        default:
            // Anything else is shown as it stands.
            qt += QLatin1Char('\'') + QString(run, letter).replace(QLatin1Char('\''), QStringLiteral("''")) +
                  QLatin1Char('\'');
        }
        k += run;
    }
    return qt;
}

QList<DateTick> dateTicks(const QString& start, const QString& step, const QString& format, double xMin, double xMax)
{
    const QDateTime startDate = parseChartDate(start);
    bool ok = false;
    const auto stepFields = dateFields(step, &ok);
    if (!startDate.isValid() || !ok) return {};
    const QString qtFormat = toQtDateFormat(format);
    const bool wholeMonths = stepFields[0] == 0 && stepFields[1] > 0 && stepFields[2] == 0 && stepFields[3] == 0 &&
                             stepFields[4] == 0 && stepFields[5] == 0;
    if (isAboutAMonth(stepFields) || wholeMonths) {
        const QList<DateTick> months = monthlyTicks(startDate, wholeMonths ? stepFields[1] : 1, qtFormat, xMin, xMax);
        return months.size() >= kFewestTicks ? months : dailyTicks(startDate, qtFormat, xMin, xMax);
    }
    bool positive = false;
    for (int field : stepFields) {
        if (field < 0) return {};
        positive = positive || field > 0;
    }
    if (!positive) return {};
    return steppedTicks(startDate, stepFields, qtFormat, xMin, xMax);
}

}  // namespace chart
