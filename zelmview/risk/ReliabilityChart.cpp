#include "risk/ReliabilityChart.h"

#include <QFileInfo>

#include "chart/GraphDlg.h"
#include "data/CRiskOutputDoc.h"
#include "docview/MessageSink.h"
#include "forms/ChartWindow.h"

namespace zelm {

namespace {

const QString kTitle = QStringLiteral("Graph of Reliability vs Depth and Spacing");

}  // namespace

void fillReliabilityChart(GraphDescription& graph, const QList<RiskOutputRangeSpacingItem>& rows, RiskData::Units units)
{
    const int points = int(rows.size());
    graph.AllocateGraphs(1, 1, points, points, 0, 0, 0);
    // The axes say their units: the report's annual cost is per acre (per hectare) and year, and
    // each point is labelled with the depth of its design.
    const bool english = units == RiskData::Units::English;
    const QString area = english ? QStringLiteral("acre") : QStringLiteral("hectare");
    const QString length = english ? QStringLiteral("ft.") : QStringLiteral("m.");
    graph.SetGraphTitles(kTitle, QStringLiteral("Reliability %"),
                         QStringLiteral("cost") + QStringLiteral(" (annual, per %1)").arg(area), kTitle,
                         QStringLiteral("zel_reliability"));
    graph.rightTitle = QStringLiteral("Spacing (%1)").arg(length);
    graph.hasPointLabels = 1;
    graph.pointLabels.Allocate(1, 1, points, QString());

    // The spacing goes against the second axis.
    graph.group2SetCount = 1;
    graph.group2Values.Allocate(1, 1, points, 0.0);
    graph.group2PointStyles.Allocate(1, 1, points, 0);
    graph.group2Legends = {QStringLiteral("Spacing")};
    graph.setLegends[0] = QStringLiteral("Total Cost");

    for (int i = 0; i < points; ++i) {
        const auto& value = rows.at(i).value;
        graph.xLabels[i] = QString::asprintf("%g", value[RiskOutputRangeSpacingItem::kReliability]);
        graph.values.at(0, 0, i) = value[RiskOutputRangeSpacingItem::kTotalCost];
        graph.group2Values.at(0, 0, i) = value[RiskOutputRangeSpacingItem::kSpacing];
        graph.pointLabels.at(0, 0, i) =
            QStringLiteral("depth %1 %2")
                .arg(QString::asprintf("%g", value[RiskOutputRangeSpacingItem::kDepth]), length);
    }
}

GraphDlg* PlotReliability(CRiskOutputDoc& document)
{
    const RiskOutputData& output = document.GetOutput();
    if (output.reliabilityTable.isEmpty()) {
        docview::showMessage(QStringLiteral("Reliability range table is empty."));
        return nullptr;
    }
    auto* dialog = forms::newChartWindow();
    fillReliabilityChart(dialog->graph, output.reliabilityTable, document.GetInput().units);
    if (!document.GetPathName().isEmpty()) {
        const QFileInfo report(document.GetPathName());
        dialog->exportBaseName = report.absolutePath() + QLatin1Char('/') + report.completeBaseName();
    }
    dialog->helpSection = QStringLiteral("risk-output");
    dialog->BuildGraphWindow();
    return dialog;
}

}  // namespace zelm
