// Every input the run uses is checked before anything is computed: each error found gets its own
// console line, and any error stops the run. A new project holds 0 in every field, so only what the
// chosen analysis uses is checked.
#pragma once

#include <string>
#include <vector>

#include "RiskProject.h"

namespace uncertainty {

// The most designs of a range, and the most reliability levels of a table.
constexpr std::size_t kMaxCandidates = 100000;
// How far the lateral percentages may add up from 100 before the engineer is warned.
constexpr double kPercentLeeway = 0.01;

struct CheckResult {
    std::vector<std::string> errors;    // each "ERROR - ..."
    std::vector<std::string> warnings;  // each "WARNING - ..."
};

CheckResult checkRiskProject(const RiskProject& project);

// A number as the messages and the report write it ("%g").
std::string shortNumber(double value);

}  // namespace uncertainty
