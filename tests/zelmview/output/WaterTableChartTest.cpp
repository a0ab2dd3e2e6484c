// The water-table chart: the traditional drainage year and the calendar year, the date axis, the
// seasonal high water table and the criterion, and the chart as drawn for the examples.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QPointer>
#include <QTemporaryDir>
#include <cmath>

#include "chart/ChartCodes.h"
#include "chart/ChartComponent.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartTestSupport.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "data/OutputFiles.h"
#include "docview/MessageSink.h"
#include "output/WaterTableChart.h"
#include "output/WaterTableYear.h"

constexpr zelm::YearMode kCalendarYear = zelm::YearMode::CalendarYear;
constexpr zelm::YearMode kTraditionalDrainageYear = zelm::YearMode::TraditionalDrainageYear;

namespace {

const QList<QDate> kSeptemberYear{QDate(1981, 1, 20), QDate(1981, 4, 2), QDate(1981, 9, 15)};
const QList<QDate> kDecemberYear{QDate(1981, 3, 1), QDate(1981, 6, 1), QDate(1981, 12, 10)};

// The drawn points (attribute 0) of `set` as (x, y).
QList<QPointF> drawnPoints(const GraphDescription& graph, int set)
{
    QList<QPointF> points;
    for (int p = 0; p < graph.pointCount; ++p)
        if (graph.pointStyles.at(0, set, p) == 0)
            points.append({graph.xValues.at(0, set, p), graph.values.at(0, set, p)});
    return points;
}

QStringList nonEmptyPointLabels(const GraphDescription& graph)
{
    QStringList labels;
    for (const QString& label : graph.pointLabels)
        if (!label.isEmpty()) labels.append(label);
    return labels;
}

struct Chart {
    ZELMData input;
    TransientOutputData output;
    GraphDescription graph;
    Chart(const QList<QDate>& dates, zelm::YearMode chartYear, bool bench = false,
          ZELMData::Units units = ZELMData::Units::English)
        : input(projectWithEvents(dates, bench, units)), output(syntheticYear(dates))
    {
        zelm::fillWaterTableChart(graph, input, output, chartYear);
    }
};

}  // namespace

TEST(WaterTableChartAxis, AYearFromTheFifteenthRunsToTheEndOfItsMonthInThirteenDivisions)
{
    Chart chart(kSeptemberYear, kTraditionalDrainageYear);
    EXPECT_DOUBLE_EQ(chart.graph.axisRange[0], 0.0);
    EXPECT_DOUBLE_EQ(chart.graph.axisRange[1], 365.0 + 30.0);
    EXPECT_EQ(chart.graph.xDivisions, 13);
    EXPECT_EQ(chart.graph.dateStart, "1981:09:01:00:00:00");
    const QList<QPointF> line = drawnPoints(chart.graph, 0);
    EXPECT_EQ(line.constFirst(), QPointF(14, 2.0));
    EXPECT_EQ(line.constLast(), QPointF(14 + 365, 2.0));
    // The daily heights start on the same day as the line.
    EXPECT_DOUBLE_EQ(chart.graph.xValues.at(0, 1, 0), 14.0);

    Chart firstOfMonth({QDate(1981, 2, 1), QDate(1981, 10, 1)}, kTraditionalDrainageYear);
    EXPECT_DOUBLE_EQ(firstOfMonth.graph.axisRange[1], 365.0);
    EXPECT_EQ(firstOfMonth.graph.xDivisions, 12);
    EXPECT_EQ(drawnPoints(firstOfMonth.graph, 0).constFirst().x(), 0.0);
}

TEST(WaterTableChartAxis, TheDateAxisIsLabelledOnTheFirstOfEveryMonth)
{
    Chart chart(kSeptemberYear, kTraditionalDrainageYear);
    GraphDlg dialog;
    dialog.graph = chart.graph;
    dialog.BuildGraphWindow();
    auto ticker = dialog.GetChart()->Plot()->xAxis->ticker().dynamicCast<QCPAxisTickerText>();
    ASSERT_TRUE(ticker);
    const QList<QString> labels = ticker->ticks().values();
    ASSERT_EQ(labels.size(), 14);
    EXPECT_EQ(labels.constFirst(), "1 Sep");
    EXPECT_EQ(labels.at(4), "1 Jan");
    EXPECT_EQ(labels.constLast(), "1 Oct");
    EXPECT_DOUBLE_EQ(ticker->ticks().lastKey(), 395.0);
}

