#include "transient/DeepPercolationChart.h"

#include <QDate>
#include <algorithm>
#include <cmath>

#include "chart/ChartOrdinals.h"
#include "chart/GraphDlg.h"
#include "data/EventCalendar.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"
#include "forms/ChartWindow.h"

namespace zelm {

namespace {

// The value axis reaches this far above the highest event.
constexpr double kLabelHeadroom = 1.12;

bool allEventsComplete(const ZELMData& data)
{
    return std::none_of(data.events.begin(), data.events.end(),
                        [](const IrrigationDataElement& event) { return event.month == 0 || event.day == 0; });
}

}  // namespace

void fillDeepPercolationChart(GraphDescription& graph, const ZELMData& data)
{
    const int count = int(data.events.size());
    graph.AllocateGraphs(1, 1, count, count, chart::kHiddenPoint, 0, 1);
    graph.SetGraphTitles(
        QStringLiteral("Deep Percolation Events"), QStringLiteral("Date"),
        QStringLiteral("Amount ") +
            (data.metricUnits == ZELMData::Units::English ? QStringLiteral("(in)") : QStringLiteral("(cm)")),
        QStringLiteral("Deep Percolation Events"), QStringLiteral("zel_deep_perc"));
    graph.chartStyle = chart::kChartStyleSticks;
    graph.xDivisions = kMonthsPerYear;
    graph.xCode = chart::kXCodeMonthDates;
    graph.dateLabelMode = chart::kDateLabelDateAndTime;
    graph.dateStart = dateAxisStart(kNewYear);
    graph.dateStep = chart::kDateStepHalfMonth;
    graph.dateFormat = QStringLiteral("d mmm");
    graph.hasPointLabels = 1;
    graph.pointLabels.Allocate(1, 1, count, QString());
    for (int i = 0; i < count; ++i) {
        const IrrigationDataElement& event = data.events.at(i);
        graph.values.at(0, 0, i) = event.amount;
        graph.xValues.at(0, 0, i) = dayOfFollowingYear(event);
        graph.pointStyles.at(0, 0, i) = 0;
        graph.pointLabels.at(0, 0, i) = QString::asprintf("%d/%d", event.month, event.day);
    }
    graph.axisRange[0] = 0.0;
    graph.axisRange[1] = 365.0;
    // Room above the highest stick for its date label, inside the frame.
    double highest = 0.0;
    for (const IrrigationDataElement& event : data.events) highest = std::max(highest, event.amount);
    if (highest > 0.0 && std::isfinite(highest)) {
        graph.axisRange[2] = 0.0;
        graph.axisRange[3] = highest * kLabelHeadroom;
    }
}

GraphDlg* PlotDeepPercolation(ZELMData& data, QWidget* parent)
{
    if (!allEventsComplete(data)) {
        docview::showMessage(
            QStringLiteral("You have not entered data for all the deep percolation event fields.  "
                           "Day and month must be non-zero before a plot can be made."));
        return nullptr;
    }
    try {
        ZELMData::SortEventsByDate(data.events);
    } catch (const EventDateError& error) {
        docview::showMessage(QString::fromUtf8(error.what()));
        return nullptr;
    }
    auto* dialog = forms::newChartWindow(parent);
    fillDeepPercolationChart(dialog->graph, data);
    dialog->BuildGraphWindow();
    return dialog;
}

}  // namespace zelm
