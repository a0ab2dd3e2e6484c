// The sensitivity window's computations on each transient example: a whole tornado at 20 %, and a
// sweep of 100 values of the permeability from half to twice its value.
#include <benchmark/benchmark.h>

#include <QString>

#include "data/ExampleProjects.h"
#include "model/Sensitivity.h"

namespace {

const char* const kExamples[] = {"hillcrest-design", "polder-analysis", "terrace-on-barrier"};

ZELMData example(benchmark::State& state)
{
    const char* name = kExamples[state.range(0)];
    state.SetLabel(name);
    return exampleProject<ZELMData>(QLatin1String(name), QStringLiteral(".trn"));
}

void wholeTornado(benchmark::State& state)
{
    const ZELMData project = example(state);
    for (auto _ : state) {
        const model::Tornado study = model::tornado(project, 20.0);
        if (study.base.refused()) state.SkipWithError(study.base.error.c_str());
        benchmark::DoNotOptimize(study.bars.data());
    }
}
BENCHMARK(wholeTornado)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void permeabilitySweep(benchmark::State& state)
{
    const ZELMData project = example(state);
    for (auto _ : state) {
        const auto points = model::sweep(project, model::StudyInput::Permeability, project.permeability / 2.0,
                                         project.permeability * 2.0, 100);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(permeabilitySweep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