TEST(WaterTableChartCalendar, TheLineEndsOnNewYearsEveWhereItStartsAndKeepsTheLastRise)
{
    Chart chart(kDecemberYear, kCalendarYear);
    EXPECT_EQ(chart.graph.dateStart, "1982:01:01:00:00:00");
    EXPECT_DOUBLE_EQ(chart.graph.axisRange[1], 365.0);
    const QList<QPointF> line = drawnPoints(chart.graph, 0);
    EXPECT_EQ(line.constFirst().x(), 0.0);
    EXPECT_EQ(line.constLast().x(), 365.0);
    EXPECT_DOUBLE_EQ(line.constLast().y(), line.constFirst().y());
    // 1 January lies 22 days into the 81-day period from 10 December, on its straight line.
    EXPECT_NEAR(line.constFirst().y(), 2.0 - 1.0 * 22 / 81, 1e-12);
    // 10 December (day 343 of 1982) still shows its rise from 1.0 to the period's start of 2.0.
    EXPECT_TRUE(line.contains(QPointF(343, 1.0)));
    EXPECT_TRUE(line.contains(QPointF(343, 2.0)));
}

TEST(WaterTableChartCalendar, TheDailyRowsFollowTheCalendarDays)
{
    const TransientOutputData output = syntheticYear(kDecemberYear);
    const zelm::WaterTableYear year = zelm::calendarYear(output, QDate(1981, 12, 10));
    ASSERT_EQ(year.day.size(), output.dailyDay.size());
    EXPECT_EQ(year.day.constFirst(), 1);
    // 10 December is calendar day 344: the model's first and last rows both fall on it.
    EXPECT_EQ(year.day.at(year.day.indexOf(344)), 344);
    EXPECT_EQ(year.day.count(344), 3);  // day 366 (before and after the rise) and day 1
    EXPECT_EQ(year.day.constLast(), 365);
    EXPECT_TRUE(std::is_sorted(year.day.begin(), year.day.end()));
}

TEST(WaterTableChartCalendar, AYearThatCannotBeTurnedIsReportedWithoutAChart)
{
    docview::MessageRecorder messages;
    // One event on 1 January: the model's year already is the calendar year and no period spans it.
    CZELMOutputDoc document;
    document.GetInput() = projectWithEvents({QDate(1981, 1, 1)});
    document.GetOutput() = syntheticYear({QDate(1981, 1, 1)});
    EXPECT_EQ(zelm::PlotWaterTable(document, kCalendarYear), nullptr);
    EXPECT_EQ(messages.messages().size(), 1);

    // A report whose period lasts longer than any year (read back from a damaged file) is refused
    // in words, not placed on the chart.
    document.GetInput() = projectWithEvents(kDecemberYear);
    document.GetOutput() = syntheticYear(kDecemberYear);
    for (const double time : {2.4e18, -2.4e18, std::nan("")}) {
        document.GetOutput().records.first().time = time;
        messages.clear();
        EXPECT_EQ(zelm::PlotWaterTable(document, kCalendarYear), nullptr);
        EXPECT_EQ(messages.messages().size(), 1) << time;
    }

    document.GetInput() = projectWithEvents({QDate(1981, 1, 1)});
    document.GetInput().events.last().month = 13;
    messages.clear();
    EXPECT_EQ(zelm::PlotWaterTable(document, kTraditionalDrainageYear), nullptr);
    EXPECT_EQ(messages.messages(),
              QStringList{"The last deep percolation event has an invalid date: month 13, day 1."});
}

TEST(WaterTableChartBench, WithoutTheFlagTheChartHasTwoSetsAndNoLabel)
{
    Chart chart(kSeptemberYear, kTraditionalDrainageYear, false);
    EXPECT_EQ(chart.graph.setCount, 2);
    EXPECT_TRUE(nonEmptyPointLabels(chart.graph).isEmpty());
    EXPECT_EQ(chart.graph.setLegends, (QStringList{"Water Table Height", "Daily WT Height"}));
}

