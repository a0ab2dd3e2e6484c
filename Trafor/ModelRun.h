// A whole model run in memory, from a read project to the texts of the report and the daily file.
// The program around it (ZelmProgram) only reads and writes the files; zelmview's model room runs
// it in process, beside the desktop program's own zelm::ModelRun (a started child process), hence
// the name Simulation.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "PeriodTable.h"
#include "ProjectInput.h"
#include "SpacingSearch.h"
#include "YearPass.h"

namespace zelm {

struct Simulation {
    ProjectInput project;  // as left by the run (a zero barrier distance replaced)
    PeriodTable periods;
    std::optional<PassResult> lastPass;  // the last pass that finished, if any
    float h = 0.0f;
    int passes = 0;

    std::vector<DailyRow> daily;  // the daily rows of lastPass
    std::string report;           // the texts of the two output files; both empty when the run
    std::string dailyFile;        // stopped with an error
    std::string warning;          // a console line, or empty
    std::string error;            // a console line, or empty

    bool failed() const { return !error.empty(); }
};

// `maxPasses` bounds the search or iteration; tests lower it.
Simulation simulate(ProjectInput project, int maxPasses = kMaxPasses);

}  // namespace zelm
