#include "output/WaterTableChart.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "chart/ChartOrdinals.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "docview/MessageSink.h"
#include "forms/ChartWindow.h"
#include "output/WaterTableYear.h"

namespace zelm {

namespace {

const QDate kSpring(kFollowingYear, 3, 1);  // where the seasonal high water table is labelled
constexpr int kDaysPerYear = 365;
constexpr double kCriterionFeet = 5.0;
constexpr double kCriterionMetres = 1.524;
// The share of the axis left below the lowest bench and bottomland line.
constexpr double kRoomBelowLines = 0.04;

enum Set : int { kEventLine = 0, kDailyHeights = 1, kSeasonalHigh = 2, kCriterion = 3 };

struct Axis {
    QDate base;        // the year's first day: the last event (traditional) or 1 January
    QDate axisStart;   // the date at x = 0
    double yearStart;  // x of the year's first day
    double xMax;
    int divisions;
};

Axis dateAxis(const QDate& lastEvent, YearMode chartYear)
{
    if (chartYear == YearMode::CalendarYear) return {kNewYear, kNewYear, 0.0, double(kDaysPerYear), kMonthsPerYear};
    const QDate monthStart(lastEvent.year(), lastEvent.month(), 1);
    Axis axis{lastEvent, monthStart, double(lastEvent.day() - 1), double(kDaysPerYear), kMonthsPerYear};
    if (lastEvent.day() != 1) {
        // The axis runs on to the end of the month in which the year ends.
        axis.xMax = kDaysPerYear + monthStart.daysInMonth();
        axis.divisions = kMonthsPerYear + 1;
    }
    return axis;
}

void allocate(GraphDescription& graph, int sets, int points)
{
    graph.AllocateGraphs(1, sets, points, points, chart::kHiddenPoint, 0, 1);
    graph.pointLabels.Allocate(1, sets, points, QString());
    graph.hasPointLabels = 1;
    graph.setStyleMode = chart::kSetStyleModePerSet;
    graph.setStyles = QList<int>(4, chart::kSetStyleLine);
    graph.applySetLists = 1;
    // The event line blue, the daily heights red, the seasonal high green, the criterion magenta.
    graph.setMarkers = {chart::kPaletteBlue, chart::kPaletteRed, chart::kPaletteGreen, chart::kPaletteMagenta};
    graph.group2Markers = {chart::kPaletteMagenta};
    graph.layoutCodes = {15, 6};
}

void setPoint(GraphDescription& graph, int set, int point, double x, double y)
{
    graph.xValues.at(0, set, point) = x;
    graph.values.at(0, set, point) = y;
    graph.pointStyles.at(0, set, point) = 0;
}

void fillEventLine(GraphDescription& graph, const WaterTableYear& year, const Axis& axis)
{
    double x = axis.yearStart;
    const qsizetype periods = year.records.size() - 1;
    for (int k = 0; k < periods; ++k) {
        const OutputRecord& record = year.records.at(k);
        setPoint(graph, kEventLine, 2 * k, x, record.startHeight);
        x += record.time;
        setPoint(graph, kEventLine, 2 * k + 1, x, record.endHeight);
    }
    setPoint(graph, kEventLine, int(2 * periods), axis.yearStart + kDaysPerYear, year.records.constLast().startHeight);
}

void fillDailyHeights(GraphDescription& graph, const WaterTableYear& year, const Axis& axis)
{
    for (int b = 0; b < year.day.size(); ++b)
        setPoint(graph, kDailyHeights, b, year.day.at(b) - 1 + axis.yearStart, year.height.at(b));
}

// Draws the seasonal high water table and the criterion; returns the lower of their heights.
double fillBenchAndBottomland(GraphDescription& graph, TransientOutputData& output, const Axis& axis, double drainDepth,
                              bool metres)
{
    const double seasonalHigh = output.ComputeSeasonalHighWaterTable(0);
    const double level = drainDepth - seasonalHigh;
    setPoint(graph, kSeasonalHigh, 0, 0.0, level);
    setPoint(graph, kSeasonalHigh, 1, axis.base.daysTo(kSpring), level);
    setPoint(graph, kSeasonalHigh, 2, axis.xMax, level);
    graph.pointLabels.at(0, kSeasonalHigh, 1) =
        QString::asprintf("%.2f", seasonalHigh) +
        (metres ? QStringLiteral(" m. below ground") : QStringLiteral(" ft. below ground"));
    graph.setLegends[kSeasonalHigh] = QStringLiteral("Calculated SHWT");

    const double criterion = drainDepth - (metres ? kCriterionMetres : kCriterionFeet);
    setPoint(graph, kCriterion, 0, 0.0, criterion);
    setPoint(graph, kCriterion, 1, axis.xMax, criterion);
    graph.setLegends[kCriterion] = QStringLiteral("Criteria for Bench & Bottom Land");
    return std::min(level, criterion);
}

// Both axes run from the drain up to the surface, and with the bench and bottomland lines from a
// little below the lower of them and the drain, so that a line on the drain is not hidden by the
// frame. The left axis reads as depth below the surface, the second as height above the drain;
// both are labelled at nice numbers, whatever the zoom.
void labelAxes(GraphDescription& graph, double drainDepth, std::optional<double> lowestLine)
{
    graph.customLabels[0] = {1, 0, chart::kAxisCodeDepthBelowTop, {}};
    graph.customLabels[1] = {1, 0, chart::kAxisCodeLabels, {}};
    double bottom = 0.0;
    if (lowestLine && std::isfinite(*lowestLine)) {
        bottom = std::min(0.0, *lowestLine);
        if (std::isfinite(drainDepth)) bottom -= kRoomBelowLines * std::abs(drainDepth - bottom);
    }
    graph.axisRange[2] = bottom;
    graph.axisRange[3] = drainDepth;
    graph.axisRange[4] = graph.axisRange[2];
    graph.axisRange[5] = drainDepth;
}

void addSecondAxisGroup(GraphDescription& graph, int points, const QString& unit)
{
    // A group of nothing drawn that carries the second axis.
    graph.group2SetCount = 1;
    graph.group2Values.Allocate(1, 1, points, 0.0);
    graph.group2XValues.Allocate(1, 1, points, 0.0);
    graph.group2HasXValues = 1;
    graph.group2PointStyles.Allocate(1, 1, points, chart::kHiddenPoint);
    graph.group2Type = chart::kChartTypeDefault;
    graph.group2Style = chart::kChartStyleSticks;
    graph.rightTitle = QStringLiteral("Height of water table above drain (") + unit + QLatin1Char(')');
}

}  // namespace

void fillWaterTableChart(GraphDescription& graph, const ZELMData& input, TransientOutputData& output,
                         YearMode chartYear)
{
    const QDate lastEvent = lastEventDate(input);
    if (output.records.size() < 2 || output.dailyDay.isEmpty())
        throw std::invalid_argument("There is no computed water table to plot.");
    const WaterTableYear year =
        chartYear == YearMode::CalendarYear ? calendarYear(output, lastEvent) : traditionalYear(output);
    const Axis axis = dateAxis(lastEvent, chartYear);
    const bool bench = input.benchBottomland;
    const bool metres = input.metricUnits == ZELMData::Units::Metric;
    const QString unit = metres ? QStringLiteral("m") : QStringLiteral("ft");
    const int points = int(std::max(year.day.size(), 2 * year.records.size() - 1));

    allocate(graph, bench ? 4 : 2, points);
    graph.SetGraphTitles(
        input.title, QStringLiteral("Month"),
        QStringLiteral("Water Surface Elevation Depth Below Ground Surface (") + unit + QLatin1Char(')'), input.title,
        QStringLiteral("zelplot"));
    graph.setLegends[kEventLine] = QStringLiteral("Water Table Height");
    graph.chartStyle = chart::kChartStyleLines;
    graph.drawMarkersFlag = 1;
    graph.drawGridFlag = 1;

    fillEventLine(graph, year, axis);
    graph.setLegends[kDailyHeights] = QStringLiteral("Daily WT Height");
    fillDailyHeights(graph, year, axis);

    graph.xDivisions = axis.divisions;
    graph.xCode = chart::kXCodeMonthDates;
    graph.axisRange[0] = 0.0;
    graph.axisRange[1] = axis.xMax;
    std::optional<double> lowestLine;
    if (bench) lowestLine = fillBenchAndBottomland(graph, output, axis, input.depthToDrain, metres);
    labelAxes(graph, input.depthToDrain, lowestLine);
    addSecondAxisGroup(graph, points, unit);

    graph.dateStart = dateAxisStart(axis.axisStart);
    graph.dateFormat = QStringLiteral("d mmm");
    graph.dateStep = chart::kDateStepHalfMonth;
    graph.dateLabelMode = chart::kDateLabelDateAndTime;
}

QString waterTableCaption(const QString& projectName, YearMode chartYear, const QDate& lastEvent)
{
    const QString year = chartYear == YearMode::CalendarYear
                             ? QStringLiteral("Calendar Year %1").arg(kFollowingYear)
                             : QStringLiteral("Traditional Drainage Year from ") +
                                   QLocale::c().toString(lastEvent, QStringLiteral("MMMM d, yyyy"));
    return projectName.isEmpty() ? year : projectName + QStringLiteral(" - ") + year;
}

GraphDlg* PlotWaterTable(CZELMOutputDoc& document, YearMode chartYear)
{
    auto* dialog = forms::newChartWindow();
    try {
        fillWaterTableChart(dialog->graph, document.GetInput(), document.GetOutput(), chartYear);
        const QFileInfo report(document.GetPathName());
        dialog->graph.captions[0] =
            waterTableCaption(report.completeBaseName(), chartYear, lastEventDate(document.GetInput()));
        if (!document.GetPathName().isEmpty())
            dialog->exportBaseName = report.absolutePath() + QLatin1Char('/') + report.completeBaseName();
    } catch (const std::invalid_argument& error) {
        delete dialog;
        docview::showMessage(QString::fromUtf8(error.what()));
        return nullptr;
    }
    dialog->BuildGraphWindow();
    return dialog;
}

}  // namespace zelm
