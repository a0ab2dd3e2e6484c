// The event plot of the input form.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QPointer>

#include "chart/ChartComponent.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartTestSupport.h"
#include "chart/GraphDlg.h"
#include "docview/MessageSink.h"
#include "transient/DeepPercolationChart.h"

TEST(DeepPercolationChart, EventsArePlottedInCalendarOrderAtTheirDayOfTheYear)
{
    docview::MessageRecorder messages;
    ZELMData data;
    data.events = {{12, 25, 1.5}, {1, 10, 0.5}};
    QPointer<GraphDlg> dialog = zelm::PlotDeepPercolation(data, nullptr);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(data.events.constFirst().month, 1);
    EXPECT_DOUBLE_EQ(dialog->graph.xValues.at(0, 0, 0), 9.0);
    EXPECT_DOUBLE_EQ(dialog->graph.xValues.at(0, 0, 1), 358.0);
    EXPECT_DOUBLE_EQ(dialog->graph.values.at(0, 0, 1), 1.5);
    EXPECT_EQ(dialog->graph.pointLabels.at(0, 0, 0), "1/10");
    EXPECT_EQ(dialog->graph.pointLabels.at(0, 0, 1), "12/25");
    EXPECT_EQ(dialog->graph.yTitles.constFirst(), "Amount (in)");
    EXPECT_EQ(dialog->windowTitle(), "Deep Percolation Events");

    // Both events are drawn as sticks with their labels, on an axis of the whole year.
    QCustomPlot& plot = *dialog->GetChart()->Plot();
    ASSERT_EQ(plot.plottableCount(), 1);
    EXPECT_EQ(plot.plottable(0)->interface1D()->dataCount(), 2);
    EXPECT_EQ(plot.itemCount(), 2);
    EXPECT_EQ(plot.xAxis->range(), QCPRange(0, 365));
    EXPECT_DOUBLE_EQ(plot.yAxis->range().lower, 0.0);
    // The highest stick's label stays inside the plot, and the amounts read as nice numbers.
    plot.replot();
    const auto* topLabel = qobject_cast<QCPItemText*>(plot.item(1));
    ASSERT_TRUE(topLabel != nullptr);
    EXPECT_EQ(topLabel->text(), "12/25");
    EXPECT_TRUE(plot.axisRect()->rect().contains(topLabel->topLeft->pixelPosition().toPoint()));
    EXPECT_EQ(plot.yAxis->tickVectorLabels().mid(0, 3), (QVector<QString>{"0", "0.25", "0.5"}));
    const QImage image = dialog->GetChart()->ToImage();
    image.save(QStringLiteral(ZELM_CHART_IMAGE_DIR "/deep-percolation.png"));
    EXPECT_GT(pixelsNear(image, plot.axisRect()->rect(), chart::paletteColour(9)), 50);
    EXPECT_TRUE(messages.messages().isEmpty());
    delete dialog;
}

TEST(DeepPercolationChart, AnEventWithoutMonthOrDayGivesTheMessageAndNoChart)
{
    docview::MessageRecorder messages;
    ZELMData data;
    data.events = {{3, 4, 1.0}, {0, 0, 0.0}};
    EXPECT_EQ(zelm::PlotDeepPercolation(data, nullptr), nullptr);
    EXPECT_EQ(messages.messages(), QStringList{"You have not entered data for all the deep percolation event fields.  "
                                               "Day and month must be non-zero before a plot can be made."});

    data.events = {{13, 4, 1.0}};
    messages.clear();
    EXPECT_EQ(zelm::PlotDeepPercolation(data, nullptr), nullptr);
    EXPECT_EQ(messages.messages().size(), 1);
}
