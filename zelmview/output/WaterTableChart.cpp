#include "output/WaterTableChart.h"

#include <QDate>
#include <stdexcept>

#include "chart/ChartOrdinals.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "docview/MessageSink.h"
#include "output/WaterTableYear.h"

namespace zelm {

namespace {

const QDate kSpring(kFollowingYear, 3, 1);  // where the seasonal high water table is labelled
constexpr int kDaysPerYear = 365;
constexpr double kCriterionFeet = 5.0;
constexpr double kCriterionMetres = 1.524;

enum Set : int { kEventLine = 0, kDailyHeights = 1, kSeasonalHigh = 2, kCriterion = 3 };

struct Axis {
    QDate base;        // the year's first day: the last event (traditional) or 1 January
    QDate axisStart;   // the date at x = 0
    double yearStart;  // x of the year's first day
    double xMax;
    int divisions;
};

Axis dateAxis(const QDate& lastEvent, int chartYear)
{
    if (chartYear == kCalendarYear) return {kNewYear, kNewYear, 0.0, double(kDaysPerYear), 12};
    const QDate monthStart(lastEvent.year(), lastEvent.month(), 1);
    Axis axis{lastEvent, monthStart, double(lastEvent.day() - 1), double(kDaysPerYear), 12};
    if (lastEvent.day() != 1) {
        // The axis runs on to the end of the month in which the year ends.
        axis.xMax = kDaysPerYear + monthStart.daysInMonth();
        axis.divisions = 13;
    }
    return axis;
}

QString dateStartText(const Axis& axis)
{
    return QString::asprintf("%04d:%02d:%02d:00:00:00", axis.axisStart.year(), axis.axisStart.month(),
                             axis.axisStart.day());
}

void allocate(GraphDlg& dialog, int sets, int points)
{
    dialog.AllocateGraphs(1, sets, points, points, chart::kHiddenPoint, 0, 1);
    dialog.pointLabels.Allocate(1, sets, points, QString());
    dialog.hasPointLabels = 1;
    dialog.setStyleMode = 2;
    dialog.setStyles = {2, 2, 2, 2};
    dialog.applySetLists = 1;
    dialog.setMarkers = {9, 12, 2, 13};
    dialog.group2Markers = {13};
    dialog.layoutCodes = {15, 6};
}

void setPoint(GraphDlg& dialog, int set, int point, double x, double y)
{
    dialog.xValues.at(0, set, point) = x;
    dialog.values.at(0, set, point) = y;
    dialog.pointStyles.at(0, set, point) = 0;
}

void fillEventLine(GraphDlg& dialog, const WaterTableYear& year, const Axis& axis)
{
    double x = axis.yearStart;
    const qsizetype periods = year.records.size() - 1;
    for (int k = 0; k < periods; ++k) {
        const OutputRecord& record = year.records.at(k);
        setPoint(dialog, kEventLine, 2 * k, x, record.startHeight);
        x += record.time;
        setPoint(dialog, kEventLine, 2 * k + 1, x, record.endHeight);
    }
    setPoint(dialog, kEventLine, int(2 * periods), axis.yearStart + kDaysPerYear, year.records.constLast().startHeight);
}

void fillDailyHeights(GraphDlg& dialog, const WaterTableYear& year, const Axis& axis)
{
    for (int b = 0; b < year.day.size(); ++b)
        setPoint(dialog, kDailyHeights, b, year.day.at(b) - 1 + axis.yearStart, year.height.at(b));
}

void fillBenchAndBottomland(GraphDlg& dialog, TransientOutputData& output, const Axis& axis, double drainDepth,
                            bool metres)
{
    const double seasonalHigh = output.ComputeSeasonalHighWaterTable(0);
    const double level = drainDepth - seasonalHigh;
    setPoint(dialog, kSeasonalHigh, 0, 0.0, level);
    setPoint(dialog, kSeasonalHigh, 1, axis.base.daysTo(kSpring), level);
    setPoint(dialog, kSeasonalHigh, 2, axis.xMax, level);
    dialog.pointLabels.at(0, kSeasonalHigh, 1) =
        QString::asprintf("%.2f", seasonalHigh) +
        (metres ? QStringLiteral(" m. below ground") : QStringLiteral(" ft. below ground"));
    dialog.setLegends[kSeasonalHigh] = QStringLiteral("Calculated SHWT");

    const double criterion = drainDepth - (metres ? kCriterionMetres : kCriterionFeet);
    setPoint(dialog, kCriterion, 0, 0.0, criterion);
    setPoint(dialog, kCriterion, 1, axis.xMax, criterion);
    dialog.setLegends[kCriterion] = QStringLiteral("Criteria for Bench & Bottom Land");
}

// Labels of the left axis read as depth below the surface: the drain depth at the bottom, 0 on top.
void labelAxes(GraphDlg& dialog, double drainDepth)
{
    // A drain less than one unit deep still gets its two labels, bottom and top.
    const int count = std::max(1, int(drainDepth));
    QStringList depths;
    for (int b = 0; b <= count; ++b) depths.append(QString::asprintf("%.2g", double(count - b) / count * drainDepth));
    dialog.customLabels[0] = {1, count, 0, depths};
    dialog.customLabels[1] = {1, count, 0, {}};
    dialog.axisRange[2] = 0.0;
    dialog.axisRange[3] = drainDepth;
    dialog.axisRange[4] = 0.0;
    dialog.axisRange[5] = drainDepth;
}

void addSecondAxisGroup(GraphDlg& dialog, int points, const QString& unit)
{
    // A group of nothing drawn that carries the second axis.
    dialog.group2SetCount = 1;
    dialog.group2Values.Allocate(1, 1, points, 0.0);
    dialog.group2XValues.Allocate(1, 1, points, 0.0);
    dialog.group2HasXValues = 1;
    dialog.group2PointStyles.Allocate(1, 1, points, chart::kHiddenPoint);
    dialog.group2Type = 6;
    dialog.group2Style = 2;
    dialog.rightTitle = QStringLiteral("Height of water table above drain (") + unit + QLatin1Char(')');
}

}  // namespace

void FillWaterTableChart(GraphDlg& dialog, const ZELMData& input, TransientOutputData& output, int chartYear)
{
    const QDate lastEvent = LastEventDate(input);
    if (output.records.size() < 2 || output.dailyDay.isEmpty())
        throw std::invalid_argument("There is no computed water table to plot.");
    const WaterTableYear year = chartYear == kCalendarYear ? CalendarYear(output, lastEvent) : TraditionalYear(output);
    const Axis axis = dateAxis(lastEvent, chartYear);
    const bool bench = input.benchBottomland != 0;
    const bool metres = input.metricUnits != 0;
    const QString unit = metres ? QStringLiteral("m") : QStringLiteral("ft");
    const int points = int(std::max(year.day.size(), 2 * year.records.size() - 1));

    allocate(dialog, bench ? 4 : 2, points);
    dialog.SetGraphTitles(
        input.title, QStringLiteral("Month"),
        QStringLiteral("Water Surface Elevation Depth Below Ground Surface (") + unit + QLatin1Char(')'), input.title,
        QStringLiteral("zelplot"));
    dialog.setLegends[kEventLine] = QStringLiteral("Water Table Height");
    dialog.chartStyle = 4;
    dialog.drawMarkersFlag = 1;
    dialog.drawGridFlag = 1;

    fillEventLine(dialog, year, axis);
    dialog.setLegends[kDailyHeights] = QStringLiteral("Daily WT Height");
    fillDailyHeights(dialog, year, axis);

    dialog.xDivisions = axis.divisions;
    dialog.xCode = 9;
    dialog.axisRange[0] = 0.0;
    dialog.axisRange[1] = axis.xMax;
    labelAxes(dialog, input.depthToDrain);
    if (bench) fillBenchAndBottomland(dialog, output, axis, input.depthToDrain, metres);
    addSecondAxisGroup(dialog, points, unit);

    dialog.dateStart = dateStartText(axis);
    dialog.dateFormat = QStringLiteral("d mmm");
    dialog.dateStep = QStringLiteral("0000:00:30:12:00:00");
    dialog.dateLabelMode = 3;
}

GraphDlg* PlotWaterTable(CZELMOutputDoc& document, int chartYear)
{
    auto* dialog = new GraphDlg(nullptr);
    try {
        FillWaterTableChart(*dialog, document.GetInput(), document.GetOutput(), chartYear);
    } catch (const std::invalid_argument& error) {
        delete dialog;
        docview::showMessage(QString::fromUtf8(error.what()));
        return nullptr;
    }
    dialog->BuildGraphWindow();
    return dialog;
}

}  // namespace zelm
