// The one chart window of the program (dialog 235, "Graph"): a modeless, resizable dialog that owns
// one chart through a ChartWrapper. A caller creates it on the heap, allocates and fills its
// arrays and settings, and opens it; it configures the chart, pushes the data and draws, rebuilds
// on every resize, zooms to a rectangle dragged with the mouse, exports the chart as PNG, SVG or
// PDF or copies it to the clipboard, and deletes itself when closed.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "chart/ChartWrapper.h"
#include "chart/GraphArray.h"

class QScrollBar;

namespace chart {
class ChartComponent;
}

class GraphDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 235;
    static constexpr int kChartId = 1;
    static constexpr double kUnsetRange = -10000.0;

    explicit GraphDlg(QWidget* parent = nullptr);
    ~GraphDlg() override;

    void AllocateGraphs(int graphs, int sets, int points, int labels, int pointStyle, int useXLabelSizing,
                        int withXValues);
    void SetGraphTitles(const QString& title, const QString& xTitle, const QString& yTitle, const QString& caption,
                        const QString& name);

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
    // choice of the export file for the given filter (empty when cancelled).
    std::function<chart::ChartComponent*(QWidget* parent, const QRect& rect, int childId)> createChart;
    std::function<QString(const QString& filter)> chooseExportFile;

    // What the chart shows; see AllocateGraphs for the arrays.
    int graphCount = 0;
    int currentGraph = 0;
    int setCount = 0;
    int pointCount = 0;
    GraphArray<double> values;
    GraphArray<double> xValues;
    GraphArray<int> pointStyles;
    int hasXValues = 0;
    int hasPointLabels = 0;
    GraphArray<QString> pointLabels;  // allocated by the caller
    int labelCount = 0;
    QStringList xLabels;
    int useXLabels = 0;
    QStringList setLegends;
    QStringList captions, titles, xTitles, yTitles;
    QString chartName;
    int chartType = 6;
    int chartStyle = 5;
    int setStyleMode = 0;
    QList<int> setStyles;
    int applySetLists = 0;
    QList<int> setMarkers;
    QList<int> group2Markers;

    int group2SetCount = 0;
    GraphArray<double> group2Values;
    GraphArray<double> group2XValues;
    int group2HasXValues = 0;
    GraphArray<int> group2PointStyles;
    QStringList group2Legends;
    int group2Type = 6;
    int group2Style = 5;
    QString rightTitle;
    int rightTitleCode = 1;

    // x min, x max, left min, left max, second min, second max; kUnsetRange or less is unset.
    std::array<double, 6> axisRange{kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange};
    int yScaleMode = -1;
    int drawMarkersFlag = 1;
    int drawGridFlag = 1;
    int xDivisions = 0;
    int xCode = 0;
    int extraCode = 0;
    struct CustomLabels {
        int flag;
        int count;
        int axisCode;
        QStringList texts;  // labels 0 to count
    };
    std::array<CustomLabels, 2> customLabels{CustomLabels{1, 5, 0, {}}, CustomLabels{1, 0, 0, {}}};
    int extraStyleCode = 0;
    QString dateStart;
    QString dateStep = QStringLiteral("0000:01:01");
    QString dateFormat;
    int dateMode = -1;
    int dateLabelMode = -1;
    int labelEvery = 0;
    std::array<int, 2> layoutCodes{15, 6};
    int screenWidth = 1024;
    int screenHeight = 768;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static bool IsSet(double range) { return range > kUnsetRange; }
    QString SettingsFile() const { return chartName + QStringLiteral(".gsp"); }
    bool SettingsFileOpens() const;
    void FillLeftRangeFromData();
    void SizeXLabels();
    void SendYBounds();
    void SendCustomLabels();
    void SendSetStyles();
    void SendSetLists();
    void SendGroup2Codes();
    void SendDateAxis();
    void SendLegends();
    void SendSecondAxisTitle();
    void RenewMouseNotification();
    void OnMouseEvent();
    double DataXOfPixel(int x) const;
    void FitChartToClient();
    void CreateActions();
    void ExportWithDialog(const QString& filter);
    void ShowWholeChart();

    std::unique_ptr<ChartWrapper> wrapper;
    QScrollBar* horizontalBar = nullptr;
    QScrollBar* verticalBar = nullptr;
    QList<QAction*> chartActions;
    QSize chartExtent;
    bool rangeOpen = false;
    QPoint rangeCorner;
    bool opening = false;
};
