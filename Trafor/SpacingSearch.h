// The yearly passes repeated until the cycle repeats itself: in design mode a secant search for
// the spacing whose peak meets the allowed height h, in analysis mode the given spacing iterated
// from a drained start. Both stop after kMaxPasses passes at the latest.
#pragma once

#include <functional>
#include <optional>

#include "PeriodTable.h"
#include "ProjectInput.h"
#include "YearPass.h"

namespace zelm {

constexpr int kMaxPasses = 500;

// The design event (positive amount, longest following interval, earliest on ties) and the
// first spacing estimate drawn from its recharge rate.
struct DesignEstimate {
    int event = 0;  // 1-based event number
    float rechargeRate = 0.0f;
    float spacing = 0.0f;
};

DesignEstimate estimateSpacing(const ProjectInput& project, const PeriodTable& periods);

class SpacingSearch {
public:
    SpacingSearch(ProjectInput& project, const PeriodTable& periods, int maxPasses = kMaxPasses);

    // Runs the search or the iteration of the project's mode. A ModelError (zero spacing) stops
    // it; lastPass() then holds the last pass that did finish, if any.
    void run();

    // Called after every pass, before its stopping rules; tests follow the search with it.
    void setPassObserver(std::function<void(const PassResult&)> observer) { observer_ = std::move(observer); }

    const std::optional<PassResult>& lastPass() const { return last_; }
    float h() const { return h_; }
    bool hitPassLimit() const { return hitPassLimit_; }
    int passes() const { return passes_; }
    const YearPass& yearPass() const { return year_; }

private:
    void design();
    void analyse();
    const PassResult& runPass(float S, float startHeight);
    float startHeight() const;
    bool passLimitReached();

    ProjectInput& project_;
    const PeriodTable& periods_;
    YearPass year_;
    std::optional<PassResult> last_;
    std::function<void(const PassResult&)> observer_;
    int maxPasses_;
    float h_ = 0.0f;
    int passes_ = 0;
    bool hitPassLimit_ = false;
};

}  // namespace zelm
