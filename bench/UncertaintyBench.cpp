// Run times of the uncertainty model: the reliability and the water-table moments of one design,
// a whole range of 50 depths x 100 spacings with the reliability table in-process, and the same
// project through the uncertainty program as a whole process.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DesignEvaluation.h"
#include "RiskProjectReader.h"
#include "TestRiskProjects.h"
#include "UncertaintyRun.h"
#include "WholeProcess.h"

namespace {

using namespace uncertainty;

const RiskProject kDesign = fixtures::checkValueProject();
const RiskProject kRange = fixtures::tableOfFiveThousandDesigns();

void reliabilityOfOneDesign(benchmark::State& state)
{
    const UncertainField field = uncertainFieldOf(kDesign);
    const Design design{kDesign.designDepth, kDesign.designSpacing};
    for (auto _ : state) benchmark::DoNotOptimize(reliability(field, design, kDesign.criticalDepth));
}
BENCHMARK(reliabilityOfOneDesign)->Unit(benchmark::kMicrosecond);

void waterTableMomentsOfOneDesign(benchmark::State& state)
{
    const UncertainField field = uncertainFieldOf(kDesign);
    const Design design{kDesign.designDepth, kDesign.designSpacing};
    for (auto _ : state) benchmark::DoNotOptimize(depthMoments(field, design));
}
BENCHMARK(waterTableMomentsOfOneDesign)->Unit(benchmark::kMicrosecond);

void reliabilityOfTheRange(benchmark::State& state)
{
    const UncertainField field = uncertainFieldOf(kRange);
    for (auto _ : state) benchmark::DoNotOptimize(evaluateRange(kRange, field));
}
BENCHMARK(reliabilityOfTheRange)->Unit(benchmark::kMillisecond);

void rangeWithTableInProcess(benchmark::State& state)
{
    for (auto _ : state) {
        RunOutcome outcome = runRiskAnalysis(kRange, "range.rsk");
        benchmark::DoNotOptimize(outcome.report.data());
        if (outcome.failed()) state.SkipWithError(outcome.errors[0].c_str());
    }
}
BENCHMARK(rangeWithTableInProcess)->Unit(benchmark::kMillisecond);

void rangeWithTableWholeProcess(benchmark::State& state)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "uncertainty-bench";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "range.rsk") << fixtures::rskText(kRange);
    runProcess(state, {UNCERTAINTY_BINARY, "range"}, dir);
    std::filesystem::remove_all(dir);
}
BENCHMARK(rangeWithTableWholeProcess)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
