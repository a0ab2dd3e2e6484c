#include "ModelRun.h"

#include "InputChecks.h"
#include "ModelError.h"
#include "ReportWriter.h"
#include "SpacingSearch.h"

namespace zelm {

namespace {

std::string passLimitWarning(bool design, int passes)
{
    return std::string("WARNING - ") +
           (design ? "THE SPACING SEARCH DID NOT SETTLE" : "THE WATER TABLE CYCLE DID NOT REPEAT") + " IN " +
           std::to_string(passes) + " PASSES; THE REPORT SHOWS THE LAST PASS";
}

}  // namespace

Simulation simulate(ProjectInput project, int maxPasses)
{
    Simulation run;
    run.project = std::move(project);
    try {
        checkProjectDomain(run.project);
    } catch (const ModelError& e) {
        run.error = e.what();
        return run;
    }
    run.periods = INPASCDP(run.project.events);
    SpacingSearch search(run.project, run.periods, maxPasses);
    try {
        search.run();
    } catch (const ModelError& e) {
        run.error = e.what();
    }
    run.lastPass = search.lastPass();
    run.h = search.h();
    run.passes = search.passes();
    try {
        if (run.lastPass) run.daily = search.yearPass().dailyRows(*run.lastPass);
    } catch (const ModelError& e) {
        if (!run.failed()) run.error = e.what();
    }
    if (run.failed()) return run;

    if (search.hitPassLimit()) run.warning = passLimitWarning(run.project.isDesign(), run.passes);
    if (run.lastPass->P > run.project.depthToDrain) {
        run.error = "ERROR - THE COMPUTED WATER TABLE DEPTH IS ABOVE GROUND";
        return run;
    }
    const bool onBarrier = search.yearPass().drainOnBarrier(run.h);
    try {
        run.report = OUTPUT({run.project, run.periods, *run.lastPass, run.h, onBarrier});
        run.dailyFile = formatDailyFile(run.daily);
    } catch (const ModelError& e) {
        run.error = e.what();
        run.report.clear();
    }
    return run;
}

}  // namespace zelm
