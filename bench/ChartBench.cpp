// Building the water-table chart of a year of many events and drawing it into an 800 x 600 image:
// what pressing Plot in the report window costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "QtBenchmarkMain.h"
#include "chart/ChartComponent.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "data/OutputFiles.h"
#include "docview/MessageSink.h"
#include "output/WaterTableChart.h"

namespace {

// 366 days, a second row on each of 25 period ends: about 390 daily points.
constexpr int kManyEvents = 24;

class ManyEventRun {
public:
    ManyEventRun()
    {
        writeFile(dir.filePath("many.trn"), designProjectText(spreadEvents(kManyEvents)));
        runModel(dir.path(), "many");
        opened = document.OnOpenDocument(dir.filePath("many.OTR"));
    }

    QTemporaryDir dir;
    CZELMOutputDoc document;
    bool opened = false;
};

void BM_BuildAndRenderWaterTableChart(benchmark::State& state)
{
    ManyEventRun run;
    docview::MessageRecorder recorder;
    const auto chartYear = static_cast<zelm::YearMode>(state.range(0));
    for (auto _ : state) {
        GraphDlg* dialog = zelm::PlotWaterTable(run.document, chartYear);
        if (dialog == nullptr) {
            state.SkipWithError("the chart was not built");
            break;
        }
        benchmark::DoNotOptimize(dialog->GetChart()->ToImage(QSize(800, 600)));
        delete dialog;
    }
    state.counters["daily points"] = double(run.document.GetOutput().dailyDay.size());
    if (!run.opened || !recorder.messages().isEmpty())
        state.SkipWithError(recorder.messages().join(' ').toStdString().c_str());
}
BENCHMARK(BM_BuildAndRenderWaterTableChart)
    ->Arg(static_cast<int>(zelm::YearMode::TraditionalDrainageYear))
    ->Arg(static_cast<int>(zelm::YearMode::CalendarYear))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInAnApplication(argc, argv);
}
