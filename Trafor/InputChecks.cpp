#include "InputChecks.h"

#include <algorithm>
#include <string>

#include "FixedFormat.h"
#include "ModelError.h"
#include "PeriodTable.h"
#include "ReportWriter.h"

namespace zelm {

namespace {

// The dry gap around the new year must leave its first half at least two days, so that the
// first period starts the daily chain.
constexpr int kLongestEventSpan = 361;
constexpr int kLongestMonth = 31;

[[noreturn]] void reject(const std::string& what)
{
    throw ModelError("ERROR - " + what);
}

// The values the report prints as they were read must lie in their domain and fit their field;
// the message gives that range: "(0, 9999.999]", or "[0, 9999.999]" where 0 is allowed.
enum class Lowest { AboveZero, Zero };

void requireInRange(float value, Lowest lowest, RealField field, const std::string& name)
{
    const bool aboveLowest = lowest == Lowest::AboveZero ? value > 0.0f : value >= 0.0f;
    if (aboveLowest && fitsF(value, field.w, field.d)) return;
    reject("THE " + name + " MUST LIE IN " + (lowest == Lowest::AboveZero ? "(0, " : "[0, ") +
           largestF(field.w, field.d) + "]");
}

// Month and day are checked before any day of the year is computed from them.
void checkEventValues(const PercolationEvent& event, std::size_t number)
{
    const std::string name = "EVENT " + std::to_string(number);
    if (event.month < 1 || event.month > 12)
        reject(name + " HAS MONTH " + std::to_string(event.month) + ", OUTSIDE 1 TO 12");
    if (event.day < 1 || event.day > kLongestMonth)
        reject(name + " HAS DAY " + std::to_string(event.day) + ", OUTSIDE 1 TO 31");
    requireInRange(event.amount, Lowest::Zero, kEventAmountField, "DEEP PERCOLATION AMOUNT OF " + name);
}

void checkEvents(const std::vector<PercolationEvent>& events)
{
    if (events.empty()) reject("THE PROJECT HAS NO DEEP PERCOLATION EVENTS");
    for (std::size_t k = 0; k < events.size(); ++k) checkEventValues(events[k], k + 1);
    for (std::size_t k = 1; k < events.size(); ++k) {
        if (MODAY1(events[k].month, events[k].day) < MODAY1(events[k - 1].month, events[k - 1].day))
            reject("EVENT " + std::to_string(k + 1) + " IS OUT OF CALENDAR ORDER");
    }
    const int span = MODAY1(events.back().month, events.back().day) - MODAY1(events[0].month, events[0].day);
    if (span > kLongestEventSpan) reject("THE FIRST AND LAST EVENTS ARE MORE THAN 361 DAYS APART");
}

void checkSoilAndDrain(const ProjectInput& project)
{
    // A drainable fraction of the soil's volume.
    if (!(project.specificYield > 0.0f && project.specificYield <= 1.0f))
        reject("THE SPECIFIC YIELD MUST LIE IN (0, 1]");
    requireInRange(project.permeability, Lowest::AboveZero, kParameterField, "PERMEABILITY");
    // The radius only enters the equivalent depth, which a drain forced onto the barrier never uses.
    if (project.barrierMode != 1)
        requireInRange(project.drainRadius, Lowest::AboveZero, kParameterField, "DRAIN RADIUS");
    requireInRange(project.barrierDistance, Lowest::Zero, kParameterField, "DISTANCE FROM THE DRAIN TO THE BARRIER");
    // Every daily height and depth then lies between 0 and the depth to the drain, and fits too.
    requireInRange(project.depthToDrain, Lowest::AboveZero, kParameterField, "DEPTH TO THE DRAIN");
    if (project.benchFlag == 1) requireInRange(project.awhc, Lowest::Zero, kParameterField, "AWHC");
}

// An analysis runs the spacing read from the file; a design replaces it.
void checkAnalysedSpacing(const ProjectInput& project)
{
    if (project.drainSpacing == 0.0f) reject("YOU CANNOT ANALYZE A ZERO LENGTH SPACING");
    requireInRange(project.drainSpacing, Lowest::AboveZero, kParameterField, "DRAIN SPACING");
}

void checkDesignTarget(const ProjectInput& project)
{
    const auto& events = project.events;
    bool anyRecharge =
        std::any_of(events.begin(), events.end(), [](const PercolationEvent& e) { return e.amount > 0.0f; });
    if (!anyRecharge) reject("A DESIGN NEEDS AT LEAST ONE EVENT OF POSITIVE DEEP PERCOLATION");
    requireInRange(project.maxWaterTable, Lowest::Zero, kParameterField, "MAXIMUM WATER TABLE ABOVE THE DRAIN");
}

}  // namespace

void checkProjectDomain(const ProjectInput& project)
{
    checkEvents(project.events);
    checkSoilAndDrain(project);
    if (project.isDesign())
        checkDesignTarget(project);
    else
        checkAnalysedSpacing(project);
}

}  // namespace zelm
