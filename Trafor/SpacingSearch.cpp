#include "SpacingSearch.h"

#include <algorithm>
#include <cmath>

namespace zelm {

DesignEstimate estimateSpacing(const ProjectInput& project, const PeriodTable& periods)
{
    DesignEstimate estimate;
    int longest = -1;
    const int n = static_cast<int>(project.events.size());
    for (int k = 1; k <= n; ++k) {
        const int interval = periods.TP[k + 2];
        if (project.events[k - 1].amount > 0.0f && interval > longest) {
            longest = interval;
            estimate.event = k;
        }
    }
    if (estimate.event == 0) return estimate;
    const float DPd = periods.DP[estimate.event + 2];
    const float Td = static_cast<float>(longest);
    const float K = project.permeability, h = project.maxWaterTable, d = project.barrierDistance;
    estimate.rechargeRate = DPd / project.amountPerLength() / Td;
    estimate.spacing = std::sqrt(4.0f * K * ((h + d) * (h + d) - d * d) / estimate.rechargeRate);
    return estimate;
}

SpacingSearch::SpacingSearch(ProjectInput& project, const PeriodTable& periods, int maxPasses)
    : project_(project), periods_(periods), year_(project, periods), maxPasses_(maxPasses)
{
}

void SpacingSearch::run()
{
    if (project_.isDesign())
        design();
    else
        analyse();
}

// The previous pass's end height, or h before the first pass and whenever that height is 0.
float SpacingSearch::startHeight() const
{
    if (!last_ || last_->E == 0.0f) return h_;
    return last_->E;
}

const PassResult& SpacingSearch::runPass(float S, float startHeight)
{
    PassResult pass = year_.run(S, startHeight, h_);
    last_ = std::move(pass);
    ++passes_;
    if (observer_) observer_(*last_);
    return *last_;
}

bool SpacingSearch::passLimitReached()
{
    hitPassLimit_ = passes_ >= maxPasses_;
    return hitPassLimit_;
}

void SpacingSearch::design()
{
    h_ = project_.maxWaterTable;
    float S = estimateSpacing(project_, periods_).spacing;
    float Sprev = 0.0f, Eprev = 0.0f, Pprev = 0.0f, Gprev = 9999.0f;
    for (;;) {
        const PassResult& pass = runPass(S, startHeight());
        const float E = pass.E, P = pass.P;
        const float F = E - Eprev;
        if (F == 0.0f) return;
        const bool settled = std::fabs(P - Pprev) < 0.01f && std::fabs(Gprev) < 0.01f;
        if (std::fabs(F) < 0.01f && settled) return;
        if (std::fabs(E - pass.YO[1]) <= 0.01f && settled) return;
        if (passLimitReached()) return;

        float Snew;
        if (S > 1.05f * Sprev || S < 0.95f * Sprev)
            Snew = std::trunc(Sprev + (h_ - Eprev) * (S - Sprev) / F);
        else if (0.995f * P > h_)
            Snew = std::trunc(0.995f * S);
        else if (1.005f * P < h_)
            Snew = std::trunc(1.005f * S);
        else
            Snew = S;
        if (Snew < 0.0f) Snew = std::trunc(0.95f * S);
        if (Snew > 1.3f * Sprev) Snew = std::trunc((S + Sprev) * 0.5f);

        Eprev = E;
        Pprev = P;
        Sprev = std::trunc(S);
        Gprev = h_ - P;
        S = Snew;
    }
}

void SpacingSearch::analyse()
{
    h_ = 0.0f;
    const float S = project_.drainSpacing;
    for (;;) {
        const PassResult& pass = runPass(S, startHeight());
        if (std::fabs(pass.YO[1] - pass.E) <= 0.005f) return;
        if (passLimitReached()) return;
        h_ = std::max(0.0f, *std::max_element(pass.YO.begin() + 2, pass.YO.end()));
    }
}

}  // namespace zelm
