// How the result of a transient project depends on its inputs: the design spacing in design mode,
// the peak water table above the drain in analysis mode. A tornado changes each input in turn by
// a given per cent down and up, all else as it stands; a sweep runs one input over a range. Every
// point is one run of the model in process on the project with that one change, so its number is
// the one a save and a run of that project would give; a change the model refuses keeps the
// model's message instead of a number.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "data/ZELMData.h"

namespace model {

struct TransientResult;

// What a study varies. The event amounts go together: their total over the year, each amount in
// proportion.
enum class StudyInput : int {
    Permeability = 0,
    SpecificYield = 1,
    BarrierDistance = 2,
    MaxWaterTable = 3,  // design only: analysis judges against it but does not depend on it
    DrainRadius = 4,
    DepthToDrain = 5,
    EventAmounts = 6,
    Spacing = 7,  // analysis only: a design searches it
};

// The inputs a project of `mode` depends on, in the order of the form.
std::vector<StudyInput> studyInputs(ZELMData::InputMode mode);

// "Permeability", ..., "Event amounts (total)".
QString inputName(StudyInput input);
// "ft/day", "ft", "in", ... or empty for the specific yield.
QString inputUnit(StudyInput input, ZELMData::Units units);
// "Drain spacing" or "Peak height above the drain"; in the project's length unit.
QString resultName(ZELMData::InputMode mode);

double inputValue(const ZELMData& data, StudyInput input);
// Event amounts: every amount scaled so that they total `value`; amounts that total nothing get
// equal shares of it.
void setInputValue(ZELMData& data, StudyInput input, double value);

// One run's result, or the message of the model that refused it.
struct StudyOutcome {
    double value = 0.0;
    std::string error;
    std::string warning;  // the model's warning, or that no spacing keeps the peak low enough

    bool refused() const { return !error.empty(); }
};

// The result of `data` as it stands.
StudyOutcome studyOutcome(const ZELMData& data);
// The result of a run already made of `data`'s mode.
StudyOutcome studyOutcome(const TransientResult& result);

// What a design says when no spacing keeps the peak at the allowed height.
inline const std::string kPeakEncroaches = "no spacing keeps the peak at the allowed height";

struct TornadoBar {
    StudyInput input = StudyInput::Permeability;
    double lowInput = 0.0;  // the input lowered, and raised, by the study's per cent
    double highInput = 0.0;
    StudyOutcome low;
    StudyOutcome high;
    // The larger change of the result, on a side the model took; 0 when it took neither.
    double effect = 0.0;

    bool refused() const { return low.refused() && high.refused(); }
};

struct Tornado {
    double percent = 0.0;
    StudyOutcome base;
    // By effect, the largest first; inputs refused on both sides last. None when the base itself
    // is refused.
    std::vector<TornadoBar> bars;
};

Tornado tornado(const ZELMData& data, double percent);

struct SweepPoint {
    double input = 0.0;
    StudyOutcome outcome;
};

inline constexpr int kMaxSweepSteps = 200;

// `steps` values of `input` evenly from `from` to `to`, both included (one step: `from`); at most
// kMaxSweepSteps.
std::vector<SweepPoint> sweep(const ZELMData& data, StudyInput input, double from, double to, int steps);

}  // namespace model
