// The uncertainty model on a risk project image, all in memory: its reader, the checks, and the
// run of a project whose range is small. A run that fails says why in error lines and has no
// report; a run that succeeds has a report whose two machine-read sections read back, as the
// desktop program reads them, to finite numbers.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "GridRange.h"
#include "GuiReportReader.h"
#include "InputChecks.h"
#include "ModelError.h"
#include "RiskProjectReader.h"
#include "UncertaintyRun.h"

namespace {

// A run of more designs or levels would take the fuzzer's time from the inputs.
constexpr std::size_t kMaxDesigns = 12;
constexpr std::size_t kMaxLevels = 200;

void require(bool promise, const char* what)
{
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

bool startsWith(const std::string& text, const char* start)
{
    return text.rfind(start, 0) == 0;
}

// Whether a project that passed the checks is small enough to run.
bool smallEnough(const uncertainty::RiskProject& p)
{
    using uncertainty::rangeCount;
    if (!p.isRange()) return true;
    const std::size_t designs = rangeCount(p.minDepth, p.maxDepth, p.depthIncrement, kMaxDesigns) *
                                rangeCount(p.minSpacing, p.maxSpacing, p.spacingIncrement, kMaxDesigns);
    if (designs > kMaxDesigns) return false;
    return p.isLossFunction() || !p.wantsTable() ||
           rangeCount(p.minReliability, p.maxReliability, p.reliabilityIncrement, kMaxLevels) <= kMaxLevels;
}

void requireFinite(const std::array<double, 9>& values)
{
    for (double v : values) require(std::isfinite(v), "a machine-read number is finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream image(std::string(reinterpret_cast<const char*>(data), size));
    uncertainty::RiskProject project;
    try {
        project = uncertainty::readRiskProject(image, "fuzz.rsk");
    } catch (const uncertainty::ModelError& e) {
        require(startsWith(e.what(), "ERROR - "), "a reader error is one error line");
        return 0;
    }
    if (!uncertainty::checkRiskProject(project).errors.empty() || !smallEnough(project)) return 0;

    const uncertainty::RunOutcome outcome = uncertainty::runRiskAnalysis(project, "fuzz.rsk");
    for (const std::string& w : outcome.warnings) require(startsWith(w, "WARNING - "), "a warning is one line");
    if (outcome.failed()) {
        for (const std::string& e : outcome.errors) require(startsWith(e, "ERROR - "), "an error is one line");
        require(outcome.report.empty(), "a failed run has no report");
        return 0;
    }
    const uncertainty::fixtures::GuiReadReport gui = uncertainty::fixtures::readAsTheGuiDoes(outcome.report);
    require(!gui.failed, "the report reads back");
    require(gui.hasTable == (project.isRange() && !project.isLossFunction() && project.wantsTable()),
            "a table exactly when the run asks for one");
    require(project.isRange() || gui.hasFixedDesign, "a given design has its results");
    requireFinite(gui.fixedDesign);
    for (const auto& row : gui.table) requireFinite(row);
    return 0;
}
