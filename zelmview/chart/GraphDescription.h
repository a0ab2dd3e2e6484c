// What a graph shows, as a value: one or more graphs of equal shape, each with sets of points
// (values, x values, point attributes and labels), the legends, titles and captions, the axes
// and their ranges, a second group of sets against a second axis, custom axis labels and a date x
// axis. Callers fill it; GraphBuilder turns it into chart properties and GraphDlg shows it. It
// needs no window.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "chart/ChartCodes.h"
#include "chart/GraphArray.h"

struct GraphDescription {
    static constexpr double kUnsetRange = -10000.0;

    // Stores the counts and allocates, for each graph, `values` and (with x values) `xValues` of
    // sets by points, all 0.0, and `pointStyles` all `pointStyle`; one legend per set, one caption
    // and title of each kind per graph, and the x labels when `labels` is 1 or more.
    void AllocateGraphs(int graphs, int sets, int points, int labels, int pointStyle, int useXLabelSizing,
                        int withXValues);
    // For every graph: the caption (the title when `caption` is empty) and the titles; the chart
    // name when `name` is not empty.
    void SetGraphTitles(const QString& title, const QString& xTitle, const QString& yTitle, const QString& caption,
                        const QString& name);

    // Whether an axis range was set: kUnsetRange or less is unset.
    static bool IsSet(double range) { return range > kUnsetRange; }
    // The chart's settings file: its name + ".gsp" in the working folder.
    QString SettingsFile() const;

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
    int chartType = chart::kChartTypeDefault;
    int chartStyle = chart::kChartStyleDefault;
    int setStyleMode = 0;
    QList<int> setStyles;
    int applySetLists = 0;
    QList<int> setMarkers;  // palette codes of the sets
    QList<int> group2Markers;

    int group2SetCount = 0;
    GraphArray<double> group2Values;
    GraphArray<double> group2XValues;
    int group2HasXValues = 0;
    GraphArray<int> group2PointStyles;
    QStringList group2Legends;
    int group2Type = chart::kChartTypeDefault;
    int group2Style = chart::kChartStyleDefault;
    QString rightTitle;
    int rightTitleCode = 1;

    // x min, x max, left min, left max, second min, second max.
    std::array<double, 6> axisRange{kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange, kUnsetRange};
    int yScaleMode = -1;  // -1: the y ranges come from axisRange
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
    int labelEvery = 0;  // 0: automatic
    std::array<int, 2> layoutCodes{15, 6};
    // The screen the chart is made for; the dialog takes them from the window system.
    int screenWidth = 1024;
    int screenHeight = 768;
};

// The text of a date axis that starts on `date`: "YYYY:MM:DD:00:00:00".
QString dateAxisStart(const QDate& date);
