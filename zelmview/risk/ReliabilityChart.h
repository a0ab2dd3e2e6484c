// The reliability chart behind the risk output view's Plot: the total cost of the designs of the
// reliability table against the reliability they were designed for, and their spacing against the
// second axis.
#pragma once

#include <QList>

#include "data/RiskData.h"

class CRiskOutputDoc;
class GraphDlg;
struct GraphDescription;
struct RiskOutputRangeSpacingItem;

namespace zelm {

// Describes the chart of `rows` (at least one) for a project in `units`.
void fillReliabilityChart(GraphDescription& graph, const QList<RiskOutputRangeSpacingItem>& rows,
                          RiskData::Units units);

// Plot: opens the chart of `document` modeless and without parent; it deletes itself when closed.
// A report whose table has no rows gets a message instead and null.
GraphDlg* PlotReliability(CRiskOutputDoc& document);

}  // namespace zelm
