#include "chart/GraphBuilder.h"

#include <QFileInfo>
#include <algorithm>

#include "chart/ChartWrapper.h"
#include "chart/GraphDescription.h"
#include "docview/MessageSink.h"

namespace {

// Charts of up to this many points show a marker at every point.
constexpr int kMarkerPointLimit = 60;
constexpr int kLabelsPerPoints = 50;
// Width in pixels of one character of an x label, for the label interval.
constexpr int kLabelCharWidth = 6;
// A date step with hours and minutes ("0000:00:30:12:00:00") is this long or longer.
constexpr int kStepWithTime = 17;
constexpr int kMarkerSize = 2;
constexpr int kBorderStyle = 2;
constexpr int kSecondAxisShown = 2;
constexpr int kSecondGroupOnly = 1;
constexpr int kSecondGroupLayout = 3;
constexpr int kPointLabelsShown = 2;

// Interval of x labels so that labels of `longest` characters do not overlap.
int labelSpacing(int labelCount, int longest, int screenWidth)
{
    const int k = labelCount * longest * kLabelCharWidth / std::max(1, screenWidth);
    if (k <= 1) return 1;
    if (k < 5) return 3;
    if (k < 11) return 6;
    return (k / 12 + 1) * 12;
}

}  // namespace

bool GraphBuilder::SettingsFileOpens() const
{
    const QFileInfo file(graph.SettingsFile());
    return !graph.chartName.isEmpty() && file.isFile() && file.isReadable();
}

bool GraphBuilder::ColouredPointByPoint() const
{
    return graph.chartType == chart::kChartTypePointColours && graph.setCount == 1;
}

void GraphBuilder::Build()
{
    w.drawMode.Set(chart::kDrawModeConfigure);
    bool restore = true;
    if (SettingsFileOpens()) w.drawMode.Set(chart::kDrawModeLoadSettings);
    if (w.pointCount.GetInt() != graph.pointCount) restore = false;

    w.autoLayout.Set(1);
    w.autoFonts.Set(1);
    w.borderStyle.Set(kBorderStyle);
    FillLeftRangeFromData();
    SizeXLabels();

    w.pointCount.Set(graph.pointCount);
    w.setCount.Set(graph.setCount);
    w.chartType.Set(graph.chartType);
    w.chartStyle.Set(graph.chartStyle);
    SendXRange();
    SendYBounds();

    w.extraCode.Set(graph.extraCode);
    w.xDivisions.Set(graph.xDivisions);
    w.xCode.Set(-graph.xCode);
    w.customLabelCode[0].Set(-graph.customLabels[0].axisCode);
    w.customLabelCode[1].Set(-graph.customLabels[1].axisCode);
    SendCustomLabels();
    SendSetStyles();
    SendSetLists();

    w.setStyleMode.Set(graph.setStyleMode);
    w.markerSize.Set(kMarkerSize);
    w.drawingFlags.Set((graph.drawMarkersFlag && graph.pointCount <= kMarkerPointLimit ? 2 : 0) +
                       (graph.drawGridFlag ? 1 : 0));
    SendPointColours();
    SendGroup2Codes();
    SendDateAxis();
    SendLabelInterval();
    SendLegends();
    SendSecondAxisTitle();
    w.legendLayout[0].Set(graph.layoutCodes[0]);
    w.titleLayout.Set(graph.layoutCodes[1]);

    if (restore && SettingsFileOpens()) {
        w.drawMode.Set(chart::kDrawModeLoadSettings);
        w.drawMode.Set(chart::kDrawModeDraw);
    }
    if (w.pointCount.GetInt() != graph.pointCount) docview::showMessage(QStringLiteral("Graph is out of whack."));
    w.pointCount.Set(graph.pointCount);
    w.setCount.Set(graph.setCount);

    // Point labels and x labels may go together (the reliability chart labels its points with
    // their depth and its x axis with their reliability).
    if (graph.hasPointLabels) w.pointLabelMode.Set(kPointLabelsShown);
    for (int i = 0; i < graph.xLabels.size(); ++i) w.xLabel[i].Set(graph.xLabels.at(i));
    if (graph.yScaleMode == -1) SendYBounds();
    if (graph.extraStyleCode > 0) w.extraStyle.Set(graph.extraStyleCode);

    w.firstShownPoint.Set(0);
    w.lastShownPoint.Set(0);
}

