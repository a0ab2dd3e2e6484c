// The designs of a range and the choice among them: the least annual cost for a reliability, or
// the greatest expected net benefit. Costs or net benefits within 1e-12 of each other (relative)
// are a tie; a tie goes to the shallower depth, then to the wider spacing.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "Costs.h"
#include "DesignEvaluation.h"
#include "RiskProject.h"

namespace uncertainty {

constexpr double kTieTolerance = 1e-12;

struct DesignResult {
    Design design;
    DesignCost cost;
    double reliability = 0.0;  // a fraction, 0 to 1
    Moments waterTableDepth;   // of W; filled for the designs the report shows
    Moments yield;             // of Y; loss function analysis only
    double netBenefit = 0.0;   // annual benefits E[Y] - annual cost; loss function analysis only
};

// The reliability, cost and moments of the depth to the water table of one design, and for a loss
// function analysis its yield and net benefit. A value that is not finite is a ModelError
// (ResultChecks.h), raised for a range at the first design that has one.
DesignResult evaluateDesign(const RiskProject& project, const UncertainField& field, const Design& design);

// The candidates of a range (without the moments of their water table, which only the designs the
// report shows need).
struct RangeOfDesigns {
    std::vector<DesignResult> candidates;  // those the machine can install, by depth then spacing
    std::size_t gridSize = 0;              // designs of the range before the machine's limit
    std::size_t notInstallable = 0;
};

RangeOfDesigns evaluateRange(const RiskProject& project, const UncertainField& field);

bool isTie(double a, double b);

// The candidate of greatest net benefit (nullopt for none).
std::optional<std::size_t> greatestNetBenefit(const std::vector<DesignResult>& candidates);

// The candidate of least annual cost with 100 R >= a level, for many levels: the candidates are
// sorted once by reliability and by cost.
class LeastCostChoice {
public:
    explicit LeastCostChoice(const std::vector<DesignResult>& candidates);
    std::optional<std::size_t> reaching(double levelPercent) const;

private:
    const std::vector<DesignResult>& candidates_;
    std::vector<std::size_t> byReliability_;  // most reliable first
    std::vector<double> leastCostOfFirst_;    // the least cost among the first k + 1 of them
    std::vector<std::size_t> byCost_;         // cheapest first
};

// Whether candidate a is preferred to b on a tie.
bool preferredOnTie(const DesignResult& a, const DesignResult& b);

}  // namespace uncertainty
