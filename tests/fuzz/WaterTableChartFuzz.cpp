// The chart year builder on whatever the report, daily file and project readers let through: the
// output document is opened on the three files (one after another in the input, as for the output
// reader's target) and the water-table chart of both years is described from it. A chart that
// cannot be formed is refused with std::invalid_argument; one that is formed keeps its shape.
#include <cstdint>
#include <stdexcept>

#include "FuzzFiles.h"
#include "chart/ChartCodes.h"
#include "chart/GraphDescription.h"
#include "data/CZELMOutputDoc.h"
#include "data/EventCalendar.h"
#include "docview/MessageSink.h"
#include "output/WaterTableChart.h"

namespace {

void checkShape(const GraphDescription& graph)
{
    fuzz::require(graph.graphCount == 1, "the chart holds one graph");
    fuzz::require(graph.setCount == 2 || graph.setCount == 4, "two sets, or four with the bench criteria");
    fuzz::require(graph.pointCount >= 1, "the sets have points");
    fuzz::require(graph.customLabels[0].axisCode == chart::kAxisCodeDepthBelowTop,
                  "the left axis reads as depth below the surface");
    fuzz::require(!(graph.axisRange[2] > 0.0) && graph.axisRange[4] == graph.axisRange[2],
                  "both value axes reach down from the surface as far as the lowest line");
    fuzz::require(graph.axisRange[1] > graph.axisRange[0], "the year spans a positive range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString report = fuzz::writeOutputFiles(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    docview::MessageRecorder recorder;
    CZELMOutputDoc document;
    document.OnOpenDocument(report);
    for (const zelm::YearMode year : {zelm::YearMode::TraditionalDrainageYear, zelm::YearMode::CalendarYear}) {
        GraphDescription graph;
        try {
            zelm::fillWaterTableChart(graph, document.GetInput(), document.GetOutput(), year);
        } catch (const std::invalid_argument&) {
            continue;
        }
        checkShape(graph);
    }
    return 0;
}