void GraphBuilder::FillLeftRangeFromData()
{
    double low = 10000.0;
    double high = -10000.0;
    for (double value : graph.values) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (low > 0.0 && low < high) low = 0.0;
    if (!GraphDescription::IsSet(graph.axisRange[2])) graph.axisRange[2] = low;
    if (!GraphDescription::IsSet(graph.axisRange[3])) graph.axisRange[3] = high;
}

void GraphBuilder::SizeXLabels()
{
    if (!graph.useXLabels || graph.xLabels.isEmpty() || graph.labelCount < 1) return;
    qsizetype longest = 0;
    for (const QString& label : graph.xLabels) longest = std::max(longest, label.size());
    const int interval =
        (graph.pointCount / graph.labelCount) * labelSpacing(graph.labelCount, int(longest), graph.screenWidth);
    w.labelInterval.Set(interval);
    w.labelStep.Set(interval);
}

void GraphBuilder::SendXRange()
{
    if (GraphDescription::IsSet(graph.axisRange[0])) {
        w.xMin.Set(graph.axisRange[0]);
        w.xScaleMode.Set(chart::kScaleModeSet);
    }
    if (GraphDescription::IsSet(graph.axisRange[1])) {
        w.xMax.Set(graph.axisRange[1]);
        w.xScaleMode.Set(chart::kScaleModeSet);
    }
}

void GraphBuilder::SendYBounds()
{
    if (graph.yScaleMode != -1) {
        w.yScaleMode[0].Set(graph.yScaleMode);
        return;
    }
    for (int axis = 0; axis < 2; ++axis) {
        const double low = graph.axisRange[2 + 2 * axis];
        const double high = graph.axisRange[3 + 2 * axis];
        if (GraphDescription::IsSet(low)) {
            w.yMin[axis].Set(low);
            w.yScaleMode[axis].Set(chart::kScaleModeSet);
        }
        if (GraphDescription::IsSet(high)) {
            w.yMax[axis].Set(high);
            w.yScaleMode[axis].Set(chart::kScaleModeSet);
        }
    }
}

void GraphBuilder::SendCustomLabels()
{
    for (int axis = 0; axis < 2; ++axis) {
        const GraphDescription::CustomLabels& labels = graph.customLabels[axis];
        if (labels.flag) w.customLabelCount[axis].Set(labels.count);
        if (labels.texts.isEmpty() || labels.count < 0) continue;
        // Labels 0 to count inclusive; a shorter list sends what it holds.
        for (int i = 0; i <= labels.count && i < labels.texts.size(); ++i)
            w.customLabel(axis, i).Set(labels.texts.at(i));
    }
}

void GraphBuilder::SendSetStyles()
{
    if (graph.setStyles.isEmpty()) {
        w.setStyleMode.Set(graph.setStyleMode);
        return;
    }
    w.setStylesOff.Set(graph.setStyleMode == 0 ? 1 : 0);
    w.setStyleMode.Set(graph.setStyleMode == 0 ? 0 : 1);
    for (int s = 0; s < graph.setCount && s < graph.setStyles.size(); ++s) w.setStyle[s].Set(graph.setStyles.at(s));
}

void GraphBuilder::SendSetLists()
{
    if (!graph.applySetLists) return;
    for (int s = 0; s < graph.setCount && s < graph.setMarkers.size(); ++s) w.setColour[s].Set(graph.setMarkers.at(s));
    for (int s = 0; s < graph.group2SetCount && s < graph.group2Markers.size(); ++s)
        w.group2Colour.Set(graph.group2Markers.at(s));
}

void GraphBuilder::SendPointColours()
{
    // A chart of one set coloured point by point is blue throughout unless the caller chose.
    if (!ColouredPointByPoint() || !graph.setMarkers.isEmpty()) return;
    graph.setMarkers = QList<int>(graph.pointCount, chart::kPaletteBlue);
    for (int p = 0; p < graph.pointCount; ++p) w.setColour[p].Set(graph.setMarkers.at(p));
}

