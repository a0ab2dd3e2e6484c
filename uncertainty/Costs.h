// The cost of a design per unit area (acre in English units, hectare in metric): the laterals'
// length, their pipe and installation, the capital recovered over the system's life at the
// discount rate, and operation and maintenance.
#pragma once

#include "RiskProject.h"

namespace uncertainty {

constexpr double kSquareFeetPerAcre = 43560.0;
constexpr double kSquareMetresPerHectare = 10000.0;

struct DesignCost {
    double lateralLength = 0.0;  // per unit area
    double pipeCost = 0.0;       // per unit length of lateral
    double installCost = 0.0;    // per unit length of lateral
    double capitalCost = 0.0;    // C0, per unit area
    double recoveryFactor = 0.0;
    double annualCost = 0.0;  // C0 CRF + O&M, per unit area and year
};

double lateralLengthPerArea(double spacing, bool metric);

// CRF = i (1 + i)^n / ((1 + i)^n - 1) with i the rate as a fraction; 1 / n when i = 0. It stays
// finite however long the life (it tends to i); only a life or a rate beyond any real one (a life
// of 1e-310 years) makes it infinite, and the run then stops on the cost it cannot compute.
double capitalRecoveryFactor(double discountPercent, double years);

// The sum of the lateral percentages of the pipe cost table.
double lateralPercentSum(const RiskProject& project);

// The average, or the table's pipe and gravel costs weighted by the shares of their percentages.
double pipeCostPerLength(const RiskProject& project);

// Whether the chosen trenching machine reaches the depth (only the variable speed machine has a
// limit, maxInstallDepth, with the same 1e-9 relative leeway as the ends of a range).
bool machineReaches(const RiskProject& project, double depth);

// The machine's rate of installation at the depth: the constant rate, or the variable speed
// machine's minInstallRate at its maximum depth, faster by 1 / |slope| per unit of depth above it.
double installRate(const RiskProject& project, double depth);

double installCostPerLength(const RiskProject& project, double depth);

DesignCost designCost(const RiskProject& project, double depth, double spacing);

}  // namespace uncertainty
