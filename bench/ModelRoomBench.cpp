// The models in process as the live panels and the sensitivity study call them: a transient project
// from the editor's data to its results (the input as a save writes it, the run, the values), with
// and without the texts of the report; a risk project's given design; and a range of designs.
#include <benchmark/benchmark.h>

#include <QString>

#include "data/ExampleProjects.h"
#include "model/RiskModel.h"
#include "model/TransientModel.h"

namespace {

const char* const kTransientExamples[] = {"hillcrest-design", "polder-analysis", "terrace-on-barrier"};
const char* const kRiskExamples[] = {"terrace-given-design", "bottomland-reliability-table",
                                     "polder-wheat-loss-function"};

template <typename Project>
Project example(benchmark::State& state, const char* const* names, const char* extension)
{
    const char* name = names[state.range(0)];
    state.SetLabel(name);
    return exampleProject<Project>(QLatin1String(name), QLatin1String(extension));
}

ZELMData transientExample(benchmark::State& state)
{
    return example<ZELMData>(state, kTransientExamples, ".trn");
}

RiskData riskExample(benchmark::State& state)
{
    return example<RiskData>(state, kRiskExamples, ".rsk");
}

void transientInputOnly(benchmark::State& state)
{
    const ZELMData project = transientExample(state);
    for (auto _ : state) benchmark::DoNotOptimize(model::transientInput(project));
}
BENCHMARK(transientInputOnly)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void transientResult(benchmark::State& state)
{
    const ZELMData project = transientExample(state);
    for (auto _ : state) {
        const model::TransientResult result = model::runTransient(project);
        if (result.failed()) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.spacing);
    }
}
BENCHMARK(transientResult)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A given design of each example: its reliability, moments and cost.
void riskGivenDesign(benchmark::State& state)
{
    RiskData project = riskExample(state);
    project.evaluation = RiskData::Evaluation::GivenDesign;
    for (auto _ : state) {
        const model::RiskOutcome outcome = model::analyseRisk(project);
        if (outcome.failed()) state.SkipWithError(outcome.errors.front().c_str());
        benchmark::DoNotOptimize(outcome.results->fixedDesign);
    }
}
BENCHMARK(riskGivenDesign)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// The range of each range example as it stands.
void riskRange(benchmark::State& state)
{
    const RiskData project = riskExample(state);
    for (auto _ : state) {
        const model::RiskOutcome outcome = model::analyseRisk(project);
        if (outcome.failed()) state.SkipWithError(outcome.errors.front().c_str());
        benchmark::DoNotOptimize(outcome.results);
    }
}
BENCHMARK(riskRange)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
