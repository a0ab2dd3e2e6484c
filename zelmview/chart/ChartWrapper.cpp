#include "chart/ChartWrapper.h"

#include "chart/ChartComponent.h"

ChartWrapper::ChartWrapper(chart::ChartComponent* chart)
    : handle(chart),
      drawMode(*this, chart::kDrawMode),
      chartName(*this, chart::kChartName),
      settingsFile(*this, chart::kSettingsFile),
      selectValue(*this, chart::kSelectValue),
      selectionPending(*this, chart::kSelectionPending),
      geometry(*this, chart::kGeometry),
      pointCount(*this, chart::kPointCount),
      setCount(*this, chart::kSetCount),
      chartType(*this, chart::kChartType),
      chartStyle(*this, chart::kChartStyle),
      autoLayout(*this, chart::kAutoLayout),
      autoFonts(*this, chart::kAutoFonts),
      borderStyle(*this, chart::kBorderStyle),
      extraCode(*this, chart::kExtraCode),
      extraStyle(*this, chart::kExtraStyle),
      drawingFlags(*this, chart::kDrawingFlags),
      markerSize(*this, chart::kMarkerSize),
      legendLayout(*this, chart::kLegendLayout),
      titleLayout(*this, chart::kTitleLayout),
      axesFrame(*this, chart::kAxesFrame),
      value(*this, chart::kValue),
      xValue(*this, chart::kXValue),
      pointAttribute(*this, chart::kPointAttribute),
      pointLabel(*this, chart::kPointLabel),
      pointLabelMode(*this, chart::kPointLabelMode),
      xLabel(*this, chart::kXLabel),
      legend(*this, chart::kLegend),
      setStyleMode(*this, chart::kSetStyleMode),
      setStylesOff(*this, chart::kSetStylesOff),
      setStyle(*this, chart::kSetStyle),
      setColour(*this, chart::kSetColour),
      secondAxis(*this, chart::kSecondAxis),
      group2Type(*this, chart::kGroup2Type),
      group2Style(*this, chart::kGroup2Style),
      group2SetCount(*this, chart::kGroup2SetCount),
      group2Shared(*this, chart::kGroup2Shared),
      group2Layout(*this, chart::kGroup2Layout),
      group2Colour(*this, chart::kGroup2Colour),
      group2Value(*this, chart::kGroup2Value),
      group2XValue(*this, chart::kGroup2XValue),
      group2Attribute(*this, chart::kGroup2Attribute),
      rightTitle(*this, chart::kRightTitle),
      rightTitleCode(*this, chart::kRightTitleCode),
      title(*this, chart::kTitle),
      leftTitle(*this, chart::kLeftTitle),
      xTitle(*this, chart::kXTitle),
      xMin(*this, chart::kXMin),
      xMax(*this, chart::kXMax),
      xScaleMode(*this, chart::kXScaleMode),
      xDivisions(*this, chart::kXDivisions),
      xCode(*this, chart::kXCode),
      labelInterval(*this, chart::kLabelInterval),
      labelStep(*this, chart::kLabelStep),
      firstShownPoint(*this, chart::kFirstShownPoint),
      lastShownPoint(*this, chart::kLastShownPoint),
      yMin(*this, chart::kYMin),
      yMax(*this, chart::kYMax),
      yScaleMode(*this, chart::kYScaleMode),
      customLabelCode(*this, chart::kCustomLabelCode),
      customLabelCount(*this, chart::kCustomLabelCount),
      customLabel(*this, chart::kCustomLabel),
      dateAxis(*this, chart::kDateAxis),
      dateStart(*this, chart::kDateStart),
      dateStep(*this, chart::kDateStep),
      dateFormat(*this, chart::kDateFormat),
      dateLabelMode(*this, chart::kDateLabelMode)
{
}

void ChartWrapper::Select()
{
    if (handle != nullptr) handle->Select(selectWord);
}

int ChartWrapper::RequestMouseNotification(std::function<void(int, int)> sink, int message, int mode)
{
    Select();
    return handle != nullptr ? handle->RequestMouseNotification(std::move(sink), message, mode) : -1;
}

int ChartWrapper::MouseEventKind()
{
    Select();
    return handle != nullptr ? handle->MouseEventKind() : 0;
}

double ChartWrapper::CursorX()
{
    Select();
    return handle != nullptr ? handle->CursorX() : 0.0;
}

double ChartWrapper::CursorY()
{
    Select();
    return handle != nullptr ? handle->CursorY() : 0.0;
}

int ChartWrapper::Zoom(double x1, double y1, double x2, double y2, int flags, int redraw)
{
    Select();
    return handle != nullptr ? handle->Zoom(x1, y1, x2, y2, flags, redraw) : -1;
}
