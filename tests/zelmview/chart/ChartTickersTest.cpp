// The ticks of the chart's axes: nice numbers, at least four to an axis whatever it shows, the depth
// below the top of the water table's axis, numbers on a zoomed axis of fixed labels, and dates on a
// zoomed date axis.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <cmath>

#include "chart/ChartDateAxis.h"
#include "chart/ChartTickers.h"

namespace {

struct Ticks {
    QVector<double> values;
    QVector<QString> labels;
};

Ticks ticksOver(QCPAxisTicker& ticker, const QCPRange& range)
{
    Ticks ticks;
    QVector<double> subTicks;
    ticker.generate(range, QLocale::c(), QLatin1Char('g'), 6, ticks.values, &subTicks, &ticks.labels);
    // Only the ticks inside the range are drawn.
    Ticks shown;
    for (qsizetype i = 0; i < ticks.values.size(); ++i)
        if (range.contains(ticks.values.at(i))) {
            shown.values.append(ticks.values.at(i));
            shown.labels.append(ticks.labels.at(i));
        }
    return shown;
}

// A nice number is 1, 2, 2.5 or 5 times a power of ten; its multiples are the nice ticks.
bool isMultipleOfANiceStep(const QVector<double>& numbers)
{
    if (numbers.size() < 2) return false;
    const double step = std::abs(numbers.at(1) - numbers.at(0));
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = step / power;
    const bool nice = std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                      std::abs(mantissa - 2.5) < 1e-9 || std::abs(mantissa - 5) < 1e-9;
    return nice && std::all_of(numbers.begin(), numbers.end(),
                               [step](double n) { return std::abs(n / step - std::round(n / step)) < 1e-6; });
}

QVector<double> labelsAsNumbers(const Ticks& ticks)
{
    QVector<double> numbers;
    for (const QString& label : ticks.labels) numbers.append(label.toDouble());
    return numbers;
}

}  // namespace

TEST(ChartTickers, TheDepthAxisReadsNiceDepthsDownFromItsTopInFeetAndMetres)
{
    // A metric drain 1.2 m deep (the axis once showed only 0 and 1.2), a 4 ft drain, a 1.524 m
    // criterion below a 1.1 m drain (the axis reaches down to it) and a drain a million feet deep.
    for (const QCPRange& range : {QCPRange(0, 1.2), QCPRange(0, 4), QCPRange(1.1 - 1.524, 1.1), QCPRange(0, 1e6)}) {
        const Ticks ticks = ticksOver(*chart::depthTicker(range.upper), range);
        SCOPED_TRACE(ticks.labels.join(' ').toStdString());
        EXPECT_GE(ticks.values.size(), 4);
        EXPECT_LE(ticks.values.size(), 11);
        EXPECT_EQ(ticks.labels.constLast(), "0");  // the surface on top
        EXPECT_TRUE(isMultipleOfANiceStep(labelsAsNumbers(ticks)));
        for (qsizetype i = 0; i < ticks.values.size(); ++i)
            EXPECT_NEAR(ticks.labels.at(i).toDouble(), range.upper - ticks.values.at(i), 1e-9 * range.size());
    }
}

TEST(ChartTickers, AZoomedAxisStillShowsFourNiceNumbers)
{
    const QCPRange zoomed(0.53, 0.61);
    const Ticks depths = ticksOver(*chart::depthTicker(1.2), zoomed);
    EXPECT_GE(depths.values.size(), 4);
    EXPECT_TRUE(isMultipleOfANiceStep(labelsAsNumbers(depths)));
    const Ticks numbers = ticksOver(*chart::numberTicker(2), QCPRange(20.1, 20.3));
    EXPECT_GE(numbers.values.size(), 4);
    EXPECT_TRUE(isMultipleOfANiceStep(numbers.values));

    // An axis of two fixed labels zoomed between them gets numbers instead.
    QCustomPlot plot;
    auto texts = QSharedPointer<QCPAxisTickerText>::create();
    texts->addTick(0, "bottom");
    texts->addTick(10, "top");
    plot.yAxis->setTicker(texts);
    plot.yAxis->setRange(0, 10);
    chart::keepNumbersInSight(*plot.yAxis);
    EXPECT_EQ(plot.yAxis->ticker(), texts);
    plot.yAxis->setRange(2, 3);
    chart::keepNumbersInSight(*plot.yAxis);
    EXPECT_FALSE(plot.yAxis->ticker().dynamicCast<QCPAxisTickerText>());
}

TEST(ChartTickers, AZoomedDateAxisOfMonthsIsLabelledByDays)
{
    const QString start = QStringLiteral("1981:09:15:00:00:00");
    const QString month = QStringLiteral("0000:00:30:12:00:00");
    // The whole year: the first of each month.
    const QList<chart::DateTick> year = chart::dateTicks(start, month, QStringLiteral("d mmm"), 0, 365);
    ASSERT_GE(year.size(), 12);
    EXPECT_EQ(year.at(0).label, "1 Oct");
    // Ten days of it: at least three dates, every one a day of its own.
    const QList<chart::DateTick> days = chart::dateTicks(start, month, QStringLiteral("d mmm"), 40.5, 50.5);
    ASSERT_GE(days.size(), 3);
    EXPECT_LE(days.size(), 11);
    QSet<QString> distinct;
    for (const chart::DateTick& tick : days) distinct.insert(tick.label);
    EXPECT_EQ(distinct.size(), days.size());
    EXPECT_TRUE(days.at(0).label.endsWith("Oct")) << days.at(0).label.toStdString();
}
