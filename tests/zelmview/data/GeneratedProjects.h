// Generated projects for the contract tests of the programs and the models in process: transient
// projects of any mode within the model's domain, and risk projects of every kind.
#pragma once

#include <QString>
#include <array>
#include <cmath>
#include <random>

#include "data/OutputFiles.h"
#include "data/RiskFiles.h"
#include "data/ZELMData.h"

// A project of any mode within the model's domain, some of it at the edges: tiny and large
// permeabilities and spacings (time factors beyond their field), drains on and near the barrier,
// up to 150 events, titles and comments that read like the report's own lines.
inline ZELMData generatedTransientProject(std::mt19937& random, int number)
{
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto oneOf = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    ZELMData data;
    data.inputMode = oneOf(2) ? ZELMData::InputMode::Analysis : ZELMData::InputMode::Design;
    data.metricUnits = oneOf(2) ? ZELMData::Units::Metric : ZELMData::Units::English;
    data.benchBottomland = oneOf(2);
    data.barrierMode = std::array{ZELMData::BarrierMode::ByCriterion, ZELMData::BarrierMode::OffBarrier,
                                  ZELMData::BarrierMode::OnBarrier}[oneOf(3)];
    data.permeability = oneOf(4) ? uniform(0.05, 5.0) : uniform(5.0, 40.0);
    data.specificYield = uniform(0.01, 0.35);
    data.depthToDrain = uniform(1.0, 8.0);
    data.maxWaterTable = uniform(0.2, 0.9) * data.depthToDrain;
    data.minWaterTableDepth = data.depthToDrain - data.maxWaterTable;
    data.barrierDistance = std::array{0.0, uniform(0.05, 1.0), uniform(1.0, 30.0)}[oneOf(3)];
    data.drainRadius = uniform(0.05, 0.5);
    data.drainSpacing = oneOf(5) ? uniform(10.0, 300.0) : uniform(3.0, 10.0);
    data.awhc = uniform(0.0, 12.0);
    const QList<IrrigationDataElement> events = spreadEvents(number % 12 == 0 ? 150 : 1 + oneOf(40));
    const double scale = data.metricUnits == ZELMData::Units::Metric ? 2.54 : 1.0;
    for (IrrigationDataElement event : events) {
        event.amount = std::round(uniform(0.0, 1.5) * scale * 100.0) / 100.0;
        data.events.append(event);
    }
    data.title = number % 3 == 0 ? QStringLiteral("EVENT   TIME of project %1").arg(number)
                                 : QStringLiteral("Generated project %1").arg(number);
    data.comment = QStringLiteral(
        " EVENT   TIME     BU      YO     D     KDt/SL2   Y/Y0     Y\r\n"
        " -----------------------------------------------------------\r\n"
        "          10           0.50    1.00    0.0100  0.900    0.45");
    return data;
}

// A project of each kind: the written test project (every field set) with its two-way codes and
// loss function after the bits of `i`, its soil data, spacing and costs scaled at random, and its
// range cut to 25 designs.
inline RiskData generatedRiskProject(int i, std::mt19937& random)
{
    using R = RiskData;
    RiskData p = writtenRiskProject();
    const auto bit = [i](int k) { return ((i >> k) & 1) != 0; };
    p.evaluation = bit(0) ? R::Evaluation::DesignRange : R::Evaluation::GivenDesign;
    p.uncertaintyOption = bit(1) ? R::UncertaintyOption::LossFunctionAnalysis : R::UncertaintyOption::RiskAnalysis;
    p.reliabilityOption = bit(2) ? R::ReliabilityOption::ReliabilityTable : R::ReliabilityOption::GivenReliability;
    p.pipeCostType = bit(3) ? R::PipeCostType::SizeTable : R::PipeCostType::Average;
    p.trenchSpeed = bit(4) ? R::TrenchSpeed::Variable : R::TrenchSpeed::Constant;
    p.lossFunction = static_cast<R::LossFunction>(1 + i % 3);
    std::uniform_real_distribution<double> factor(0.5, 2.0);
    for (double* value : {&p.permeability, &p.permeabilitySD, &p.rechargeRate, &p.rechargeRateSD, &p.barrierDepthSD,
                          &p.designSpacing, &p.averagePipeCost, &p.omCost, &p.constCostPerMinute})
        *value *= factor(random);
    p.maxSpacing = p.minSpacing + 4 * p.spacingIncrement;
    if (bit(5)) p.SetUnits(R::Units::English);
    return p;
}
