#include "risk/RiskPageFields.h"

#include <array>

namespace riskform {
namespace {

using R = RiskData;

constexpr UnitLabel feet(int id)
{
    return {id, "ft", "m"};
}
constexpr UnitLabel feetPerDay(int id)
{
    return {id, "ft/day", "m/day"};
}
constexpr UnitLabel perLinearFoot(int id)
{
    return {id, "per linear foot", "per linear meter"};
}
constexpr UnitLabel feetPerMinute(int id)
{
    return {id, "feet / minute", "meters / minute"};
}
constexpr UnitLabel fixedText(const char* text)
{
    return {0, text, text};
}
// A label the unit change keeps empty: the costs per minute and the slope have no unit to show.
constexpr UnitLabel emptyUnit(int id)
{
    return {id, "", ""};
}

using F = FieldDataPageIds;
const std::array kFieldData = {
    Field{F::kDrainRadius, "Drain radius [r]:", &R::drainRadius, "drainRadius", feet(F::kDrainRadiusUnit)},
    Field{F::kBarrierDepth, "Depth to barrier [d]:", &R::barrierDepth, "barrierDepth", feet(F::kBarrierDepthUnit)},
    Field{F::kBarrierDepthSD, "Standard deviation of [d]:", &R::barrierDepthSD, "barrierDepthSD",
          feet(F::kBarrierDepthSDUnit)},
    Field{F::kPermeability, "Hydraulic conductivity of soil [K]:", &R::permeability, "permeability",
          feetPerDay(F::kPermeabilityUnit)},
    Field{F::kPermeabilitySD, "Standard deviation of [K]:", &R::permeabilitySD, "permeabilitySD",
          feetPerDay(F::kPermeabilitySDUnit)},
    Field{F::kRechargeRate, "Recharge rate [Qd]:", &R::rechargeRate, "rechargeRate", feetPerDay(F::kRechargeRateUnit)},
    Field{F::kRechargeRateSD, "Standard deviation of [Qd]:", &R::rechargeRateSD, "rechargeRateSD",
          feetPerDay(F::kRechargeRateSDUnit)},
};

using C = CostDataPageIds;
const std::array kCostData = {
    Field{C::kDiscountRate, "Interest rate to be used:", &R::discountRate, "discountRate", fixedText("%")},
    Field{C::kSystemLife, "Life of the system:", &R::systemLife, "systemLife", fixedText("years")},
    Field{C::kOmCost, "Cost of O && M:", &R::omCost, "omCost", perLinearFoot(C::kOmCostUnit)},
};

const Field kAveragePipeCost{C::kAveragePipeCost, "", &R::averagePipeCost, "averagePipeCost",
                             perLinearFoot(C::kAveragePipeCostUnit)};

using T = TrenchDataPageIds;
const std::array kTrenchData = {
    Field{T::kConstInstallRate, "Rate of installation:", &R::constInstallRate, "constInstallRate",
          feetPerMinute(T::kConstInstallRateUnit)},
    Field{T::kConstCostPerMinute, "Cost per minute of installation:", &R::constCostPerMinute, "constCostPerMinute",
          emptyUnit(T::kConstCostPerMinuteUnit)},
    Field{T::kMaxInstallDepth,
          "Max depth of installation:",
          &R::maxInstallDepth,
          "maxInstallDepth",
          {T::kMaxInstallDepthUnit, "feet", "meters"}},
    Field{T::kMinInstallRate, "Min rate of installation:", &R::minInstallRate, "minInstallRate",
          feetPerMinute(T::kMinInstallRateUnit)},
    Field{T::kVarCostPerMinute, "Cost per minute of installation:", &R::varCostPerMinute, "varCostPerMinute",
          emptyUnit(T::kVarCostPerMinuteUnit)},
    Field{T::kDepthRateSlope, "Slope of depth vs. installation:", &R::depthRateSlope, "depthRateSlope",
          emptyUnit(T::kDepthRateSlopeUnit)},
};

using S = RiskDesignSinglePageIds;
const std::array kDesignSingle = {
    Field{S::kDesignSpacing, "Spacing to be considered:", &R::designSpacing, "designSpacing",
          feet(S::kDesignSpacingUnit)},
    Field{S::kDesignDepth, "Depth to be considered:", &R::designDepth, "designDepth", feet(S::kDesignDepthUnit)},
    Field{S::kCriticalDepth, "Critical depth to water table:", &R::criticalDepth, "criticalDepth",
          feet(S::kCriticalDepthUnit)},
};

using G = RiskDesignRangePageIds;
const std::array kDesignRangeDepth = {
    Field{G::kMinDepth, "Minimum depth to be considered:", &R::minDepth, "minDepth", feet(G::kMinDepthUnit)},
    Field{G::kMaxDepth, "Maximum depth to be considered:", &R::maxDepth, "maxDepth", feet(G::kMaxDepthUnit)},
    Field{G::kDepthIncrement, "Increment in depth to be considered:", &R::depthIncrement, "depthIncrement",
          feet(G::kDepthIncrementUnit)},
};

const std::array kDesignRangeSpacing = {
    Field{G::kMinSpacing, "Minimum spacing to be considered:", &R::minSpacing, "minSpacing", feet(G::kMinSpacingUnit)},
    Field{G::kMaxSpacing, "Maximum spacing to be considered:", &R::maxSpacing, "maxSpacing", feet(G::kMaxSpacingUnit)},
    Field{G::kSpacingIncrement, "Increment in spacing to be considered:", &R::spacingIncrement, "spacingIncrement",
          feet(G::kSpacingIncrementUnit)},
};

using A = RiskAnalysisPageIds;
const Field kRiskCriticalDepth{A::kCriticalDepth, "Critical depth to water table:", &R::criticalDepth, "criticalDepth",
                               feet(A::kCriticalDepthUnit)};

const std::array kReliability = {
    Field{A::kGivenReliability, "Reliability:", &R::givenReliability, "givenReliability", fixedText("%")},
    Field{A::kMinReliability, "Minimum reliability:", &R::minReliability, "minReliability", fixedText("%")},
    Field{A::kMaxReliability, "Maximum reliability:", &R::maxReliability, "maxReliability", fixedText("%")},
    Field{A::kReliabilityIncrement, "Increment:", &R::reliabilityIncrement, "reliabilityIncrement", fixedText("%")},
};

using L = LossFunctionPageIds;
const std::array kLossFunctionYield = {
    Field{L::kMaxYieldDepth,
          "Depth to Water Table for Maximum Yield:",
          &R::maxYieldDepth,
          "maxYieldDepth",
          {L::kMaxYieldDepthUnit, "feet", "meters"}},
    Field{L::kAnnualBenefits,
          "Annual Benefits:",
          &R::annualBenefits,
          "annualBenefits",
          {L::kAnnualBenefitsUnit, "per acre", "per hectare"}},
};

const std::array kLossFunctionCoefficients = {
    Field{L::kCoefA, "A:", &R::coefA, "coefA", {}},
    Field{L::kCoefB, "B:", &R::coefB, "coefB", {}},
    Field{L::kCoefX, "X:", &R::coefX, "coefX", {}},
};

}  // namespace

std::span<const Field> fieldDataFields()
{
    return kFieldData;
}
std::span<const Field> costDataFields()
{
    return kCostData;
}
const Field& averagePipeCostField()
{
    return kAveragePipeCost;
}
std::span<const Field> trenchDataFields()
{
    return kTrenchData;
}
std::span<const Field> designSingleFields()
{
    return kDesignSingle;
}
std::span<const Field> designRangeDepthFields()
{
    return kDesignRangeDepth;
}
std::span<const Field> designRangeSpacingFields()
{
    return kDesignRangeSpacing;
}
const Field& riskCriticalDepthField()
{
    return kRiskCriticalDepth;
}
std::span<const Field> reliabilityFields()
{
    return kReliability;
}
std::span<const Field> lossFunctionYieldFields()
{
    return kLossFunctionYield;
}
std::span<const Field> lossFunctionCoefficientFields()
{
    return kLossFunctionCoefficients;
}

}  // namespace riskform
