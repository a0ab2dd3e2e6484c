// RiskData::SetUnits: converting a risk project between feet and metres in place. Lengths,
// conductivities and rates of installation scale with the length; costs per unit length (the
// operation and maintenance cost, the average pipe cost and the pipe and gravel costs of the pipe
// cost table) scale inversely; benefits per acre scale with the area. Rates, lives, costs per
// minute, the slope, the loss coefficients and the reliabilities have no length in them.
#include <algorithm>
#include <cmath>

#include "data/RiskData.h"
#include "data/UnitFactors.h"

namespace {

constexpr double RiskData::*kLengths[] = {
    &RiskData::barrierDepth,     &RiskData::drainRadius,    &RiskData::permeability,   &RiskData::rechargeRate,
    &RiskData::barrierDepthSD,   &RiskData::permeabilitySD, &RiskData::rechargeRateSD, &RiskData::constInstallRate,
    &RiskData::maxInstallDepth,  &RiskData::minInstallRate, &RiskData::criticalDepth,  &RiskData::designDepth,
    &RiskData::designSpacing,    &RiskData::depthIncrement, &RiskData::maxDepth,       &RiskData::minDepth,
    &RiskData::spacingIncrement, &RiskData::maxSpacing,     &RiskData::minSpacing,     &RiskData::maxYieldDepth,
};

// Multiplies `value` by `factor` on the way to English units, divides on the way to metric.
void scale(double& value, double factor, bool toEnglish)
{
    value = toEnglish ? value * factor : value / factor;
}

void scaleCostsPerLength(RiskData& data, bool toEnglish)
{
    // A cost per foot is the cost per metre divided by the feet in a metre.
    scale(data.omCost, zelm::kFeetPerMetre, !toEnglish);
    scale(data.averagePipeCost, zelm::kFeetPerMetre, !toEnglish);
    for (double& cost : data.pipeCost) scale(cost, zelm::kFeetPerMetre, !toEnglish);
    for (double& cost : data.gravelCost) scale(cost, zelm::kFeetPerMetre, !toEnglish);
}

}  // namespace

void RiskData::SetUnits(Units newUnits)
{
    if (newUnits == units) return;
    const bool toEnglish = newUnits == Units::English;
    for (double RiskData::*length : kLengths) scale(this->*length, zelm::kFeetPerMetre, toEnglish);
    scaleCostsPerLength(*this, toEnglish);
    scale(annualBenefits, zelm::kHectaresPerAcre, toEnglish);
    units = newUnits;
}

bool RiskData::ConvertsWithinFile(Units newUnits) const
{
    RiskData converted = *this;
    converted.SetUnits(newUnits);
    const auto finite = [](double value) { return std::isfinite(value); };
    return std::all_of(std::begin(kLengths), std::end(kLengths),
                       [&converted](double RiskData::*length) { return std::isfinite(converted.*length); }) &&
           finite(converted.omCost) && finite(converted.averagePipeCost) && finite(converted.annualBenefits) &&
           std::all_of(converted.pipeCost.begin(), converted.pipeCost.end(), finite) &&
           std::all_of(converted.gravelCost.begin(), converted.gravelCost.end(), finite);
}
