// A whole run in memory, from a read risk project to the report text and the console lines. The
// program around it (UncertaintyProgram) only reads and writes the files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DesignEvaluation.h"
#include "DesignSearch.h"
#include "RiskProject.h"

namespace uncertainty {

struct ReliabilityRow {
    double levelPercent = 0.0;  // the reliability required
    DesignResult design;        // the least-cost design that reaches it
};

// What the run found, as the report shows it.
struct RunResults {
    RiskProject project;
    UncertainField field;
    std::optional<DesignResult> fixedDesign;
    bool hasTable = false;
    std::vector<ReliabilityRow> table;
    std::optional<RangeOfDesigns> range;  // a range of designs only
    std::optional<std::size_t> chosen;    // the fixed design's place among the range's candidates
    std::vector<std::string> warnings;    // each "WARNING - ..."
};

struct RunOutcome {
    std::vector<std::string> errors;    // each "ERROR - ..."; no report then
    std::vector<std::string> warnings;  // each "WARNING - ..."
    std::string report;

    bool failed() const { return !errors.empty(); }
};

// The checks and the computation without the report: the errors and warnings, and the results
// when there is no error.
struct CheckedAnalysis {
    RunOutcome outcome;  // its report stays empty
    std::optional<RunResults> results;
};
CheckedAnalysis checkAndAnalyse(const RiskProject& project);

// Checks the project, and when it is sound computes what it asks and writes the report;
// `projectFile` names the input in the report. A result that is not finite is an error too.
RunOutcome runRiskAnalysis(const RiskProject& project, const std::string& projectFile);

// The computation alone, for a project that passed the checks; a result that is not finite
// raises a ModelError.
RunResults analyse(const RiskProject& project);

}  // namespace uncertainty
