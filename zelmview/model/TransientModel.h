// The transient model in process, for the live panel and the sensitivity study: a project as the
// editor holds it goes in, the run's results come out as values. The input is exactly what the
// program `zelm` reads when the project is saved and run (the events sorted as a save sorts them,
// the file a save writes, read by the model's own reader) and the run is the program's own library
// code, so every number equals that of a run of the saved project. Nothing is printed, written or
// stopped: a project the model refuses gives the model's message as a value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Trafor/ModelRun.h"
#include "data/WaterTableAssessment.h"
#include "data/ZELMData.h"
#include "model/ModelInput.h"

namespace model {

// The name a project without a file goes by in the model's messages.
inline const std::string kUnsavedProjectFile = "project.trn";

// The model's input for `data`, or the message that stops a save or the model's reader.
using TransientInput = ModelInput<zelm::ProjectInput>;
// `fileName` names the project in the reader's messages, as the program names the file it reads.
TransientInput transientInput(const ZELMData& data, const std::string& fileName = kUnsavedProjectFile);

// The whole run with the texts of the report and the daily file the program would write; a failed
// preparation is a run with its error and nothing else.
zelm::Simulation simulateTransient(const ZELMData& data, const std::string& fileName = kUnsavedProjectFile);

// What the live panel and the sensitivity study read of a run.
struct TransientResult {
    std::string error;    // what stopped the run; nothing below holds then
    std::string warning;  // the model's console warning, or empty

    ZELMData::InputMode mode = ZELMData::InputMode::Design;
    ZELMData::Units units = ZELMData::Units::English;
    double spacing = 0.0;          // the design's spacing, or the spacing analysed
    double equivalentDepth = 0.0;  // de of the last pass (0 on the barrier)
    double barrierDistance = 0.0;  // as the run used it (0 replaced by 0.0001 off the barrier)
    bool onBarrier = false;        // the barrier case the report names
    // Design: no spacing keeps the peak at the allowed height; this one keeps it least above.
    bool peakEncroaches = false;

    // The year's daily water table above the drain, as the daily file shows it.
    std::vector<int> dailyDay;
    std::vector<double> dailyHeight;
    // The peak and the days above the allowed height, as the report window judges them.
    zelm::WaterTableAssessment assessment;

    bool failed() const { return !error.empty(); }
};

// The values of the run as the report and the daily file show them; `run` failed or not.
TransientResult resultOf(const zelm::Simulation& run, const ZELMData& data);

// One run of `data`, its results as values.
TransientResult runTransient(const ZELMData& data, const std::string& fileName = kUnsavedProjectFile);

// A value with the decimals the report gives it, as the report shows it.
std::string shownFixed(double value, int decimals);

}  // namespace model
