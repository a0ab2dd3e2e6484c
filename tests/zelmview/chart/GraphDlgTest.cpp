// The graph dialog over the chart component: what BuildGraph sends, its two messages, zooming with
// the mouse, the settings file, export (and a failed save that keeps the old file), the menu bar,
// the place of a new chart window and closing.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "chart/ChartComponent.h"
#include "chart/ChartTestSupport.h"
#include "chart/GraphDlg.h"
#include "data/SaveFailures.h"
#include "docview/MessageSink.h"

using chart::ChartComponent;

namespace {

// A dialog of one graph and `sets` sets of `points` points with values 1 + set + point / 10.
GraphDlg* smallGraph(int sets = 2, int points = 30, const QString& name = QString())
{
    auto* dialog = new GraphDlg;
    dialog->graph.AllocateGraphs(1, sets, points, points, 0, 0, 0);
    dialog->graph.SetGraphTitles("Title", "x", "y", "", name);
    for (int s = 0; s < sets; ++s)
        for (int p = 0; p < points; ++p) dialog->graph.values.at(0, s, p) = 1.0 + s + p / 10.0;
    return dialog;
}

QVariant chartValue(GraphDlg& dialog, const chart::PropertyPair& pair, int first = 0)
{
    return dialog.GetChart()->Get(pair.getter, first);
}

QByteArray fileStart(const QString& path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

// Drags with the left button over the chart's plot from `from` to `to` (pixels of the chart).
void drag(ChartComponent& chart, const QPoint& from, const QPoint& to)
{
    QTest::mousePress(chart.Plot(), Qt::LeftButton, {}, from);
    QTest::mouseMove(chart.Plot(), to);
    QTest::mouseRelease(chart.Plot(), Qt::LeftButton, {}, to);
}

}  // namespace

TEST(GraphDlgBuild, LeftAxisComesFromTheDataUnlessAllRangesAreSet)
{
    docview::MessageRecorder messages;
    QPointer<GraphDlg> fromData = smallGraph();
    fromData->BuildGraphWindow();
    // Positive data starts the axis at 0; the maximum is the largest value.
    EXPECT_DOUBLE_EQ(chartValue(*fromData, chart::kYMin).toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(chartValue(*fromData, chart::kYMax).toDouble(), 2.0 + 2.9);
    EXPECT_FALSE(fromData->GetChart()->Properties().Has(chart::kYMin, 1));
    EXPECT_DOUBLE_EQ(fromData->GetChart()->Plot()->yAxis->range().upper, 4.9);

    QPointer<GraphDlg> given = smallGraph();
    given->graph.axisRange = {-3, 40, -1, 8, 2, 6};
    given->BuildGraphWindow();
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kXMin).toDouble(), -3.0);
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kXMax).toDouble(), 40.0);
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kYMin).toDouble(), -1.0);
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kYMax).toDouble(), 8.0);
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kYMin, 1).toDouble(), 2.0);
    EXPECT_DOUBLE_EQ(chartValue(*given, chart::kYMax, 1).toDouble(), 6.0);
    EXPECT_EQ(given->GetChart()->Plot()->yAxis->range(), QCPRange(-1, 8));
    EXPECT_TRUE(messages.messages().isEmpty());
    delete fromData;
    delete given;
}

TEST(GraphDlgBuild, AnAutomaticLabelIntervalIsSentFromTheSecondBuildOn)
{
    QPointer<GraphDlg> dialog = smallGraph(1, 120);
    dialog->BuildGraphWindow();
    EXPECT_FALSE(dialog->GetChart()->Properties().Has(chart::kLabelInterval));
    EXPECT_EQ(dialog->graph.labelEvery, 120 / 50 + 1);
    dialog->BuildGraph();
    EXPECT_EQ(chartValue(*dialog, chart::kLabelInterval).toInt(), 3);
    EXPECT_EQ(chartValue(*dialog, chart::kLabelStep).toInt(), 3);
    delete dialog;
}

