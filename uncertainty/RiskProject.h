// The risk project as the model reads it from the ".rsk" file: the field data with their standard
// deviations, costs, trenching machines, the design or range of designs, and the reliability
// settings or the loss function. Codes are 1 or 2 (the loss function 1 to 3) once read.
#pragma once

#include <array>
#include <string>

namespace uncertainty {

constexpr int kPipeSizes = 7;
constexpr const char* kPipeTypeNames[] = {"PLASTIC", "CONCRETE", "CLAY"};

struct RiskProject {
    int units = 1;              // 1 English (ft, acre), 2 metric (m, hectare)
    int evaluation = 1;         // 1 a given design, 2 a range of designs
    int uncertaintyOption = 1;  // 1 risk analysis, 2 loss function analysis
    int pipeCostType = 1;       // 1 average pipe cost, 2 distribution of sizes
    int trenchSpeed = 1;        // 1 constant, 2 variable
    int reliabilityOption = 1;  // 1 a given reliability, 2 a table of reliability vs. cost
    int lossFunction = 1;       // 1, 2 or 3
    int pipeType = 0;           // index into kPipeTypeNames

    // Field data: means and standard deviations (lengths, and lengths per day).
    double barrierDepth = 0.0;  // Z, below the ground surface
    double barrierDepthSD = 0.0;
    double permeability = 0.0;  // K
    double permeabilitySD = 0.0;
    double rechargeRate = 0.0;  // q, the drainage coefficient
    double rechargeRateSD = 0.0;
    double drainRadius = 0.0;
    double criticalDepth = 0.0;  // Wc, the least depth to the water table a design must keep

    // Costs: per unit length of drain (foot or metre), rates in percent, life in years.
    double discountRate = 0.0;
    double systemLife = 0.0;
    double omCost = 0.0;
    double averagePipeCost = 0.0;
    std::array<double, kPipeSizes> pipeCost{};
    std::array<double, kPipeSizes> gravelCost{};
    std::array<double, kPipeSizes> lateralPercent{};

    // Trenching machines: costs per minute, rates in length per minute.
    double constCostPerMinute = 0.0;
    double constInstallRate = 0.0;
    double varCostPerMinute = 0.0;
    double maxInstallDepth = 0.0;
    double minInstallRate = 0.0;
    double depthRateSlope = 0.0;  // depth per unit of rate

    // The given design, and the range of designs.
    double designDepth = 0.0;
    double designSpacing = 0.0;
    double minDepth = 0.0;
    double maxDepth = 0.0;
    double depthIncrement = 0.0;
    double minSpacing = 0.0;
    double maxSpacing = 0.0;
    double spacingIncrement = 0.0;

    // Reliabilities in percent.
    double givenReliability = 0.0;
    double minReliability = 0.0;
    double maxReliability = 0.0;
    double reliabilityIncrement = 0.0;

    // Loss function.
    std::string cropName;
    double coefA = 0.0;
    double coefB = 0.0;
    double coefX = 0.0;
    double maxYieldDepth = 0.0;   // Wopt
    double annualBenefits = 0.0;  // per acre or hectare

    bool isMetric() const { return units != 1; }
    bool isRange() const { return evaluation != 1; }
    bool isLossFunction() const { return uncertaintyOption != 1; }
    bool usesPipeTable() const { return pipeCostType != 1; }
    bool isVariableSpeed() const { return trenchSpeed != 1; }
    bool wantsTable() const { return reliabilityOption != 1; }
};

}  // namespace uncertainty
