// The texts of the two output files: the fixed-column report (".OTR") and the daily water-table
// file (".DAY"). The GUI reads both back column by column, so their layout is fixed.
#pragma once

#include <string>
#include <vector>

#include "PeriodTable.h"
#include "ProjectInput.h"
#include "YearPass.h"

namespace zelm {

struct ReportInputs {
    const ProjectInput& project;
    const PeriodTable& periods;
    const PassResult& pass;  // the last pass
    float h;                 // design target, or the analysis peak the last pass started with
    bool onBarrier;          // the barrier criterion evaluated with that h
};

// OUTPUT: the report text, lines ended by LF.
std::string OUTPUT(const ReportInputs& inputs);

// The daily file text: one row per daily value.
std::string formatDailyFile(const std::vector<DailyRow>& rows);

}  // namespace zelm
