// The description of the reliability chart, worked out from the rows of a reliability table
// without a window.
#include <gtest/gtest.h>

#include "chart/GraphDescription.h"
#include "data/RiskData.h"
#include "data/RiskOutputData.h"
#include "docview/WorkingFolder.h"
#include "risk/ReliabilityChart.h"

namespace {

RiskOutputRangeSpacingItem row(double reliability, double totalCost, double spacing)
{
    RiskOutputRangeSpacingItem item;
    item.value = {reliability, 4.5, 1200.0, totalCost, spacing, reliability + 0.4, 1.6, 0.21, 580.0};
    return item;
}

const QList<RiskOutputRangeSpacingItem> kRows{row(50, 101.25, 80), row(62.5, 117.5, 72.5), row(95, 180, 40)};

}  // namespace

TEST(ReliabilityChart, OneGraphOfTotalCostAndASecondGroupOfSpacingAgainstReliability)
{
    GraphDescription graph;
    zelm::fillReliabilityChart(graph, kRows, RiskData::Units::English);
    EXPECT_EQ(graph.graphCount, 1);
    EXPECT_EQ(graph.setCount, 1);
    EXPECT_EQ(graph.pointCount, 3);
    EXPECT_EQ(graph.labelCount, 3);
    EXPECT_EQ(graph.hasXValues, 0);
    EXPECT_EQ(graph.useXLabels, 0);
    EXPECT_EQ(graph.xLabels, QStringList({"50", "62.5", "95"}));
    EXPECT_EQ(graph.setLegends, QStringList({"Total Cost"}));
    EXPECT_EQ(std::vector<double>(graph.values.begin(), graph.values.end()), std::vector<double>({101.25, 117.5, 180}));

    EXPECT_EQ(graph.group2SetCount, 1);
    EXPECT_EQ(graph.group2Legends, QStringList({"Spacing"}));
    EXPECT_EQ(std::vector<double>(graph.group2Values.begin(), graph.group2Values.end()),
              std::vector<double>({80, 72.5, 40}));
    EXPECT_TRUE(graph.group2XValues.IsEmpty());
    EXPECT_EQ(graph.group2HasXValues, 0);
}

TEST(ReliabilityChart, TitlesNameAndTheRightAxisInTheProjectsUnits)
{
    GraphDescription feet;
    zelm::fillReliabilityChart(feet, kRows, RiskData::Units::English);
    const QString title = "Graph of Reliability vs Depth and Spacing";
    EXPECT_EQ(feet.titles, QStringList({title}));
    EXPECT_EQ(feet.captions, QStringList({title}));
    EXPECT_EQ(feet.xTitles, QStringList({"Reliability %"}));
    EXPECT_EQ(feet.yTitles, QStringList({"cost (annual, per acre)"}));
    EXPECT_EQ(feet.chartName, "zel_reliability");
    EXPECT_EQ(feet.SettingsFile(), docview::workingFolder().FilePath("zel_reliability.gsp"));
    EXPECT_EQ(feet.rightTitle, "Spacing (ft.)");

    GraphDescription metres;
    zelm::fillReliabilityChart(metres, kRows, RiskData::Units::Metric);
    EXPECT_EQ(metres.rightTitle, "Spacing (m.)");
    EXPECT_EQ(metres.yTitles, QStringList({"cost (annual, per hectare)"}));
}

TEST(ReliabilityChart, EachPointSaysTheDepthOfItsDesign)
{
    QList<RiskOutputRangeSpacingItem> rows = kRows;
    rows[1].value[RiskOutputRangeSpacingItem::kDepth] = 5.25;
    GraphDescription graph;
    zelm::fillReliabilityChart(graph, rows, RiskData::Units::English);
    EXPECT_EQ(graph.hasPointLabels, 1);
    EXPECT_EQ(std::vector<QString>(graph.pointLabels.begin(), graph.pointLabels.end()),
              std::vector<QString>({"depth 4.5 ft.", "depth 5.25 ft.", "depth 4.5 ft."}));
    // The x axis still reads the reliabilities.
    EXPECT_EQ(graph.xLabels, QStringList({"50", "62.5", "95"}));
}
