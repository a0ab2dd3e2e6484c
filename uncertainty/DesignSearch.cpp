#include "DesignSearch.h"

#include <algorithm>
#include <cmath>

#include "GridRange.h"
#include "LossFunctions.h"
#include "ResultChecks.h"

namespace uncertainty {

namespace {

DesignResult evaluateDesign(const RiskProject& project, const UncertainField& field, const Design& design,
                            DepthReliability& atDepth)
{
    DesignResult r;
    r.design = design;
    r.cost = designCost(project, design.depth, design.spacing);
    r.reliability = atDepth.at(design.spacing);
    if (project.isLossFunction()) {
        r.yield = yieldMoments(field, design, lossFunctionOf(project));
        r.netBenefit = project.annualBenefits * r.yield.mean - r.cost.annualCost;
    }
    requireFiniteResult(r, project);
    return r;
}

}  // namespace

DesignResult evaluateDesign(const RiskProject& project, const UncertainField& field, const Design& design)
{
    DepthReliability atDepth(field, design.depth, project.criticalDepth);
    DesignResult r = evaluateDesign(project, field, design, atDepth);
    r.waterTableDepth = depthMoments(field, design);
    requireFiniteResult(r, project);
    return r;
}

RangeOfDesigns evaluateRange(const RiskProject& project, const UncertainField& field)
{
    RangeOfDesigns range;
    const std::vector<double> depths = rangeValues(project.minDepth, project.maxDepth, project.depthIncrement);
    const std::vector<double> spacings = rangeValues(project.minSpacing, project.maxSpacing, project.spacingIncrement);
    range.gridSize = depths.size() * spacings.size();
    for (double d : depths) {
        if (!machineReaches(project, d)) {
            range.notInstallable += spacings.size();
            continue;
        }
        DepthReliability atDepth(field, d, project.criticalDepth);
        for (double L : spacings) range.candidates.push_back(evaluateDesign(project, field, {d, L}, atDepth));
    }
    return range;
}

bool isTie(double a, double b)
{
    return std::fabs(a - b) <= kTieTolerance * std::fmax(std::fabs(a), std::fabs(b));
}

bool preferredOnTie(const DesignResult& a, const DesignResult& b)
{
    if (a.design.depth != b.design.depth) return a.design.depth < b.design.depth;
    return a.design.spacing > b.design.spacing;
}

namespace {

// Among the candidates `pick` accepts whose value ties `best`, the preferred one.
template <class Value, class Accept>
std::optional<std::size_t> preferredAmongTies(const std::vector<DesignResult>& c, const std::vector<std::size_t>& order,
                                              std::size_t from, double best, Value value, Accept accept)
{
    std::optional<std::size_t> chosen;
    for (std::size_t k = from; k < order.size(); ++k) {
        const std::size_t i = order[k];
        if (!isTie(value(c[i]), best)) break;
        if (accept(c[i]) && (!chosen || preferredOnTie(c[i], c[*chosen]))) chosen = i;
    }
    return chosen;
}

std::vector<std::size_t> indices(std::size_t n)
{
    std::vector<std::size_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = i;
    return v;
}

}  // namespace

std::optional<std::size_t> greatestNetBenefit(const std::vector<DesignResult>& candidates)
{
    if (candidates.empty()) return std::nullopt;
    std::vector<std::size_t> order = indices(candidates.size());
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return candidates[a].netBenefit > candidates[b].netBenefit; });
    return preferredAmongTies(
        candidates, order, 0, candidates[order[0]].netBenefit, [](const DesignResult& r) { return r.netBenefit; },
        [](const DesignResult&) { return true; });
}

LeastCostChoice::LeastCostChoice(const std::vector<DesignResult>& candidates)
    : candidates_(candidates), byReliability_(indices(candidates.size())), byCost_(indices(candidates.size()))
{
    std::stable_sort(byReliability_.begin(), byReliability_.end(), [&](std::size_t a, std::size_t b) {
        return candidates[a].reliability > candidates[b].reliability;
    });
    double least = HUGE_VAL;
    for (std::size_t i : byReliability_) {
        least = std::fmin(least, candidates[i].cost.annualCost);
        leastCostOfFirst_.push_back(least);
    }
    std::stable_sort(byCost_.begin(), byCost_.end(), [&](std::size_t a, std::size_t b) {
        return candidates[a].cost.annualCost < candidates[b].cost.annualCost;
    });
}

// The candidates that reach the level are the first ones by reliability; their least cost is known,
// and the cheaper ones by cost cannot reach it, so the ties are found from there on.
std::optional<std::size_t> LeastCostChoice::reaching(double levelPercent) const
{
    auto reaches = [levelPercent](const DesignResult& r) { return 100.0 * r.reliability >= levelPercent; };
    const auto end = std::partition_point(byReliability_.begin(), byReliability_.end(),
                                          [&](std::size_t i) { return reaches(candidates_[i]); });
    const std::size_t count = static_cast<std::size_t>(end - byReliability_.begin());
    if (count == 0) return std::nullopt;
    const double least = leastCostOfFirst_[count - 1];
    const auto from = std::partition_point(byCost_.begin(), byCost_.end(),
                                           [&](std::size_t i) { return candidates_[i].cost.annualCost < least; });
    return preferredAmongTies(
        candidates_, byCost_, static_cast<std::size_t>(from - byCost_.begin()), least,
        [](const DesignResult& r) { return r.cost.annualCost; }, reaches);
}

}  // namespace uncertainty
