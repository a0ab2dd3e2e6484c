#include "YearPass.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "ModelError.h"

namespace zelm {

namespace {
constexpr float kReplacedZeroBarrierDistance = 0.0001f;
constexpr float kOnBarrierFraction = 0.1f;
constexpr float kBranchRatio = 0.31f;

// A value that overflowed or lost its meaning (infinity, NaN) would only spread through the rest
// of the run; the run stops at the first one and names it. The name is only made for the message.
[[noreturn]] void outOfRange(const std::string& what)
{
    throw ModelError("ERROR - THE " + what + " IS OUT OF RANGE");
}

void requireFinite(float value, const char* what)
{
    if (!std::isfinite(value)) outOfRange(what);
}

void requireFinitePeriod(const PassResult& pass, int i)
{
    const std::pair<float, const char*> values[] = {{pass.BU[i], "BUILD-UP"},
                                                    {pass.YO[i], "HEIGHT AT THE START"},
                                                    {pass.X[i], "TIME FACTOR"},
                                                    {pass.ratio[i], "RECESSION RATIO"},
                                                    {pass.Z[i], "HEIGHT AT THE END"}};
    for (const auto& [value, name] : values)
        if (!std::isfinite(value)) outOfRange(std::string(name) + " OF PERIOD " + std::to_string(i));
}

}  // namespace

YearPass::YearPass(ProjectInput& project, const PeriodTable& periods) : project_(project), periods_(periods) {}

bool YearPass::drainOnBarrier(float h) const
{
    if (project_.barrierMode == 1) return true;
    return project_.barrierMode == -1 && project_.barrierDistance < kOnBarrierFraction * h;
}

void YearPass::updateEquivalentDepth(float S)
{
    float& d = project_.barrierDistance;
    if (d == 0.0f) d = kReplacedZeroBarrierDistance;
    const float r0 = project_.drainRadius;
    const float r = d / S;
    if (r <= kBranchRatio)
        de_ = d / (1.0f + r * (2.55f * std::log(d / r0) - (3.55f - 1.6f * r + 2.0f * (r * r))));
    else
        de_ = S / (2.55f * (std::log(S / r0) - 1.15f));
}

RecessionFunction YearPass::recession(const PassResult& pass) const
{
    return pass.onBarrier ? recessionOnBarrier : recessionOffBarrier;
}

// X for a height and a number of days; the pass table multiplies by the period length inside the
// numerator, in the order the formula has always been evaluated.
float YearPass::timeFactor(const PassResult& pass, float height, float days) const
{
    const float K = project_.permeability, Sy = project_.specificYield, S = pass.S;
    if (pass.onBarrier) return K * height * days / (Sy * (S * S));
    return (height / 2.0f + pass.de) * K * days / (Sy * (S * S));
}

PassResult YearPass::run(float S, float startHeight, float h)
{
    PassResult pass;
    pass.onBarrier = drainOnBarrier(h);
    pass.S = S;
    if (S == 0.0f) throw ModelError("ERROR - YOU CANNOT ANALYZE A ZERO LENGTH SPACING");
    requireFinite(S, "DRAIN SPACING");
    if (!pass.onBarrier) updateEquivalentDepth(S);
    pass.de = de_;
    requireFinite(pass.de, "EQUIVALENT DEPTH TO THE BARRIER");

    const int N = periods_.N();
    pass.BU.assign(N + 1, 0.0f);
    pass.YO.assign(N + 1, 0.0f);
    pass.X.assign(N + 1, 0.0f);
    pass.Z.assign(N + 1, 0.0f);
    pass.ratio.assign(N + 1, 0.0f);
    const float c = project_.amountPerLength();
    const RecessionFunction R = recession(pass);
    for (int i = 1; i <= N; ++i) {
        pass.BU[i] = periods_.DP[i] / c / project_.specificYield;
        pass.YO[i] = i == 1 ? startHeight : pass.Z[i - 1] + pass.BU[i];
        pass.X[i] = timeFactor(pass, pass.YO[i], static_cast<float>(periods_.TP[i]));
        pass.ratio[i] = R(pass.X[i]);
        pass.Z[i] = pass.ratio[i] * pass.YO[i];
        requireFinitePeriod(pass, i);
    }
    pass.E = pass.YO[N];
    pass.P = *std::max_element(pass.YO.begin() + 1, pass.YO.end());
    return pass;
}

std::vector<DailyRow> YearPass::dailyRows(const PassResult& pass) const
{
    const RecessionFunction R = recession(pass);
    const float depth = project_.depthToDrain;
    std::vector<DailyRow> rows;
    rows.reserve(400);
    auto addRow = [&](int day, float height) {
        if (!std::isfinite(height)) outOfRange("DAILY WATER TABLE HEIGHT OF DAY " + std::to_string(day));
        rows.push_back({day, height, depth - height});
    };

    // One day of recession per period is computed from `last`, the height the chain reached; the
    // days after it recede from `start`, the height after the period's build-up.
    int day = 0;
    float start = 0.0f;
    float last = 0.0f;
    for (int i = 1; i <= pass.N(); ++i) {
        const int TP = periods_.TP[i];
        if (TP < 1) {
            // Two events on one date: the first one's build-up stays in the chain.
            last += pass.BU[i];
            continue;
        }
        for (int j = 1; j <= TP; ++j) {
            ++day;
            if (j == 1 && i == 1) {
                start = pass.YO[1] + pass.BU[1];
                addRow(day, start);
                last = start;
            } else if (j == 1) {
                const float receded = R(1.0f * timeFactor(pass, last, 1.0f)) * last;
                addRow(day, receded);
                start = receded + pass.BU[i];
                addRow(day, start);
                last = start;
            } else {
                const float height = R(static_cast<float>(j) * timeFactor(pass, start, 1.0f)) * start;
                addRow(day, height);
                last = height;
            }
        }
    }
    return rows;
}

}  // namespace zelm
