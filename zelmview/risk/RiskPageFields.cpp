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

const std::array kFieldData = {
    Field{1030, "Drain radius [r]:", &R::drainRadius, "drainRadius", feet(1028)},
    Field{1026, "Depth to barrier [d]:", &R::barrierDepth, "barrierDepth", feet(1034)},
    Field{1027, "Standard deviation of [d]:", &R::barrierDepthSD, "barrierDepthSD", feet(1035)},
    Field{1029, "Hydraulic conductivity of soil [K]:", &R::permeability, "permeability", feetPerDay(1036)},
    Field{1031, "Standard deviation of [K]:", &R::permeabilitySD, "permeabilitySD", feetPerDay(1037)},
    Field{1032, "Recharge rate [Qd]:", &R::rechargeRate, "rechargeRate", feetPerDay(1038)},
    Field{1033, "Standard deviation of [Qd]:", &R::rechargeRateSD, "rechargeRateSD", feetPerDay(1039)},
};

const std::array kCostData = {
    Field{1029, "Interest rate to be used:", &R::discountRate, "discountRate", fixedText("%")},
    Field{1031, "Life of the system:", &R::systemLife, "systemLife", fixedText("years")},
    Field{1030, "Cost of O && M:", &R::omCost, "omCost", perLinearFoot(1051)},
};

const Field kAveragePipeCost{1078, "", &R::averagePipeCost, "averagePipeCost", perLinearFoot(1052)};

const std::array kTrenchData = {
    Field{1075, "Rate of installation:", &R::constInstallRate, "constInstallRate", feetPerMinute(1081)},
    Field{1076, "Cost per minute of installation:", &R::constCostPerMinute, "constCostPerMinute", emptyUnit(1082)},
    Field{1077, "Max depth of installation:", &R::maxInstallDepth, "maxInstallDepth", {1083, "feet", "meters"}},
    Field{1078, "Min rate of installation:", &R::minInstallRate, "minInstallRate", feetPerMinute(1084)},
    Field{1079, "Cost per minute of installation:", &R::varCostPerMinute, "varCostPerMinute", emptyUnit(1085)},
    Field{1080, "Slope of depth vs. installation:", &R::depthRateSlope, "depthRateSlope", emptyUnit(1086)},
};

const std::array kDesignSingle = {
    Field{1036, "Spacing to be considered:", &R::designSpacing, "designSpacing", feet(1040)},
    Field{1037, "Depth to be considered:", &R::designDepth, "designDepth", feet(1041)},
    Field{1038, "Critical depth to water table:", &R::criticalDepth, "criticalDepth", feet(1042)},
};

const std::array kDesignRangeDepth = {
    Field{1056, "Minimum depth to be considered:", &R::minDepth, "minDepth", feet(1052)},
    Field{1055, "Maximum depth to be considered:", &R::maxDepth, "maxDepth", feet(1053)},
    Field{1057, "Increment in depth to be considered:", &R::depthIncrement, "depthIncrement", feet(1054)},
};

const std::array kDesignRangeSpacing = {
    Field{1039, "Minimum spacing to be considered:", &R::minSpacing, "minSpacing", feet(1045)},
    Field{1043, "Maximum spacing to be considered:", &R::maxSpacing, "maxSpacing", feet(1046)},
    Field{1044, "Increment in spacing to be considered:", &R::spacingIncrement, "spacingIncrement", feet(1047)},
};

const Field kRiskCriticalDepth{1042, "Critical depth to water table:", &R::criticalDepth, "criticalDepth", feet(1044)};

const std::array kReliability = {
    Field{1045, "Reliability:", &R::givenReliability, "givenReliability", fixedText("%")},
    Field{1046, "Minimum reliability:", &R::minReliability, "minReliability", fixedText("%")},
    Field{1047, "Maximum reliability:", &R::maxReliability, "maxReliability", fixedText("%")},
    Field{1048, "Increment:", &R::reliabilityIncrement, "reliabilityIncrement", fixedText("%")},
};

const std::array kLossFunctionYield = {
    Field{
        1082, "Depth to Water Table for Maximum Yield:", &R::maxYieldDepth, "maxYieldDepth", {1083, "feet", "meters"}},
    Field{1084, "Annual Benefits:", &R::annualBenefits, "annualBenefits", {1085, "per acre", "per hectare"}},
};

const std::array kLossFunctionCoefficients = {
    Field{1067, "A:", &R::coefA, "coefA", {}},
    Field{1068, "B:", &R::coefB, "coefB", {}},
    Field{1069, "X:", &R::coefX, "coefX", {}},
};

}  // namespace

std::span<const Field> FieldDataFields()
{
    return kFieldData;
}
std::span<const Field> CostDataFields()
{
    return kCostData;
}
const Field& AveragePipeCostField()
{
    return kAveragePipeCost;
}
std::span<const Field> TrenchDataFields()
{
    return kTrenchData;
}
std::span<const Field> DesignSingleFields()
{
    return kDesignSingle;
}
std::span<const Field> DesignRangeDepthFields()
{
    return kDesignRangeDepth;
}
std::span<const Field> DesignRangeSpacingFields()
{
    return kDesignRangeSpacing;
}
const Field& RiskCriticalDepthField()
{
    return kRiskCriticalDepth;
}
std::span<const Field> ReliabilityFields()
{
    return kReliability;
}
std::span<const Field> LossFunctionYieldFields()
{
    return kLossFunctionYield;
}
std::span<const Field> LossFunctionCoefficientFields()
{
    return kLossFunctionCoefficients;
}

}  // namespace riskform