TEST(WaterTableChartBench, TheSeasonalHighAndTheCriterionLieBelowTheSurface)
{
    Chart feet(kSeptemberYear, kTraditionalDrainageYear, true, ZELMData::Units::English);
    ASSERT_EQ(feet.graph.setCount, 4);
    const double seasonalHigh = feet.output.ComputeSeasonalHighWaterTable(0);
    EXPECT_EQ(nonEmptyPointLabels(feet.graph), QStringList{QString::asprintf("%.2f ft. below ground", seasonalHigh)});
    for (const QPointF& point : drawnPoints(feet.graph, 2)) {
        EXPECT_DOUBLE_EQ(point.y(), 4.0 - seasonalHigh);
    }
    EXPECT_EQ(drawnPoints(feet.graph, 3), (QList<QPointF>{{0, 4.0 - 5.0}, {395, 4.0 - 5.0}}));
    // The label sits on 1 March, counted from the last event.
    EXPECT_DOUBLE_EQ(drawnPoints(feet.graph, 2).at(1).x(), QDate(1981, 9, 15).daysTo(QDate(1982, 3, 1)));

    Chart metres(kSeptemberYear, kCalendarYear, true, ZELMData::Units::Metric);
    EXPECT_EQ(drawnPoints(metres.graph, 3).constFirst().y(), 4.0 - 1.524);
    EXPECT_TRUE(nonEmptyPointLabels(metres.graph).constFirst().endsWith(" m. below ground"));
    EXPECT_EQ(metres.graph.yTitles.constFirst(), "Water Surface Elevation Depth Below Ground Surface (m)");
    EXPECT_EQ(metres.graph.rightTitle, "Height of water table above drain (m)");
}

namespace {

// The labels of both value axes of `graph` as drawn, whole or zoomed to the middle tenth.
struct DrawnAxes {
    QVector<QString> left, second, x;
    QCPRange leftRange;
};

DrawnAxes drawnAxes(const GraphDescription& graph, bool zoomed = false)
{
    TemporaryWorkingFolder folder;
    auto* dialog = new GraphDlg;
    dialog->graph = graph;
    dialog->BuildGraphWindow();
    chart::ChartComponent& chart = *dialog->GetChart();
    if (zoomed) {
        const QCPRange x = chart.Plot()->xAxis->range(), y = chart.Plot()->yAxis->range();
        chart.Zoom(x.center(), y.center(), x.center() + x.size() / 10, y.center() + y.size() / 10, 0, 1);
    }
    QCustomPlot& plot = *chart.Plot();
    plot.replot();
    DrawnAxes axes{plot.yAxis->tickVectorLabels(), plot.yAxis2->tickVectorLabels(), plot.xAxis->tickVectorLabels(),
                   plot.yAxis->range()};
    delete dialog;
    return axes;
}

}  // namespace

TEST(WaterTableChartAxis, TheLeftAxisReadsAsDepthBelowTheSurfaceAtFourOrMoreNiceDepths)
{
    Chart feet(kSeptemberYear, kTraditionalDrainageYear);
    EXPECT_EQ(feet.graph.customLabels[0].axisCode, chart::kAxisCodeDepthBelowTop);
    EXPECT_EQ(feet.graph.customLabels[1].axisCode, chart::kAxisCodeLabels);
    EXPECT_EQ(drawnAxes(feet.graph).left, (QVector<QString>{"4", "3", "2", "1", "0"}));

    // A metric drain 1.2 m deep once showed only 0 and 1.2.
    Chart metres(kSeptemberYear, kTraditionalDrainageYear, false, ZELMData::Units::Metric);
    metres.input.depthToDrain = 1.2;
    GraphDescription shallow;
    zelm::fillWaterTableChart(shallow, metres.input, metres.output, kTraditionalDrainageYear);
    const DrawnAxes whole = drawnAxes(shallow);
    EXPECT_GE(whole.left.size(), 4);
    EXPECT_EQ(whole.left, (QVector<QString>{"1", "0.75", "0.5", "0.25", "0"}));
    EXPECT_EQ(whole.left.constLast(), "0");
    EXPECT_GE(whole.second.size(), 4);

    // Zoomed to a tenth of the chart, every axis still has numbers (dates on the x axis).
    const DrawnAxes zoomed = drawnAxes(shallow, true);
    EXPECT_GE(zoomed.left.size(), 4);
    EXPECT_GE(zoomed.second.size(), 4);
    EXPECT_GE(zoomed.x.size(), 3);
}

