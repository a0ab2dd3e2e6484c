#include "transient/DeepPercolationChart.h"

#include <QDate>
#include <algorithm>

#include "chart/GraphDlg.h"
#include "data/EventCalendar.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace zelm {

namespace {

bool allEventsComplete(const ZELMData& data)
{
    return std::none_of(data.events.begin(), data.events.end(),
                        [](const IrrigationDataElement& event) { return event.month == 0 || event.day == 0; });
}

}  // namespace

void FillDeepPercolationChart(GraphDlg& dialog, const ZELMData& data)
{
    const int count = int(data.events.size());
    dialog.AllocateGraphs(1, 1, count, count, 128, 0, 1);
    dialog.SetGraphTitles(
        QStringLiteral("Deep Percolation Events"), QStringLiteral("Date"),
        QStringLiteral("Amount ") + (data.metricUnits == 0 ? QStringLiteral("(in)") : QStringLiteral("(cm)")),
        QStringLiteral("Deep Percolation Events"), QStringLiteral("zel_deep_perc"));
    dialog.chartStyle = 2;
    dialog.xDivisions = 12;
    dialog.xCode = 9;
    dialog.dateLabelMode = 3;
    dialog.dateStart = QString::asprintf("%04d:%02d:%02d:00:00:00", kNewYear.year(), kNewYear.month(), kNewYear.day());
    dialog.dateStep = QStringLiteral("0000:00:30:12:00:00");
    dialog.dateFormat = QStringLiteral("d mmm");
    dialog.hasPointLabels = 1;
    dialog.pointLabels.Allocate(1, 1, count, QString());
    for (int i = 0; i < count; ++i) {
        const IrrigationDataElement& event = data.events.at(i);
        dialog.values.at(0, 0, i) = event.amount;
        dialog.xValues.at(0, 0, i) = DayOfFollowingYear(event);
        dialog.pointStyles.at(0, 0, i) = 0;
        dialog.pointLabels.at(0, 0, i) = QString::asprintf("%d/%d", event.month, event.day);
    }
    dialog.axisRange[0] = 0.0;
    dialog.axisRange[1] = 365.0;
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
    auto* dialog = new GraphDlg(parent);
    FillDeepPercolationChart(*dialog, data);
    dialog->BuildGraphWindow();
    return dialog;
}

}  // namespace zelm
