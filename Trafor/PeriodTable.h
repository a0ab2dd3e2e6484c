// The period table of one year: periods 1 and 2 share the dry gap from the last event of the year
// to the first event of the next; period k + 2 begins with event k. Periods are numbered from 1
// here as everywhere in the report; index 0 of each array is unused.
#pragma once

#include <vector>

#include "ProjectInput.h"

namespace zelm {

struct PeriodTable {
    std::vector<float> DP;  // event amount starting the period (0 for periods 1 and 2)
    std::vector<int> TP;    // length of the period in whole days
    std::vector<int> DOY;   // day of the year of the event starting the period (periods 3..N)

    int N() const { return static_cast<int>(TP.size()) - 1; }
};

// Day of the year in a 365-day year.
int MODAY1(int month, int day);

// Builds the table; the events must be in calendar order (see checkProjectDomain).
PeriodTable INPASCDP(const std::vector<PercolationEvent>& events);

}  // namespace zelm
