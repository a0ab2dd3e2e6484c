#include "model/Sensitivity.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "data/WaterTableAssessment.h"
#include "model/TransientModel.h"

namespace model {

namespace {

double eventTotal(const ZELMData& data)
{
    return std::accumulate(data.events.begin(), data.events.end(), 0.0,
                           [](double total, const IrrigationDataElement& event) { return total + event.amount; });
}

void setEventTotal(ZELMData& data, double total)
{
    if (data.events.isEmpty()) return;
    const double now = eventTotal(data);
    for (IrrigationDataElement& event : data.events)
        event.amount = now != 0.0 ? event.amount * (total / now) : total / double(data.events.size());
}

// The project's own field of an input held in one; null for the event amounts. `Data` is
// ZELMData or const ZELMData.
template <typename Data>
auto* field(Data& data, StudyInput input)
{
    using Field = decltype(&data.permeability);
    switch (input) {
    case StudyInput::Permeability:
        return &data.permeability;
    case StudyInput::SpecificYield:
        return &data.specificYield;
    case StudyInput::BarrierDistance:
        return &data.barrierDistance;
    case StudyInput::MaxWaterTable:
        return &data.maxWaterTable;
    case StudyInput::DrainRadius:
        return &data.drainRadius;
    case StudyInput::DepthToDrain:
        return &data.depthToDrain;
    case StudyInput::Spacing:
        return &data.drainSpacing;
    case StudyInput::EventAmounts:
        break;
    }
    return Field{nullptr};
}

StudyOutcome outcomeWith(const ZELMData& data, StudyInput input, double value)
{
    ZELMData changed = data;
    setInputValue(changed, input, value);
    return studyOutcome(changed);
}

// The larger change of the result on a side the model took.
double effectOf(const TornadoBar& bar, double base)
{
    double effect = 0.0;
    for (const StudyOutcome* side : {&bar.low, &bar.high})
        if (!side->refused()) effect = std::max(effect, std::abs(side->value - base));
    return effect;
}

}  // namespace

std::vector<StudyInput> studyInputs(ZELMData::InputMode mode)
{
    using enum StudyInput;
    if (mode == ZELMData::InputMode::Design)
        return {Permeability, SpecificYield, BarrierDistance, MaxWaterTable, DrainRadius, DepthToDrain, EventAmounts};
    return {Permeability, SpecificYield, BarrierDistance, DrainRadius, DepthToDrain, EventAmounts, Spacing};
}

QString inputName(StudyInput input)
{
    switch (input) {
    case StudyInput::Permeability:
        return QStringLiteral("Permeability");
    case StudyInput::SpecificYield:
        return QStringLiteral("Specific yield");
    case StudyInput::BarrierDistance:
        return QStringLiteral("Drain to barrier");
    case StudyInput::MaxWaterTable:
        return QStringLiteral("Maximum water table");
    case StudyInput::DrainRadius:
        return QStringLiteral("Drain radius");
    case StudyInput::DepthToDrain:
        return QStringLiteral("Depth to drain");
    case StudyInput::EventAmounts:
        return QStringLiteral("Event amounts (total)");
    case StudyInput::Spacing:
        return QStringLiteral("Drain spacing");
    }
    return {};
}

QString inputUnit(StudyInput input, ZELMData::Units units)
{
    switch (input) {
    case StudyInput::SpecificYield:
        return {};
    case StudyInput::Permeability:
        return zelm::lengthUnit(units) + QStringLiteral("/day");
    case StudyInput::EventAmounts:
        return units == ZELMData::Units::Metric ? QStringLiteral("cm") : QStringLiteral("in");
    default:
        return zelm::lengthUnit(units);
    }
}

QString resultName(ZELMData::InputMode mode)
{
    return mode == ZELMData::InputMode::Design ? QStringLiteral("Drain spacing")
                                               : QStringLiteral("Peak height above the drain");
}

double inputValue(const ZELMData& data, StudyInput input)
{
    if (input == StudyInput::EventAmounts) return eventTotal(data);
    return *field(data, input);
}

void setInputValue(ZELMData& data, StudyInput input, double value)
{
    if (input == StudyInput::EventAmounts)
        setEventTotal(data, value);
    else
        *field(data, input) = value;
}

StudyOutcome studyOutcome(const TransientResult& result)
{
    StudyOutcome outcome;
    outcome.error = result.error;
    outcome.warning = result.warning;
    if (result.failed()) return outcome;
    if (result.mode == ZELMData::InputMode::Design) {
        outcome.value = result.spacing;
        if (result.peakEncroaches && outcome.warning.empty()) outcome.warning = kPeakEncroaches;
    } else {
        outcome.value = result.assessment.peakHeight;
    }
    return outcome;
}

StudyOutcome studyOutcome(const ZELMData& data)
{
    return studyOutcome(runTransient(data));
}

Tornado tornado(const ZELMData& data, double percent)
{
    Tornado study;
    study.percent = percent;
    study.base = studyOutcome(data);
    if (study.base.refused()) return study;
    const double factor = percent / 100.0;
    for (StudyInput input : studyInputs(data.inputMode)) {
        TornadoBar bar;
        bar.input = input;
        const double value = inputValue(data, input);
        bar.lowInput = value * (1.0 - factor);
        bar.highInput = value * (1.0 + factor);
        bar.low = outcomeWith(data, input, bar.lowInput);
        bar.high = outcomeWith(data, input, bar.highInput);
        bar.effect = effectOf(bar, study.base.value);
        study.bars.push_back(std::move(bar));
    }
    std::stable_sort(study.bars.begin(), study.bars.end(), [](const TornadoBar& a, const TornadoBar& b) {
        if (a.refused() != b.refused()) return b.refused();
        return a.effect > b.effect;
    });
    return study;
}

std::vector<SweepPoint> sweep(const ZELMData& data, StudyInput input, double from, double to, int steps)
{
    steps = std::clamp(steps, 1, kMaxSweepSteps);
    std::vector<SweepPoint> points(std::size_t(steps), SweepPoint{});
    for (int k = 0; k < steps; ++k) {
        // The last value is `to` itself, not what the rounding of the steps before it makes of it.
        const double value = k == 0 ? from : k == steps - 1 ? to : from + (to - from) * k / (steps - 1.0);
        points[std::size_t(k)] = {value, outcomeWith(data, input, value)};
    }
    return points;
}

}  // namespace model
