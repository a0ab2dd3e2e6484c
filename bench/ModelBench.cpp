// Model run times: one design run and one analysis run of each example in-process, and the zelm
// program as a whole process on the English example beside a trivial program's start-up.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InputReader.h"
#include "ModelRun.h"
#include "WholeProcess.h"

namespace {

const std::filesystem::path kExamples = ZELM_EXAMPLES_DIR;
const char* const kExampleNames[] = {"hillcrest-design", "polder-analysis", "terrace-on-barrier"};

zelm::ProjectInput example(int index, int inputMode)
{
    zelm::ProjectInput project =
        zelm::readProjectFile((kExamples / (std::string(kExampleNames[index]) + ".trn")).string());
    if (inputMode == 1 && project.drainSpacing <= 0.0f) project.drainSpacing = zelm::simulate(project).lastPass->S;
    project.inputMode = inputMode;
    return project;
}

void runModelInProcess(benchmark::State& state)
{
    const zelm::ProjectInput project = example(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    state.SetLabel(std::string(kExampleNames[state.range(0)]) + (state.range(1) == 0 ? " design" : " analysis"));
    for (auto _ : state) {
        zelm::Simulation run = zelm::simulate(project);
        benchmark::DoNotOptimize(run.report.data());
        if (run.failed()) state.SkipWithError(run.error.c_str());
    }
}
BENCHMARK(runModelInProcess)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

void zelmWholeProcess(benchmark::State& state)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zelm-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(kExamples / "hillcrest-design.trn", dir / "hillcrest-design.trn",
                               std::filesystem::copy_options::overwrite_existing);
    runProcess(state, {ZELM_BINARY, "hillcrest-design"}, dir);
    std::filesystem::remove_all(dir);
}
BENCHMARK(zelmWholeProcess)->Unit(benchmark::kMillisecond);

void trivialProgramStartUp(benchmark::State& state)
{
    runProcess(state, {TRIVIAL_PROGRAM}, std::filesystem::temp_directory_path());
}
BENCHMARK(trivialProgramStartUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
