// The description of a graph, filled the way callers fill it, without any window.
#include <gtest/gtest.h>

#include "chart/ChartOrdinals.h"
#include "chart/GraphDescription.h"
#include "docview/WorkingFolder.h"

TEST(GraphDescription, AllocatingSizesEveryArrayAndSetsThePointStyle)
{
    GraphDescription graph;
    graph.AllocateGraphs(2, 3, 4, 4, chart::kHiddenPoint, 0, 1);
    EXPECT_EQ(graph.values.Graphs(), 2);
    EXPECT_EQ(graph.values.Sets(), 3);
    EXPECT_EQ(graph.xValues.Points(), 4);
    EXPECT_EQ(graph.pointStyles.at(1, 2, 3), chart::kHiddenPoint);
    EXPECT_DOUBLE_EQ(graph.values.at(1, 2, 3), 0.0);
    EXPECT_EQ(graph.setLegends.size(), 3);
    EXPECT_EQ(graph.yTitles.size(), 2);
    EXPECT_EQ(graph.xLabels.size(), 4);

    // Without x values nothing is allocated for them; without labels there are no x labels.
    GraphDescription bare;
    bare.AllocateGraphs(1, 1, 5, 0, 0, 0, 0);
    EXPECT_TRUE(bare.xValues.IsEmpty());
    EXPECT_TRUE(bare.xLabels.isEmpty());
}

TEST(GraphDescription, TitlesFallBackToTheTitleForTheCaptionAndKeepTheName)
{
    GraphDescription graph;
    graph.AllocateGraphs(2, 1, 1, 0, 0, 0, 0);
    graph.SetGraphTitles("Water", "Month", "Depth", "", "zelplot");
    EXPECT_EQ(graph.captions, (QStringList{"Water", "Water"}));
    EXPECT_EQ(graph.xTitles.constLast(), "Month");
    EXPECT_EQ(graph.SettingsFile(), docview::workingFolder().FilePath("zelplot.gsp"));
    graph.SetGraphTitles("Other", "x", "y", "Caption", "");
    EXPECT_EQ(graph.captions.constFirst(), "Caption");
    EXPECT_EQ(graph.chartName, "zelplot");
}

TEST(GraphDescription, RangesAreUnsetAtMinusTenThousandAndADateAxisStartsAtMidnight)
{
    const GraphDescription graph;
    for (double range : graph.axisRange) EXPECT_FALSE(GraphDescription::IsSet(range));
    EXPECT_FALSE(GraphDescription::IsSet(-10001.0));
    EXPECT_TRUE(GraphDescription::IsSet(-9999.0));
    EXPECT_EQ(dateAxisStart(QDate(1981, 9, 1)), "1981:09:01:00:00:00");
}