TEST(GraphDlgBuild, ADateStepWithTheTimeOfDaySelectsAFormatWithTheTime)
{
    QPointer<GraphDlg> dialog = smallGraph(1, 10);
    dialog->graph.dateStart = "1982:01:01:00:00:00";
    dialog->graph.dateStep = "0000:00:30:12:00:00";
    dialog->BuildGraphWindow();
    EXPECT_EQ(chartValue(*dialog, chart::kDateFormat).toString(), "m/d/yy hh:nn");
    EXPECT_EQ(chartValue(*dialog, chart::kDateLabelMode).toInt(), 3);

    dialog->graph.dateStep = "0000:01:01";
    dialog->BuildGraph();
    EXPECT_EQ(chartValue(*dialog, chart::kDateFormat).toString(), "m/d/yy");

    dialog->graph.dateStep = "0000:00:30:12:00:00";
    dialog->graph.dateFormat = "d mmm";
    dialog->BuildGraph();
    EXPECT_EQ(chartValue(*dialog, chart::kDateFormat).toString(), "d mmm");
    delete dialog;
}

TEST(GraphDlgMessages, AChartThatCannotBeCreatedLeavesTheDialogOpenWithoutAChart)
{
    docview::MessageRecorder messages;
    QPointer<GraphDlg> dialog = smallGraph();
    dialog->createChart = [](QWidget*, const QRect&, int) { return nullptr; };
    dialog->BuildGraphWindow();
    EXPECT_EQ(messages.messages(), QStringList{"[GraphView::BuildGraphWindow] Failed to create graph."});
    EXPECT_TRUE(dialog->isVisible());
    dialog->resize(500, 400);  // a rebuild without a chart does nothing
    EXPECT_EQ(dialog->GetChart(), nullptr);
    delete dialog;
}

TEST(GraphDlgMessages, APointCountTheChartRefusesIsReportedAndDrawingGoesOn)
{
    docview::MessageRecorder messages;
    QPointer<GraphDlg> dialog = smallGraph(1, 200001);
    dialog->BuildGraphWindow();
    EXPECT_EQ(messages.messages(), QStringList{"Graph is out of whack."});
    // Drawn all the same: the chart shows its title.
    const auto* title = qobject_cast<QCPTextElement*>(dialog->GetChart()->Plot()->plotLayout()->element(0, 0));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Title");
    delete dialog;
}

TEST(GraphDlgMouse, ADraggedRectangleZoomsAndIsKeptInTheSettingsFile)
{
    TemporaryWorkingFolder folder;
    QPointer<GraphDlg> dialog = smallGraph(2, 30, "zoomtest");
    dialog->BuildGraphWindow();
    ChartComponent& chart = *dialog->GetChart();
    const QRect area = chart.Plot()->axisRect()->rect();
    drag(chart, area.topLeft() + QPoint(area.width() / 4, 10), area.center());

    ASSERT_TRUE(chart.UserState().zoomed);
    const QCPRange shown = chart.Plot()->xAxis->range();
    EXPECT_GT(shown.lower, 5.0);
    EXPECT_LT(shown.upper, 20.0);
    const int first = chartValue(*dialog, chart::kFirstShownPoint).toInt();
    const int last = chartValue(*dialog, chart::kLastShownPoint).toInt();
    EXPECT_EQ(first, int(shown.lower + 0.5));
    EXPECT_NEAR(last, shown.upper, 1.0);
    // Fewer than 40 points shown: a label at every point.
    EXPECT_EQ(dialog->graph.labelEvery, 1);
    ASSERT_TRUE(QFile::exists(folder.path("zoomtest.gsp")));

    // A rebuild keeps the zoom, and so does the next chart of the same name.
    dialog->resize(700, 500);
    EXPECT_NEAR(chart.Plot()->xAxis->range().lower, shown.lower, 1e-6);
    EXPECT_NEAR(chart.Plot()->xAxis->range().upper, shown.upper, 1e-6);
    QPointer<GraphDlg> reopened = smallGraph(2, 30, "zoomtest");
    reopened->BuildGraphWindow();
    EXPECT_NEAR(reopened->GetChart()->Plot()->xAxis->range().lower, shown.lower, 1e-6);

    // Showing the whole chart again is remembered as well.
    reopened->GetChart()->ShowWholeChart();
    chart::ChartUserState saved;
    ASSERT_TRUE(chart::readChartSettings(folder.path("zoomtest.gsp"), saved));
    EXPECT_FALSE(saved.zoomed);
    delete dialog;
    delete reopened;
}

