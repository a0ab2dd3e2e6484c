// The water-table chart behind the output view's Plot: one year of the computed water table over
// a date axis, the event-by-event line and the daily heights, and for bench and bottomland projects
// the seasonal high water table and the bench and bottomland criterion. The left axis reads as depth
// below the surface, the second axis as height above the drain; both reach down to the lowest line
// drawn, so a criterion below a shallow drain is drawn too.
#pragma once

#include <QString>

#include "data/EventCalendar.h"

class CZELMOutputDoc;
class QDate;
class GraphDlg;
struct GraphDescription;
class TransientOutputData;
class ZELMData;

namespace zelm {

// Describes the chart of the year `chartYear`. Throws std::invalid_argument when the last event's date is
// invalid, the results are empty, or the calendar year cannot be formed; the description is then incomplete.
void fillWaterTableChart(GraphDescription& graph, const ZELMData& input, TransientOutputData& output,
                         YearMode chartYear);

// The chart window's title: the project's name and the year shown, "hillcrest-design - Traditional
// Drainage Year from September 15, 1981" or "... - Calendar Year 1982".
QString waterTableCaption(const QString& projectName, YearMode chartYear, const QDate& lastEvent);

// Plot: builds the chart of `document` and opens it modeless and without parent; it deletes itself
// when closed. Returns null after one message when the chart cannot be built.
GraphDlg* PlotWaterTable(CZELMOutputDoc& document, YearMode chartYear);

}  // namespace zelm
