// Switching a risk project between English and metric units: which values convert, by which
// factor, and that a switch there and back restores them.
#include <gtest/gtest.h>

#include "data/RiskData.h"
#include "data/RiskFiles.h"

namespace {

constexpr double kFeetInMetre = 3.2808398;

// Every value with a length in it, by name.
const std::initializer_list<std::pair<const char*, double RiskData::*>> kLengths = {
    {"barrierDepth", &RiskData::barrierDepth},
    {"drainRadius", &RiskData::drainRadius},
    {"permeability", &RiskData::permeability},
    {"rechargeRate", &RiskData::rechargeRate},
    {"barrierDepthSD", &RiskData::barrierDepthSD},
    {"permeabilitySD", &RiskData::permeabilitySD},
    {"rechargeRateSD", &RiskData::rechargeRateSD},
    {"constInstallRate", &RiskData::constInstallRate},
    {"maxInstallDepth", &RiskData::maxInstallDepth},
    {"minInstallRate", &RiskData::minInstallRate},
    {"criticalDepth", &RiskData::criticalDepth},
    {"designDepth", &RiskData::designDepth},
    {"designSpacing", &RiskData::designSpacing},
    {"depthIncrement", &RiskData::depthIncrement},
    {"maxDepth", &RiskData::maxDepth},
    {"minDepth", &RiskData::minDepth},
    {"spacingIncrement", &RiskData::spacingIncrement},
    {"maxSpacing", &RiskData::maxSpacing},
    {"minSpacing", &RiskData::minSpacing},
    {"maxYieldDepth", &RiskData::maxYieldDepth},
};

TEST(RiskUnits, MetresBecomeFeetAndCostsPerMetreBecomeCostsPerFoot)
{
    RiskData data = writtenRiskProject();
    for (const auto& [name, length] : kLengths) data.*length = 2.0;
    data.omCost = kFeetInMetre;
    data.averagePipeCost = 2 * kFeetInMetre;
    data.pipeCost[6] = 10 * kFeetInMetre;
    data.gravelCost[0] = 0.5 * kFeetInMetre;
    data.annualBenefits = 1000;  // per hectare

    data.SetUnits(RiskData::Units::English);
    EXPECT_EQ(data.units, RiskData::Units::English);
    for (const auto& [name, length] : kLengths) EXPECT_DOUBLE_EQ(data.*length, 6.5616796) << name;
    EXPECT_DOUBLE_EQ(data.omCost, 1.0);
    EXPECT_DOUBLE_EQ(data.averagePipeCost, 2.0);
    EXPECT_DOUBLE_EQ(data.pipeCost[6], 10.0);
    EXPECT_DOUBLE_EQ(data.gravelCost[0], 0.5);
    EXPECT_DOUBLE_EQ(data.pipeCost[0], 1.2 / kFeetInMetre);
    EXPECT_DOUBLE_EQ(data.annualBenefits, 404.687);  // per acre
}

TEST(RiskUnits, ValuesWithoutALengthStayAsTheyAre)
{
    const RiskData english = [] {
        RiskData data = writtenRiskProject();
        data.units = RiskData::Units::English;
        return data;
    }();
    RiskData metric = english;
    metric.SetUnits(RiskData::Units::Metric);
    for (double RiskData::*unchanged :
         {&RiskData::discountRate, &RiskData::systemLife, &RiskData::constCostPerMinute, &RiskData::varCostPerMinute,
          &RiskData::depthRateSlope, &RiskData::coefA, &RiskData::coefB, &RiskData::coefX, &RiskData::givenReliability,
          &RiskData::reliabilityIncrement, &RiskData::maxReliability, &RiskData::minReliability})
        EXPECT_EQ(metric.*unchanged, english.*unchanged);
    EXPECT_EQ(metric.lateralPercent, english.lateralPercent);
    EXPECT_EQ(metric.cropName, english.cropName);
    EXPECT_DOUBLE_EQ(metric.minSpacing, 10 / kFeetInMetre);
    EXPECT_DOUBLE_EQ(metric.gravelCost[6], 1.5 * kFeetInMetre);
}

TEST(RiskUnits, EnglishToMetricAndBackRestoresEveryValue)
{
    RiskData english = writtenRiskProject();
    english.units = RiskData::Units::English;
    RiskData data = english;
    data.SetUnits(RiskData::Units::Metric);
    EXPECT_NE(data.pipeCost, english.pipeCost);
    data.SetUnits(RiskData::Units::English);

    for (const auto& [name, length] : kLengths) EXPECT_DOUBLE_EQ(data.*length, english.*length) << name;
    for (int row = 0; row < RiskData::kPipeSizes; ++row) {
        EXPECT_DOUBLE_EQ(data.pipeCost[row], english.pipeCost[row]);
        EXPECT_DOUBLE_EQ(data.gravelCost[row], english.gravelCost[row]);
    }
    EXPECT_DOUBLE_EQ(data.omCost, english.omCost);
    EXPECT_DOUBLE_EQ(data.averagePipeCost, english.averagePipeCost);
    EXPECT_DOUBLE_EQ(data.annualBenefits, english.annualBenefits);
}

TEST(RiskUnits, TheSameUnitsAgainChangeNothing)
{
    RiskData data = writtenRiskProject();
    data.SetUnits(RiskData::Units::Metric);
    data.SetUnits(RiskData::Units::Metric);
    expectSameRiskProject(data, writtenRiskProject());

    data.units = RiskData::Units::English;
    data.SetUnits(RiskData::Units::Metric);
    EXPECT_EQ(data.units, RiskData::Units::Metric);
    EXPECT_DOUBLE_EQ(data.barrierDepth, 3.05 / kFeetInMetre);
}

}  // namespace
