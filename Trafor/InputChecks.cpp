#include "InputChecks.h"

#include <algorithm>
#include <string>

#include "ModelError.h"
#include "PeriodTable.h"

namespace zelm {

namespace {

// The dry gap around the new year must leave its first half at least two days, so that the
// first period starts the daily chain.
constexpr int kLongestEventSpan = 361;
constexpr int kLongestMonth = 31;
constexpr float kDeepestDrain = 10000.0f;

[[noreturn]] void reject(const std::string& what)
{
    throw ModelError("ERROR - " + what);
}

// Month and day are checked before any day of the year is computed from them.
void checkEventValues(const PercolationEvent& event, std::size_t number)
{
    const std::string name = "EVENT " + std::to_string(number);
    if (event.month < 1 || event.month > 12)
        reject(name + " HAS MONTH " + std::to_string(event.month) + ", OUTSIDE 1 TO 12");
    if (event.day < 1 || event.day > kLongestMonth)
        reject(name + " HAS DAY " + std::to_string(event.day) + ", OUTSIDE 1 TO 31");
    if (event.amount < 0.0f) reject(name + " HAS A NEGATIVE DEEP PERCOLATION AMOUNT");
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
    if (!(project.specificYield > 0.0f)) reject("THE SPECIFIC YIELD MUST BE ABOVE 0");
    if (!(project.permeability > 0.0f)) reject("THE PERMEABILITY MUST BE ABOVE 0");
    // The radius only enters the equivalent depth, which a drain forced onto the barrier never uses.
    if (project.barrierMode != 1 && !(project.drainRadius > 0.0f)) reject("THE DRAIN RADIUS MUST BE ABOVE 0");
    if (project.barrierDistance < 0.0f) reject("THE DISTANCE FROM THE DRAIN TO THE BARRIER MUST NOT BE BELOW 0");
    if (!(project.depthToDrain > 0.0f)) reject("THE DEPTH TO THE DRAIN MUST BE ABOVE 0");
    // Every daily depth lies between 0 and the depth to the drain, in a field of F8.3.
    if (!(project.depthToDrain < kDeepestDrain))
        reject("THE DEPTH TO THE DRAIN MUST BE BELOW 10000, THE LARGEST THE DAILY FILE HOLDS");
}

// An analysis runs the spacing read from the file; a design replaces it.
void checkAnalysedSpacing(const ProjectInput& project)
{
    if (project.drainSpacing == 0.0f) reject("YOU CANNOT ANALYZE A ZERO LENGTH SPACING");
    if (!(project.drainSpacing > 0.0f)) reject("THE DRAIN SPACING MUST BE ABOVE 0");
}

void checkDesignTarget(const ProjectInput& project)
{
    const auto& events = project.events;
    bool anyRecharge =
        std::any_of(events.begin(), events.end(), [](const PercolationEvent& e) { return e.amount > 0.0f; });
    if (!anyRecharge) reject("A DESIGN NEEDS AT LEAST ONE EVENT OF POSITIVE DEEP PERCOLATION");
    if (project.maxWaterTable < 0.0f) reject("THE MAXIMUM WATER TABLE ABOVE THE DRAIN MUST NOT BE BELOW 0");
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
