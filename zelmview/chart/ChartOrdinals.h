// The chart component's properties by their getter and setter ordinals. The graph dialog sets them
// through ChartWrapper; the component keeps them by getter and draws from them. A setter of 0
// marks a property that can only be read.
#pragma once

namespace chart {

struct PropertyPair {
    int getter;
    int setter;
    int indexCount;  // 0, 1 or 2 integer indices after the handle
};

// Drawing and settings.
inline constexpr PropertyPair kDrawMode{19, 519, 0};
inline constexpr PropertyPair kChartName{140, 640, 0};
inline constexpr PropertyPair kSettingsFile{141, 641, 0};
inline constexpr PropertyPair kSelectValue{75, 575, 0};
inline constexpr PropertyPair kSelectionPending{962, 0, 0};
inline constexpr PropertyPair kGeometry{65, 0, 1};

// Shape of the chart.
inline constexpr PropertyPair kPointCount{40, 540, 0};
inline constexpr PropertyPair kSetCount{41, 541, 0};
inline constexpr PropertyPair kChartType{30, 530, 0};
inline constexpr PropertyPair kChartStyle{28, 528, 0};
inline constexpr PropertyPair kAutoLayout{139, 639, 0};
inline constexpr PropertyPair kAutoFonts{74, 574, 0};
inline constexpr PropertyPair kBorderStyle{79, 579, 0};
inline constexpr PropertyPair kExtraCode{983, 984, 0};
inline constexpr PropertyPair kExtraStyle{49, 549, 0};
inline constexpr PropertyPair kDrawingFlags{31, 531, 0};  // 2: markers at the points, 1: grid
inline constexpr PropertyPair kMarkerSize{103, 603, 0};
inline constexpr PropertyPair kLegendLayout{12, 901, 1};
inline constexpr PropertyPair kTitleLayout{108, 608, 0};
inline constexpr PropertyPair kAxesFrame{107, 607, 0};

// Data of the first group.
inline constexpr PropertyPair kValue{27, 909, 2};           // [set][point]
inline constexpr PropertyPair kXValue{58, 915, 2};          // [set][point]
inline constexpr PropertyPair kPointAttribute{21, 903, 2};  // [set][point]; kHiddenPoint is not drawn
inline constexpr PropertyPair kPointLabel{95, 922, 2};      // [set][point]
inline constexpr PropertyPair kPointLabelMode{94, 594, 0};  // 2: point labels shown
inline constexpr PropertyPair kXLabel{33, 910, 1};
inline constexpr PropertyPair kLegend{37, 911, 1};        // [set], the second group after the first
inline constexpr PropertyPair kSetStyleMode{50, 550, 0};  // >= 1: per-set styles apply
inline constexpr PropertyPair kSetStylesOff{44, 544, 0};
inline constexpr PropertyPair kSetStyle{43, 912, 1};
inline constexpr PropertyPair kSetColour{14, 902, 1};  // palette code per set (per point for type 3)

// Second group, drawn against the second axis.
inline constexpr PropertyPair kSecondAxis{110, 610, 0};  // 1: group 2 present, 2: second axis shown
inline constexpr PropertyPair kGroup2Type{112, 612, 0};
inline constexpr PropertyPair kGroup2Style{111, 611, 0};
inline constexpr PropertyPair kGroup2SetCount{113, 0, 0};
inline constexpr PropertyPair kGroup2Shared{119, 619, 0};
inline constexpr PropertyPair kGroup2Layout{116, 616, 0};
inline constexpr PropertyPair kGroup2Colour{115, 615, 0};
inline constexpr PropertyPair kGroup2Value{114, 930, 2};
inline constexpr PropertyPair kGroup2XValue{994, 996, 2};
inline constexpr PropertyPair kGroup2Attribute{997, 999, 2};
inline constexpr PropertyPair kRightTitle{122, 622, 0};
inline constexpr PropertyPair kRightTitleCode{123, 623, 0};

// Titles.
inline constexpr PropertyPair kTitle{29, 529, 0};
inline constexpr PropertyPair kLeftTitle{36, 536, 0};
inline constexpr PropertyPair kXTitle{13, 513, 0};

// x axis.
inline constexpr PropertyPair kXMin{54, 554, 0};
inline constexpr PropertyPair kXMax{53, 553, 0};
inline constexpr PropertyPair kXScaleMode{56, 556, 0};  // 2: the range set
inline constexpr PropertyPair kXDivisions{57, 557, 0};
inline constexpr PropertyPair kXCode{130, 630, 0};
inline constexpr PropertyPair kLabelInterval{34, 534, 0};
inline constexpr PropertyPair kLabelStep{51, 551, 0};
inline constexpr PropertyPair kFirstShownPoint{142, 642, 0};
inline constexpr PropertyPair kLastShownPoint{143, 643, 0};

// y axes, index 0 left and 1 second.
inline constexpr PropertyPair kYMin{60, 917, 1};
inline constexpr PropertyPair kYMax{59, 916, 1};
inline constexpr PropertyPair kYScaleMode{62, 919, 1};  // 2: the range set
inline constexpr PropertyPair kCustomLabelCode{131, 931, 1};
inline constexpr PropertyPair kCustomLabelCount{63, 920, 1};
inline constexpr PropertyPair kCustomLabel{132, 932, 2};  // [axis][label]

// Date x axis.
inline constexpr PropertyPair kDateAxis{106, 606, 0};
inline constexpr PropertyPair kDateStart{987, 988, 0};
inline constexpr PropertyPair kDateStep{989, 990, 0};
inline constexpr PropertyPair kDateFormat{148, 648, 0};
inline constexpr PropertyPair kDateLabelMode{985, 986, 0};

inline constexpr PropertyPair kAllProperties[] = {
    kDrawMode,
    kChartName,
    kSettingsFile,
    kSelectValue,
    kSelectionPending,
    kGeometry,
    kPointCount,
    kSetCount,
    kChartType,
    kChartStyle,
    kAutoLayout,
    kAutoFonts,
    kBorderStyle,
    kExtraCode,
    kExtraStyle,
    kDrawingFlags,
    kMarkerSize,
    kLegendLayout,
    kTitleLayout,
    kAxesFrame,
    kValue,
    kXValue,
    kPointAttribute,
    kPointLabel,
    kPointLabelMode,
    kXLabel,
    kLegend,
    kSetStyleMode,
    kSetStylesOff,
    kSetStyle,
    kSetColour,
    kSecondAxis,
    kGroup2Type,
    kGroup2Style,
    kGroup2SetCount,
    kGroup2Shared,
    kGroup2Layout,
    kGroup2Colour,
    kGroup2Value,
    kGroup2XValue,
    kGroup2Attribute,
    kRightTitle,
    kRightTitleCode,
    kTitle,
    kLeftTitle,
    kXTitle,
    kXMin,
    kXMax,
    kXScaleMode,
    kXDivisions,
    kXCode,
    kLabelInterval,
    kLabelStep,
    kFirstShownPoint,
    kLastShownPoint,
    kYMin,
    kYMax,
    kYScaleMode,
    kCustomLabelCode,
    kCustomLabelCount,
    kCustomLabel,
    kDateAxis,
    kDateStart,
    kDateStep,
    kDateFormat,
    kDateLabelMode,
};

// Draw modes.
inline constexpr int kDrawModeConfigure = 3;
inline constexpr int kDrawModeLoadSettings = 9;
inline constexpr int kDrawModeDraw = 2;
inline constexpr int kDrawModeRedraw = 10;

// Point attribute of a point that is not drawn.
inline constexpr int kHiddenPoint = 128;
// A scale mode of 2 takes the range that was set.
inline constexpr int kScaleModeSet = 2;

// Mouse notification sent to the dialog, its first parameter for mouse events, and event kinds.
inline constexpr int kMouseMessage = 0x401;
inline constexpr int kNextGraphMessage = 0x403;
inline constexpr int kHitMessage = 0x405;
inline constexpr int kRedrawMessage = 0x406;
inline constexpr int kMouseEventParam = 2;
inline constexpr int kEventClick = 1;
inline constexpr int kEventRangeOpen = 4;
inline constexpr int kEventRangeClose = 2;

// Zoom flags: corners in pixels of the chart window, and redraw.
inline constexpr int kZoomPixels = 512;

// Geometry values on getter 65.
enum GeometryIndex : int {
    kPlotLeft = 0,
    kPlotTop = 1,
    kPlotRight = 2,
    kPlotBottom = 3,
    kShownXMin = 4,
    kShownXMax = 5,
    kZoomed = 6,
};

}  // namespace chart