TEST(GraphDlgMouse, APlainClickShowsTheNextGraphAndALegendClickHidesASet)
{
    TemporaryWorkingFolder folder;
    QPointer<GraphDlg> dialog = smallGraph(2, 10, "clicks");
    dialog->graph.AllocateGraphs(2, 2, 10, 10, 0, 0, 0);
    dialog->graph.setLegends = QStringList{"first", "second"};
    dialog->BuildGraphWindow();
    ChartComponent& chart = *dialog->GetChart();
    QTest::mouseClick(chart.Plot(), Qt::LeftButton, {}, chart.Plot()->axisRect()->rect().center());
    EXPECT_EQ(dialog->graph.currentGraph, 1);
    QTest::mouseClick(chart.Plot(), Qt::LeftButton, {}, chart.Plot()->axisRect()->rect().center());
    EXPECT_EQ(dialog->graph.currentGraph, 0);

    ASSERT_EQ(chart.Plot()->legend->itemCount(), 2);
    const QPoint second = chart.Plot()->legend->item(1)->outerRect().center();
    QTest::mouseClick(chart.Plot(), Qt::LeftButton, {}, second);
    EXPECT_EQ(chart.UserState().hiddenSets, QSet<int>{1});
    EXPECT_FALSE(chart.Plot()->plottable(1)->visible());
    EXPECT_EQ(dialog->graph.currentGraph, 0);  // a legend click is not a click on the chart
    delete dialog;
}

TEST(GraphDlgExport, TheChartIsWrittenAsPngSvgAndPdfAndCopiedAsAnImage)
{
    TemporaryWorkingFolder folder;
    docview::MessageRecorder messages;
    QPointer<GraphDlg> dialog = smallGraph();
    dialog->BuildGraphWindow();
    ASSERT_TRUE(dialog->ExportChart(folder.path("chart.png")));
    ASSERT_TRUE(dialog->ExportChart(folder.path("chart.svg")));
    ASSERT_TRUE(dialog->ExportChart(folder.path("chart.pdf")));
    EXPECT_EQ(fileStart(folder.path("chart.png"), 4), QByteArray("\x89PNG"));
    EXPECT_TRUE(fileStart(folder.path("chart.svg"), 200).contains("<svg"));
    EXPECT_EQ(fileStart(folder.path("chart.pdf"), 4), QByteArray("%PDF"));
    EXPECT_EQ(QImage(folder.path("chart.png")).size(), dialog->GetChart()->Plot()->size());

    const QString unwritable = folder.path("missing/chart.png");
    EXPECT_FALSE(dialog->ExportChart(unwritable));
    EXPECT_EQ(messages.messages(), QStringList{"Unable to open " + unwritable});

    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->chooseExportFile = [&](const QString& filter, const QString&) {
        return filter.contains("svg") ? folder.path("chosen.svg") : QString();
    };
    QTest::keyClick(dialog, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(folder.path("chosen.svg")));

    QApplication::clipboard()->clear();
    QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), dialog->GetChart()->Plot()->size());
    delete dialog;
}

