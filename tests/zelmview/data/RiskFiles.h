// Helpers for tests of the risk side's files: the risk projects under tests/data/rsk, the
// uncertainty reports under tests/data/unc, and variants of them written into a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include "data/ProjectFiles.h"
#include "data/RiskData.h"

inline QString riskDataFile(const QString& name)
{
    return QStringLiteral(ZELM_TEST_DATA_DIR "/rsk/") + name;
}

inline QString riskReportFile(const QString& name)
{
    return QStringLiteral(ZELM_TEST_DATA_DIR "/unc/") + name;
}

// The lines of `text` without their line ends.
inline QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// The project that tests/data/rsk/written.rsk holds: metric, a loss function analysis of a range
// of designs with the pipe cost table and variable speed trenching, every value a different one.
inline RiskData writtenRiskProject()
{
    RiskData data;
    data.lossFunction = RiskData::LossFunction::Dome;
    data.units = RiskData::Units::Metric;
    data.minReliability = 50;
    data.maxReliability = 95;
    data.reliabilityIncrement = 2.5;
    data.uncertaintyOption = RiskData::UncertaintyOption::LossFunctionAnalysis;
    data.evaluation = RiskData::Evaluation::DesignRange;
    data.pipeCostType = RiskData::PipeCostType::SizeTable;
    data.trenchSpeed = RiskData::TrenchSpeed::Variable;
    data.reliabilityOption = RiskData::ReliabilityOption::ReliabilityTable;
    data.barrierDepth = 3.05;
    data.rechargeRate = 0.0095;
    data.permeability = 0.3;
    data.rechargeRateSD = 0.0024;
    data.permeabilitySD = 0.15;
    data.criticalDepth = 0.3;
    data.minDepth = 0.9;
    data.drainRadius = 0.06;
    data.averagePipeCost = 1.65;
    data.maxInstallDepth = 2.4;
    data.depthRateSlope = 0.000015;
    data.maxDepth = 1.5;
    data.varCostPerMinute = 6.5;
    data.coefA = 0.2;
    data.coefB = 0.8;
    data.coefX = 0.25;
    data.minSpacing = 10;
    data.maxSpacing = 40;
    data.spacingIncrement = 2.5;
    data.systemLife = 20;
    data.omCost = 0.033;
    data.annualBenefits = 123457;
    data.discountRate = 8;
    data.designDepth = 1.2;
    data.minInstallRate = 1.8;
    data.designSpacing = 20;
    data.barrierDepthSD = 0.3;
    data.maxYieldDepth = 0.9;
    data.depthIncrement = 0.15;
    data.givenReliability = 90;
    data.constCostPerMinute = 5;
    data.constInstallRate = 3;
    data.cropName = "sweet corn";
    data.pipeType = RiskData::PipeType::Concrete;
    data.pipeCost = {1.2, 2.1, 3.4, 5.25, 7.5, 9.8, 12.5};
    data.gravelCost = {0.4, 0.55, 0.7, 0.85, 1, 1.25, 1.5};
    data.lateralPercent = {40, 25, 15, 10, 5, 3, 2};
    return data;
}

// Every field of `actual` equals that of `expected`, reals to the last bit.
inline void expectSameRiskProject(const RiskData& actual, const RiskData& expected)
{
    EXPECT_EQ(actual.units, expected.units);
    EXPECT_EQ(actual.evaluation, expected.evaluation);
    EXPECT_EQ(actual.uncertaintyOption, expected.uncertaintyOption);
    EXPECT_EQ(actual.pipeType, expected.pipeType);
    EXPECT_EQ(actual.pipeCostType, expected.pipeCostType);
    EXPECT_EQ(actual.trenchSpeed, expected.trenchSpeed);
    EXPECT_EQ(actual.reliabilityOption, expected.reliabilityOption);
    EXPECT_EQ(actual.lossFunction, expected.lossFunction);
    const auto reals = {&RiskData::barrierDepth,
                        &RiskData::drainRadius,
                        &RiskData::permeability,
                        &RiskData::rechargeRate,
                        &RiskData::barrierDepthSD,
                        &RiskData::permeabilitySD,
                        &RiskData::rechargeRateSD,
                        &RiskData::discountRate,
                        &RiskData::systemLife,
                        &RiskData::omCost,
                        &RiskData::averagePipeCost,
                        &RiskData::constCostPerMinute,
                        &RiskData::constInstallRate,
                        &RiskData::varCostPerMinute,
                        &RiskData::maxInstallDepth,
                        &RiskData::minInstallRate,
                        &RiskData::depthRateSlope,
                        &RiskData::criticalDepth,
                        &RiskData::designDepth,
                        &RiskData::designSpacing,
                        &RiskData::depthIncrement,
                        &RiskData::maxDepth,
                        &RiskData::minDepth,
                        &RiskData::spacingIncrement,
                        &RiskData::maxSpacing,
                        &RiskData::minSpacing,
                        &RiskData::givenReliability,
                        &RiskData::reliabilityIncrement,
                        &RiskData::maxReliability,
                        &RiskData::minReliability,
                        &RiskData::coefA,
                        &RiskData::coefB,
                        &RiskData::coefX,
                        &RiskData::maxYieldDepth,
                        &RiskData::annualBenefits};
    int index = 0;
    for (double RiskData::*real : reals) EXPECT_EQ(actual.*real, expected.*real) << "real #" << index++;
    EXPECT_EQ(actual.pipeCost, expected.pipeCost);
    EXPECT_EQ(actual.gravelCost, expected.gravelCost);
    EXPECT_EQ(actual.lateralPercent, expected.lateralPercent);
    EXPECT_EQ(actual.cropName, expected.cropName);
}