void GraphBuilder::SendGroup2Codes()
{
    if (graph.group2SetCount <= 0) return;
    w.secondAxis.Set(kSecondAxisShown);
    w.group2Type.Set(graph.group2Type);
    w.group2Style.Set(graph.group2Style);
    w.group2SetCount.Set(graph.group2SetCount);  // read-only: the component counts the sets it is given
    w.group2Shared.Set(1);
    w.group2Layout.Set(kSecondGroupLayout);
}

void GraphBuilder::SendDateAxis()
{
    if (graph.dateMode > -1) w.dateAxis.Set(1);
    if (graph.dateStart.isEmpty()) return;
    w.dateStart.Set(graph.dateStart);
    w.dateStep.Set(graph.dateStep);
    w.dateAxis.Set(1);
    // A step with hours and minutes is shown with the time of day.
    if (graph.dateStep.size() < kStepWithTime) {
        w.dateFormat.Set(QStringLiteral("m/d/yy"));
        w.dateLabelMode.Set(chart::kDateLabelDate);
    } else {
        w.dateFormat.Set(QStringLiteral("m/d/yy hh:nn"));
        w.dateLabelMode.Set(chart::kDateLabelDateAndTime);
    }
    if (graph.dateLabelMode > -1) w.dateLabelMode.Set(graph.dateLabelMode);
    if (!graph.dateFormat.isEmpty()) w.dateFormat.Set(graph.dateFormat);
}

void GraphBuilder::SendLabelInterval()
{
    // An automatic interval is worked out now and sent from the next build on.
    if (graph.labelEvery < 1) {
        graph.labelEvery = graph.pointCount / kLabelsPerPoints + 1;
        return;
    }
    w.labelInterval.Set(graph.labelEvery);
    w.labelStep.Set(graph.labelEvery);
}

void GraphBuilder::SendLegends()
{
    if (ColouredPointByPoint()) return;
    for (int s = 0; s < graph.setCount && s < graph.setLegends.size(); ++s) w.legend[s].Set(graph.setLegends.at(s));
    for (int k = 0; k < graph.group2SetCount && k < graph.group2Legends.size(); ++k)
        w.legend[graph.setCount + k].Set(graph.group2Legends.at(k));
}

void GraphBuilder::SendSecondAxisTitle()
{
    w.axesFrame.Set(1);
    if (!graph.rightTitle.isEmpty()) {
        w.rightTitle.Set(graph.rightTitle);
        w.rightTitleCode.Set(graph.rightTitleCode);
        w.secondAxis.Set(kSecondAxisShown);
    } else if (graph.group2SetCount > 0) {
        w.secondAxis.Set(kSecondGroupOnly);
    }
    if (!graph.rightTitle.isEmpty() || graph.group2SetCount > 0) w.group2Attribute(0, 0).Set(0);
}

void GraphBuilder::Show()
{
    const int g = graph.currentGraph;
    if (g < 0 || g >= graph.graphCount) return;
    for (int p = 0; p < graph.pointCount; ++p) {
        for (int s = 0; s < graph.setCount; ++s) {
            w.value(s, p).Set(graph.values.at(g, s, p));
            if (graph.hasXValues) w.xValue(s, p).Set(graph.xValues.at(g, s, p));
            w.pointAttribute(s, p).Set(graph.pointStyles.at(g, s, p));
            if (graph.hasPointLabels && graph.pointLabels.Contains(g, s, p))
                w.pointLabel(s, p).Set(graph.pointLabels.at(g, s, p));
        }
        for (int s = 0; s < graph.group2SetCount; ++s) {
            if (graph.group2Values.Contains(g, s, p)) w.group2Value(s, p).Set(graph.group2Values.at(g, s, p));
            if (graph.group2HasXValues && graph.group2XValues.Contains(g, s, p))
                w.group2XValue(s, p).Set(graph.group2XValues.at(g, s, p));
            if (graph.group2PointStyles.Contains(g, s, p))
                w.group2Attribute(s, p).Set(graph.group2PointStyles.at(g, s, p));
        }
    }
    const QString title = graph.titles.value(g);
    w.title.Set(ColouredPointByPoint() ? title + QStringLiteral(" -- ") + graph.setLegends.value(0) : title);
    w.leftTitle.Set(graph.yTitles.value(g));
    w.xTitle.Set(graph.xTitles.value(g));
    w.drawMode.Set(chart::kDrawModeDraw);
}