TEST(GraphDlgExport, AFailedExportOrSettingsFileShowsOneMessageAndKeepsTheOldFile)
{
    TemporaryWorkingFolder folder;
    QPointer<GraphDlg> dialog = smallGraph(2, 30, "saved");
    dialog->BuildGraphWindow();
    const QByteArray old = "the old file\n";
    const QStringList exports{folder.path("chart.png"), folder.path("chart.svg"), folder.path("chart.pdf")};
    for (const QString& path : exports + QStringList{folder.path("saved.gsp")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    docview::MessageRecorder messages;
    {
        const FileSizeLimit full(16);
        for (const QString& path : exports) EXPECT_FALSE(dialog->ExportChart(path));
        // Zooming keeps the zoom in the settings file.
        dialog->GetChart()->Zoom(1, 1, 10, 4, 0, 1);
    }
    QStringList expected;
    for (const QString& path : exports) expected.append("Unable to write " + path);
    expected.append("Unable to write " + folder.path("saved.gsp"));
    EXPECT_EQ(messages.messages(), expected);
    messages.clear();
    {
        const WriteProtectedFolder readOnly(folder.path("."));
        for (const QString& path : exports) EXPECT_FALSE(dialog->ExportChart(path));
        dialog->GetChart()->ShowWholeChart();
    }
    expected.clear();
    for (const QString& path : exports) expected.append("Unable to open " + path);
    expected.append("Unable to open " + folder.path("saved.gsp"));
    EXPECT_EQ(messages.messages(), expected);
    for (const QString& path : exports + QStringList{folder.path("saved.gsp")}) EXPECT_EQ(fileStart(path, 100), old);
    delete dialog;
}

TEST(GraphDlgMenu, TheMenuBarExportsCopiesShowsTheWholeChartAndSuggestsTheProjectsName)
{
    TemporaryWorkingFolder folder;
    docview::MessageRecorder messages;
    QPointer<GraphDlg> dialog = smallGraph();
    dialog->exportBaseName = folder.path("north");
    dialog->BuildGraphWindow();
    auto* bar = dialog->findChild<QMenuBar*>("chartMenuBar");
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* menu : bar->actions()) titles.append(menu->text());
    EXPECT_EQ(titles, (QStringList{"&Chart", "&Help"}));
    auto* exports = dialog->findChild<QMenu*>("exportMenu");
    ASSERT_NE(exports, nullptr);
    QStringList suggested;
    dialog->chooseExportFile = [&](const QString&, const QString& name) {
        suggested.append(name);
        return QString();
    };
    for (QAction* format : exports->actions()) format->trigger();
    EXPECT_EQ(suggested, (QStringList{folder.path("north.png"), folder.path("north.svg"), folder.path("north.pdf")}));
    QStringList items;
    for (QAction* item : dialog->findChild<QMenu*>("chartMenu")->actions())
        if (!item->isSeparator()) items.append(item->text());
    EXPECT_EQ(items, (QStringList{"&Export", "Co&py Chart", "Show &Whole Chart", "&Close"}));
    // The chart lies below the menu bar.
    EXPECT_GE(dialog->GetChart()->geometry().top(), bar->geometry().bottom());
    delete dialog;
}

TEST(GraphDlgPlacement, ANewChartWindowStepsDownFromTheLastOneWithinTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    const QSize preferred(800, 600);
    EXPECT_EQ(GraphDlg::CascadeRect({}, screen, preferred), QRect(0, 0, 800, 600));
    EXPECT_EQ(GraphDlg::CascadeRect({0, 0, 800, 600}, screen, preferred), QRect(28, 28, 800, 600));
    // Less room than the window: it gets smaller, down to half the screen, then starts again.
    EXPECT_EQ(GraphDlg::CascadeRect({224, 168, 800, 600}, screen, preferred), QRect(252, 196, 772, 572));
    EXPECT_EQ(GraphDlg::CascadeRect({500, 400, 500, 350}, screen, preferred), QRect(0, 0, 800, 600));
    // A screen smaller than the window, as at a scale factor of 2.
    EXPECT_EQ(GraphDlg::CascadeRect({}, {0, 0, 512, 384}, preferred), QRect(0, 0, 512, 384));
    EXPECT_EQ(GraphDlg::CascadeRect({0, 0, 512, 384}, {0, 0, 512, 384}, preferred), QRect(28, 28, 484, 356));
}

TEST(GraphDlgLifetime, ClosingDeletesTheDialogAndItsChart)
{
    QPointer<GraphDlg> dialog = smallGraph();
    dialog->BuildGraphWindow();
    QPointer<ChartComponent> chart = dialog->GetChart();
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(chart.isNull());
}
