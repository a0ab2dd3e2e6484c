#include "ResultChecks.h"

#include <cmath>
#include <utility>

#include "InputChecks.h"
#include "ModelError.h"

namespace uncertainty {

void requireFiniteResult(const DesignResult& r, const RiskProject& project)
{
    const std::pair<double, const char*> quantities[] = {
        {r.cost.lateralLength, "THE LENGTH OF LATERALS"},
        {r.cost.pipeCost, "THE PIPE AND GRAVEL COST"},
        {r.cost.installCost, "THE INSTALLATION COST"},
        {r.cost.capitalCost, "THE CAPITAL COST"},
        {r.cost.annualCost, "THE ANNUAL COST"},
        {r.reliability, "THE RELIABILITY"},
        {r.waterTableDepth.mean, "THE MEAN DEPTH TO THE WATER TABLE"},
        {r.waterTableDepth.sd, "THE STANDARD DEVIATION OF THE DEPTH TO THE WATER TABLE"},
        {r.waterTableDepth.cv(), "THE COEFFICIENT OF VARIATION OF THE DEPTH TO THE WATER TABLE"},
        {r.yield.mean, "THE EXPECTED RELATIVE YIELD"},
        {r.yield.sd, "THE STANDARD DEVIATION OF THE RELATIVE YIELD"},
        {r.yield.cv(), "THE COEFFICIENT OF VARIATION OF THE RELATIVE YIELD"},
        {r.netBenefit, "THE EXPECTED NET BENEFIT"},
    };
    const std::string unit = project.isMetric() ? " M" : " FT";
    for (const auto& [value, quantity] : quantities) {
        if (std::isfinite(value)) continue;
        throw ModelError("ERROR - " + std::string(quantity) + " OF THE DESIGN " + shortNumber(r.design.depth) + unit +
                         " DEEP AND " + shortNumber(r.design.spacing) + unit +
                         " APART IS NOT A FINITE NUMBER: AN INPUT LIES BEYOND WHAT THE MODEL CAN COMPUTE");
    }
}

}  // namespace uncertainty
