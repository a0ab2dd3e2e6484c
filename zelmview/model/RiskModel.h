// The uncertainty model in process, for the live panel of a risk project: a project as the editor
// holds it goes in, the checks' messages and the results come out as values. The input is exactly
// what the program `uncertainty` reads when the project is saved and run (the file a save writes,
// read by the model's own reader) and the computation is the program's own library code, so every
// number equals that of a run of the saved project. Nothing is printed, written or stopped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/RiskData.h"
#include "model/ModelInput.h"
#include "uncertainty/RiskProject.h"
#include "uncertainty/UncertaintyRun.h"

namespace model {

// The name a risk project without a file goes by in the model's messages and its report.
inline const std::string kUnsavedRiskFile = "project.rsk";

// The model's input for `data`, or the reader's message.
using RiskInput = ModelInput<uncertainty::RiskProject>;
RiskInput riskInput(const RiskData& data, const std::string& fileName = kUnsavedRiskFile);

// The checks and the computation of the program, without its report: the errors (no results
// then), the warnings, and the results.
struct RiskOutcome {
    std::vector<std::string> errors;  // each "ERROR - ..."
    std::vector<std::string> warnings;
    std::optional<uncertainty::RunResults> results;

    bool failed() const { return !errors.empty(); }
};
RiskOutcome analyseRisk(const uncertainty::RiskProject& project);
RiskOutcome analyseRisk(const RiskData& data, const std::string& fileName = kUnsavedRiskFile);

// The whole run as the program makes it, with the report text it would write under `fileName`.
uncertainty::RunOutcome runRisk(const RiskData& data, const std::string& fileName = kUnsavedRiskFile);

// How many designs the project's range holds before the machine's limit, or more than `cap` when
// it holds more than that; 0 for a range without designs (an increment that is not positive, a
// minimum above its maximum), which the checks refuse.
std::size_t rangeSize(const uncertainty::RiskProject& project, std::size_t cap);

}  // namespace model