TEST(WaterTableChartAxis, TheAxisReachesDownToACriterionBelowAShallowDrain)
{
    // A metric drain 1.1 m deep: the criterion, 1.524 m below the surface, lies 0.424 m below it.
    Chart metres(kSeptemberYear, kCalendarYear, true, ZELMData::Units::Metric);
    metres.input.depthToDrain = 1.1;
    GraphDescription graph;
    zelm::fillWaterTableChart(graph, metres.input, metres.output, kCalendarYear);
    const double criterion = drawnPoints(graph, 3).constFirst().y();
    EXPECT_NEAR(criterion, 1.1 - 1.524, 1e-12);
    EXPECT_LT(graph.axisRange[2], criterion);  // clear of the frame
    EXPECT_EQ(graph.axisRange[4], graph.axisRange[2]);
    const DrawnAxes axes = drawnAxes(graph);
    EXPECT_TRUE(axes.leftRange.contains(criterion));
    EXPECT_EQ(axes.left.constLast(), "0");
    EXPECT_TRUE(axes.left.contains("1.5")) << axes.left.join(' ').toStdString();
}

// The examples run through the real model, charted and drawn offscreen into images.
class WaterTableChartOfExample : public ::testing::TestWithParam<const char*> {};

TEST_P(WaterTableChartOfExample, DrawsTheLineAndTheDailyHeightsInsideThePlot)
{
    QTemporaryDir dir;
    const QString name = GetParam();
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + ".trn", dir.filePath(name + ".trn")));
    runModel(dir.path(), name);
    docview::MessageRecorder messages;
    CZELMOutputDoc document;
    ASSERT_TRUE(document.OnOpenDocument(dir.filePath(name + ".OTR")));
    for (zelm::YearMode chartYear : {kTraditionalDrainageYear, kCalendarYear}) {
        QPointer<GraphDlg> dialog = zelm::PlotWaterTable(document, chartYear);
        ASSERT_TRUE(dialog) << messages.messages().join('\n').toStdString();
        chart::ChartComponent& chart = *dialog->GetChart();
        const QImage image = chart.ToImage();
        image.save(QStringLiteral(ZELM_CHART_IMAGE_DIR "/") + name +
                   (chartYear == kCalendarYear ? "-calendar.png" : "-traditional.png"));
        const QRect area = chart.Plot()->axisRect()->rect().adjusted(2, 2, -2, -2);
        EXPECT_GT(pixelsNear(image, area, chart::paletteColour(9)), 300) << "event line";
        EXPECT_GT(pixelsNear(image, area, chart::paletteColour(12)), 300) << "daily heights";
        if (document.GetInput().benchBottomland) {
            EXPECT_GT(pixelsNear(image, area, chart::paletteColour(2)), 200) << "seasonal high water table";
        }
        EXPECT_TRUE(chart.Plot()->yAxis2->visible());
        delete dialog;
    }
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.messages().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Examples, WaterTableChartOfExample,
                         ::testing::Values("hillcrest-design", "polder-analysis", "terrace-on-barrier"));

TEST(WaterTableChartCaption, TheWindowTitleNamesTheProjectAndTheYearShown)
{
    const QDate lastEvent(1981, 9, 15);
    EXPECT_EQ(zelm::waterTableCaption("north", zelm::YearMode::TraditionalDrainageYear, lastEvent),
              "north - Traditional Drainage Year from September 15, 1981");
    EXPECT_EQ(zelm::waterTableCaption("north", zelm::YearMode::CalendarYear, lastEvent), "north - Calendar Year 1982");
    EXPECT_EQ(zelm::waterTableCaption("", zelm::YearMode::CalendarYear, lastEvent), "Calendar Year 1982");
}
