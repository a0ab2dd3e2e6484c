// The one chart window of the program (dialog 235, "Graph"): a modeless, resizable dialog that owns
// one chart through a ChartWrapper. A caller creates it on the heap, fills its GraphDescription and
// opens it; GraphBuilder configures the chart, pushes the data and draws. The window rebuilds on
// every resize, shows the next graph on a click, zooms to a rectangle dragged with the mouse, keeps
// the room for a legible chart, and deletes itself when closed. Its menu bar (and the context
// menu) export the chart as PNG, SVG or PDF, copy it to the clipboard, show the whole chart again
// and open the help. Each new chart window opens a step below and to the right of the last one.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "chart/ChartWrapper.h"
#include "chart/GraphDescription.h"

class QMenuBar;

namespace chart {
class ChartComponent;
}

class GraphDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 235;
    static constexpr int kChartId = 1;

    explicit GraphDlg(QWidget* parent = nullptr);
    ~GraphDlg() override;

    // Opens the dialog modeless: creates the chart and builds it.
    void BuildGraphWindow();
    void BuildGraph();
    void ShowGraph();
    void NextGraph();
    // A message of the chart component: mouse events, next graph, hit, redraw.
    void OnChartMessage(int message, int param);

    // Export of the chart as shown; false after a message when the file cannot be written.
    bool ExportChart(const QString& path);
    void CopyChart();

    ChartWrapper* GetWrapper() const { return wrapper.get(); }
    chart::ChartComponent* GetChart() const;

    // Replaceable for tests: chart creation (null for a chart that cannot be created) and the
    // choice of the export file for the given filter and suggested path (empty when cancelled).
    std::function<chart::ChartComponent*(QWidget* parent, const QRect& rect, int childId)> createChart;
    std::function<QString(const QString& filter, const QString& suggested)> chooseExportFile;

    // The file name the export dialog suggests, without extension (a project's path and name);
    // the chart's name when empty.
    QString exportBaseName;
    // The section of the help that the Help menu asks for.
    QString helpSection = QStringLiteral("chart");

    // Where a new chart window of `preferred` size goes: a step below and to the right of the last
    // one still open, smaller where the room there asks for it (down to half the available
    // area), else back at the top-left of `available`; at the top-left without a last one.
    static QRect CascadeRect(const QRect& lastFrame, const QRect& available, const QSize& preferred);

    // What the chart shows; the caller fills it before opening the dialog.
    GraphDescription graph;

signals:
    // The Help menu: whoever opened the dialog shows the help at `section`.
    void helpRequested(const QString& section);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RenewMouseNotification();
    void OnMouseEvent();
    double DataXOfPixel(int x) const;
    void CreateActions();
    QMenuBar* CreateMenuBar();
    void PlaceAfterLastChart();
    void ExportWithDialog(const QString& filter);
    void ShowWholeChart();

    std::unique_ptr<ChartWrapper> wrapper;
    QList<QAction*> chartActions;
    bool rangeOpen = false;
    QPoint rangeCorner;
    bool opening = false;
};
