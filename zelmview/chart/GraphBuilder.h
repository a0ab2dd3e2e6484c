// Turns a GraphDescription into the chart component's properties through its ChartWrapper:
// Build configures the chart (counts, type and style, ranges, labels, set styles and colours, the
// second group, the date axis, legends and titles, the settings file); Show pushes the current
// graph's points and titles and draws. Build keeps in the
// description what it decides: the automatic label interval and the point colours of a chart of
// one set coloured point by point.
#pragma once

class ChartWrapper;
struct GraphDescription;

class GraphBuilder {
public:
    GraphBuilder(GraphDescription& graph, ChartWrapper& wrapper) : graph(graph), w(wrapper) {}

    void Build();
    void Show();

private:
    bool SettingsFileOpens() const;
    void FillLeftRangeFromData();
    void SizeXLabels();
    void SendXRange();
    void SendYBounds();
    void SendCustomLabels();
    void SendSetStyles();
    void SendSetLists();
    void SendPointColours();
    void SendGroup2Codes();
    void SendDateAxis();
    void SendLabelInterval();
    void SendLegends();
    void SendSecondAxisTitle();
    bool ColouredPointByPoint() const;

    GraphDescription& graph;
    ChartWrapper& w;
};
