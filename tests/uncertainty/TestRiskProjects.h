// Risk projects built in code for the tests and benchmarks of the uncertainty model, and their
// ".rsk" text as the editor writes it (comment lines, "%g" numbers, names by columns).
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

#include "RiskProject.h"

namespace uncertainty::fixtures {

// The project of the hand-checked values: English units, drains 4 ft deep and 40 ft apart,
// r = 0.2 ft, Wc = 1 ft, K = 1.0 +- 0.5 ft/day, Z = 10 +- 1 ft, q = 0.03125 +- 0.0078125 ft/day;
// pipe 0.50 per ft, a constant speed machine at 10 ft/min for 5 a minute, 8 % over 20 years, O&M 0.01.
inline RiskProject checkValueProject()
{
    RiskProject p;
    p.barrierDepth = 10.0;
    p.barrierDepthSD = 1.0;
    p.permeability = 1.0;
    p.permeabilitySD = 0.5;
    p.rechargeRate = 0.03125;
    p.rechargeRateSD = 0.0078125;
    p.drainRadius = 0.2;
    p.criticalDepth = 1.0;
    p.designDepth = 4.0;
    p.designSpacing = 40.0;
    p.averagePipeCost = 0.5;
    p.constCostPerMinute = 5.0;
    p.constInstallRate = 10.0;
    p.discountRate = 8.0;
    p.systemLife = 20.0;
    p.omCost = 0.01;
    return p;
}

// The same field over a range of designs, 3 to 7.9 ft by 0.1 and 10 to 208 ft by 2 (5000 designs),
// with a table of reliabilities from 50 to 99 % by 1.
inline RiskProject tableOfFiveThousandDesigns()
{
    RiskProject p = checkValueProject();
    p.evaluation = 2;
    p.reliabilityOption = 2;
    p.minDepth = 3.0;
    p.maxDepth = 7.9;
    p.depthIncrement = 0.1;
    p.minSpacing = 10.0;
    p.maxSpacing = 208.0;
    p.spacingIncrement = 2.0;
    p.minReliability = 50.0;
    p.maxReliability = 99.0;
    p.reliabilityIncrement = 1.0;
    return p;
}

inline std::string g(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

inline std::string padded(const std::string& text)
{
    return text.size() >= 10 ? text : text + std::string(10 - text.size(), ' ');
}

// The file as the editor writes it, with its comment lines before each data line.
inline std::string rskText(const RiskProject& p)
{
    std::ostringstream o;
    o << "#LINE 1:\n# [1]loss func (1-3)\n"
      << p.lossFunction << ' ' << p.units << ' ' << g(p.minReliability) << ' ' << g(p.maxReliability) << ' '
      << g(p.reliabilityIncrement) << "\n# LINE 2:\n"
      << p.uncertaintyOption << ' ' << p.evaluation << ' ' << p.pipeCostType << ' ' << p.trenchSpeed << ' '
      << p.reliabilityOption << "\n# LINE 3\n"
      << g(p.barrierDepth) << ' ' << g(p.rechargeRate) << ' ' << g(p.permeability) << ' ' << g(p.rechargeRateSD) << ' '
      << g(p.permeabilitySD) << " 0.0\n# LINE 4:\n"
      << g(p.criticalDepth) << ' ' << g(p.minDepth) << ' ' << g(p.drainRadius) << ' ' << g(p.averagePipeCost) << ' '
      << g(p.maxInstallDepth) << "\n# LINE 5:\n"
      << g(p.depthRateSlope) << ' ' << g(p.maxDepth) << ' ' << g(p.varCostPerMinute) << ' ' << g(p.coefA) << ' '
      << g(p.coefB) << ' ' << g(p.coefX) << "\n# LINE 6:\n"
      << g(p.minSpacing) << ' ' << g(p.maxSpacing) << ' ' << g(p.spacingIncrement) << ' ' << g(p.systemLife) << ' '
      << g(p.omCost) << "\n# LINE 7:\n"
      << g(p.annualBenefits) << ' ' << g(p.discountRate) << ' ' << g(p.designDepth) << " 0.0 " << g(p.minInstallRate)
      << ' ' << g(p.designSpacing) << "\n# LINE 8:\n"
      << g(p.barrierDepthSD) << ' ' << g(p.designDepth) << "\n# LINE 9:\n"
      << g(p.maxYieldDepth) << ' ' << g(p.depthIncrement) << ' ' << g(p.givenReliability) << ' '
      << g(p.constCostPerMinute) << ' ' << g(p.constInstallRate) << "\n# LINE 10:\n"
      << padded(p.cropName) << padded(kPipeTypeNames[p.pipeType]) << "\n# LINE 11-end (repeat 7 times)\n";
    for (int i = 0; i < kPipeSizes; ++i)
        o << g(p.pipeCost[i]) << ' ' << g(p.gravelCost[i]) << ' ' << g(p.lateralPercent[i]) << '\n';
    return o.str();
}

}  // namespace uncertainty::fixtures
