#include "model/TransientModel.h"

#include <cmath>
#include <sstream>

#include "Trafor/FixedFormat.h"
#include "Trafor/InputReader.h"
#include "Trafor/ModelError.h"
#include "Trafor/ReportWriter.h"

namespace model {

namespace {

// The daily file shows heights as F8.3: the float times 1000 is exact in double precision, and
// rounding it to the nearest integer, ties to even, is what printing it with three decimals does.
double shownDailyHeight(float height)
{
    return std::nearbyint(static_cast<double>(height) * 1000.0) / 1000.0;
}

// A save sorts the events before it writes the file; a save that cannot is the run's error.
std::optional<std::string> sortEvents(ZELMData& data)
{
    try {
        if (!ZELMData::SortEventsByDate(data.events)) return ZELMData::kEventsNotInitialized.toStdString();
    } catch (const EventDateError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

}  // namespace

TransientInput transientInput(const ZELMData& data, const std::string& fileName)
{
    ZELMData saved = data;
    if (std::optional<std::string> error = sortEvents(saved)) return {std::nullopt, *error};
    std::istringstream file(saved.FileImage().toStdString());
    try {
        return {zelm::INDP(file, fileName), {}};
    } catch (const zelm::ModelError& error) {
        return {std::nullopt, error.what()};
    }
}

zelm::Simulation simulateTransient(const ZELMData& data, const std::string& fileName)
{
    TransientInput input = transientInput(data, fileName);
    if (!input.project) {
        zelm::Simulation refused;
        refused.error = input.error;
        return refused;
    }
    return zelm::simulate(std::move(*input.project));
}

TransientResult resultOf(const zelm::Simulation& run, const ZELMData& data)
{
    TransientResult result;
    result.mode = data.inputMode;
    result.units = data.metricUnits;
    result.error = run.error;
    result.warning = run.warning;
    if (run.failed() || !run.lastPass) return result;

    const zelm::PassResult& pass = *run.lastPass;
    result.spacing = pass.S;
    result.equivalentDepth = pass.de;
    result.barrierDistance = run.project.barrierDistance;
    // The last pass decided its case with the h the report's criterion uses.
    result.onBarrier = pass.onBarrier;
    result.peakEncroaches = run.project.isDesign() && zelm::peakEncroaches(run.h, pass.P);
    result.dailyDay.reserve(run.daily.size());
    result.dailyHeight.reserve(run.daily.size());
    for (const zelm::DailyRow& row : run.daily) {
        result.dailyDay.push_back(row.day);
        result.dailyHeight.push_back(shownDailyHeight(row.height));
    }
    result.assessment = zelm::assessWaterTable(result.dailyDay, result.dailyHeight, data.maxWaterTable);
    return result;
}

TransientResult runTransient(const ZELMData& data, const std::string& fileName)
{
    return resultOf(simulateTransient(data, fileName), data);
}

std::string shownFixed(double value, int decimals)
{
    std::string text = zelm::formatF(value, 40, decimals);
    return text.substr(text.find_first_not_of(' '));
}

}  // namespace model
