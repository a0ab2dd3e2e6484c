// The model on a project file image: its reader, the domain checks, the period table and a run
// bounded to a few passes, with the report and daily texts formatted, all in memory. A run that
// succeeds never reports NaN or infinity, and shows every number the GUI reads in full: asterisks
// only in the time factor's columns; a run that fails has neither output text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "InputReader.h"
#include "ModelError.h"
#include "ModelRun.h"

namespace {

constexpr int kPasses = 20;
// The time factor of a period line: columns 39 to 46, counted from 0 here.
constexpr std::size_t kTimeFactorColumns[] = {38, 46};

void require(bool promise, const char* what)
{
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream image(std::string(reinterpret_cast<const char*>(data), size));
    zelm::ProjectInput project;
    try {
        project = zelm::INDP(image, "fuzz.TRN");
    } catch (const zelm::ModelError& e) {
        require(std::string(e.what()).rfind("ERROR - ", 0) == 0, "a reader error is one error line");
        return 0;
    }
    const zelm::Simulation run = zelm::simulate(project, kPasses);
    if (run.failed()) {
        require(run.report.empty() && run.dailyFile.empty(), "a failed run has no output");
        require(run.error.rfind("ERROR - ", 0) == 0, "a failed run names its error");
        return 0;
    }
    require(!run.report.empty(), "a run that did not fail has a report");
    // The numbers follow the title and the comment lines, which may say anything.
    const std::size_t numbers = run.report.rfind("TRANSIENT-STATE DRAIN SPACING");
    require(numbers != std::string::npos, "the report has its heading");
    for (const std::string& text : {run.report.substr(numbers), run.dailyFile}) {
        require(text.find("NaN") == std::string::npos, "no NaN is reported");
        require(text.find("Inf") == std::string::npos, "no infinity is reported");
    }
    require(run.dailyFile.find('*') == std::string::npos, "the daily file shows every number");
    std::istringstream rows(run.report.substr(numbers));
    for (std::string row; std::getline(rows, row);) {
        if (row.rfind(" *****", 0) == 0) continue;  // the frame of the encroachment warning
        const std::size_t star = row.find('*');
        require(star == std::string::npos ||
                    (star >= kTimeFactorColumns[0] && row.find_last_of('*') < kTimeFactorColumns[1]),
                "only the time factor may show asterisks");
    }
    return 0;
}
