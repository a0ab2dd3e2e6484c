// Reading back the report and daily file of a run of many events and computing the seasonal high
// water table from them: what opening the output document costs after every model run.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"

namespace {

constexpr int kManyEvents = 36;

// A temporary folder with the report and daily file of a design of kManyEvents events.
class ManyEventRun {
public:
    ManyEventRun()
    {
        writeFile(dir.filePath("many.trn"), designProjectText(spreadEvents(kManyEvents)));
        printed = runModel(dir.path(), "many");
    }

    QString reportPath() const { return dir.filePath("many.OTR"); }

    QTemporaryDir dir;
    QByteArray printed;
};

void BM_ReadOutputAndComputeSeasonalHighWaterTable(benchmark::State& state)
{
    const ManyEventRun run;
    docview::MessageRecorder recorder;
    for (auto _ : state) {
        TransientOutputData output;
        if (!output.ReadData(run.reportPath())) {
            state.SkipWithError("the model's output did not read");
            break;
        }
        benchmark::DoNotOptimize(output.ComputeSeasonalHighWaterTable(0));
    }
    if (!recorder.messages().isEmpty()) state.SkipWithError(recorder.messages().join(' ').toStdString().c_str());
}
BENCHMARK(BM_ReadOutputAndComputeSeasonalHighWaterTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
