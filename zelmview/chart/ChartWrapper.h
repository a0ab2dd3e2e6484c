// The graph dialog's handle on its chart: the chart window (first word), the value passed to the
// component's select call (second word; nothing sets it), and one ChartProperty per property.
#pragma once

#include <functional>

#include "chart/ChartProperty.h"

namespace chart {
class ChartComponent;
}

class ChartWrapper {
public:
    explicit ChartWrapper(chart::ChartComponent* chart);
    ChartWrapper(const ChartWrapper&) = delete;
    ChartWrapper& operator=(const ChartWrapper&) = delete;

    // The component's select call, made before each of its mouse and zoom operations.
    void Select();
    // Mouse notification, event kind, cursor and zoom of the component, each after Select.
    int RequestMouseNotification(std::function<void(int, int)> sink, int message, int mode);
    int MouseEventKind();
    double CursorX();
    double CursorY();
    int Zoom(double x1, double y1, double x2, double y2, int flags, int redraw);

    chart::ChartComponent* handle;
    int selectWord = 0;

    ChartProperty drawMode;
    ChartProperty chartName;
    ChartProperty settingsFile;
    ChartProperty selectValue;
    ChartProperty selectionPending;
    ChartProperty geometry;
    ChartProperty pointCount;
    ChartProperty setCount;
    ChartProperty chartType;
    ChartProperty chartStyle;
    ChartProperty autoLayout;
    ChartProperty autoFonts;
    ChartProperty borderStyle;
    ChartProperty extraCode;
    ChartProperty extraStyle;
    ChartProperty drawingFlags;
    ChartProperty markerSize;
    ChartProperty legendLayout;
    ChartProperty titleLayout;
    ChartProperty axesFrame;
    ChartProperty value;
    ChartProperty xValue;
    ChartProperty pointAttribute;
    ChartProperty pointLabel;
    ChartProperty pointLabelMode;
    ChartProperty xLabel;
    ChartProperty legend;
    ChartProperty setStyleMode;
    ChartProperty setStylesOff;
    ChartProperty setStyle;
    ChartProperty setColour;
    ChartProperty secondAxis;
    ChartProperty group2Type;
    ChartProperty group2Style;
    ChartProperty group2SetCount;
    ChartProperty group2Shared;
    ChartProperty group2Layout;
    ChartProperty group2Colour;
    ChartProperty group2Value;
    ChartProperty group2XValue;
    ChartProperty group2Attribute;
    ChartProperty rightTitle;
    ChartProperty rightTitleCode;
    ChartProperty title;
    ChartProperty leftTitle;
    ChartProperty xTitle;
    ChartProperty xMin;
    ChartProperty xMax;
    ChartProperty xScaleMode;
    ChartProperty xDivisions;
    ChartProperty xCode;
    ChartProperty labelInterval;
    ChartProperty labelStep;
    ChartProperty firstShownPoint;
    ChartProperty lastShownPoint;
    ChartProperty yMin;
    ChartProperty yMax;
    ChartProperty yScaleMode;
    ChartProperty customLabelCode;
    ChartProperty customLabelCount;
    ChartProperty customLabel;
    ChartProperty dateAxis;
    ChartProperty dateStart;
    ChartProperty dateStep;
    ChartProperty dateFormat;
    ChartProperty dateLabelMode;
};
