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

// Fields of the report that show input values as they were read; the input checks refuse values
// these fields cannot show.
struct RealField {
    int w;
    int d;
};
constexpr RealField kParameterField{8, 3};
constexpr RealField kEventAmountField{5, 2};

// Whether the peak P stands so far above h that the report warns: no spacing kept the water table
// at the allowed height, and the design is the one that keeps it least above.
inline bool peakEncroaches(float h, float P)
{
    return h < 0.995f * P;
}

// OUTPUT: the report text, lines ended by LF. A number the GUI reads back that its field cannot
// show stops the run with a ModelError naming it; only the time factor may show as asterisks.
std::string OUTPUT(const ReportInputs& inputs);

// The daily file text: one row per daily value; a height or depth its field cannot show stops the
// run with a ModelError.
std::string formatDailyFile(const std::vector<DailyRow>& rows);

}  // namespace zelm
