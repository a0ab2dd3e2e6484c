// One simulation pass: the water table at mid-spacing through one year, a build-up at every event
// and a recession between events, with the drain on the barrier or above it. Also the daily chain
// of heights that makes the daily file of a pass.
#pragma once

#include <vector>

#include "PeriodTable.h"
#include "ProjectInput.h"
#include "RecessionTables.h"

namespace zelm {

// The per-period results of a pass, numbered from 1 like the periods (index 0 unused).
struct PassResult {
    bool onBarrier = false;
    float S = 0.0f;   // spacing of the pass
    float de = 0.0f;  // equivalent depth to the barrier in force during the pass
    std::vector<float> BU, YO, X, Z;
    std::vector<float> ratio;  // recession ratio R(X) of each period
    float E = 0.0f;            // end-of-cycle height: YO(N)
    float P = 0.0f;            // peak: the largest YO

    int N() const { return static_cast<int>(YO.size()) - 1; }
};

struct DailyRow {
    int day = 0;
    float height = 0.0f;  // above the drain
    float depth = 0.0f;   // below the ground surface
};

class YearPass {
public:
    // The project is shared with the caller: a pass off the barrier replaces a barrier distance of
    // exactly 0 by 0.0001, and the replaced value stays for the rest of the run and the report.
    YearPass(ProjectInput& project, const PeriodTable& periods);

    // The barrier case for the current height h (design target, or analysis peak).
    bool drainOnBarrier(float h) const;

    // Runs one year with spacing S from the given start height; h decides the barrier case.
    // A spacing of exactly 0, and any value of the pass that is not finite, stop the run with a
    // ModelError.
    PassResult run(float S, float startHeight, float h);

    // The daily water-table rows of a finished pass: 366 days with two rows on every day that
    // opens a period after the first. A height that is not finite stops the run with a ModelError.
    std::vector<DailyRow> dailyRows(const PassResult& pass) const;

private:
    void updateEquivalentDepth(float S);
    float timeFactor(const PassResult& pass, float height, float days) const;
    RecessionFunction recession(const PassResult& pass) const;

    ProjectInput& project_;
    const PeriodTable& periods_;
    float de_ = 0.0f;
};

}  // namespace zelm
