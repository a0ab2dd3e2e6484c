// The event plot behind the transient input form's Plot: the deep-percolation events of the
// project on a date axis of 1982, each labelled month/day.
#pragma once

class GraphDlg;
struct GraphDescription;
class QWidget;
class ZELMData;

namespace zelm {

// Describes the chart of events already in calendar order.
void fillDeepPercolationChart(GraphDescription& graph, const ZELMData& data);

// Plot: puts the project's events in calendar order (in `data` itself, as saving does), then opens
// the chart modeless over `parent`; it deletes itself when closed. Returns null after one message
// when an event has no month or day yet or an invalid date.
GraphDlg* PlotDeepPercolation(ZELMData& data, QWidget* parent);

}  // namespace zelm
