#include "UncertaintyRun.h"

#include <map>

#include "GridRange.h"
#include "InputChecks.h"
#include "ModelError.h"
#include "ReportWriter.h"
#include "ResultChecks.h"

namespace uncertainty {

namespace {

std::string unreachedLevelsWarning(const std::vector<double>& levels)
{
    if (levels.size() == 1)
        return "WARNING - NO CANDIDATE DESIGN REACHES A RELIABILITY OF " + shortNumber(levels[0]) +
               " PERCENT: THE TABLE HAS NO ROW FOR IT";
    return "WARNING - NO CANDIDATE DESIGN REACHES THE RELIABILITY LEVELS FROM " + shortNumber(levels.front()) + " TO " +
           shortNumber(levels.back()) + " PERCENT (" + std::to_string(levels.size()) +
           " LEVELS): THE TABLE HAS NO ROWS FOR THEM";
}

class Analysis {
public:
    explicit Analysis(const RiskProject& project)
    {
        r_.project = project;
        r_.field = uncertainFieldOf(project);
    }

    RunResults run()
    {
        if (!r_.project.isRange()) {
            const Design given{r_.project.designDepth, r_.project.designSpacing};
            r_.fixedDesign = evaluateDesign(r_.project, r_.field, given);
            return std::move(r_);
        }
        r_.range = evaluateRange(r_.project, r_.field);
        if (r_.project.isLossFunction()) {
            choose(greatestNetBenefit(r_.range->candidates));
        } else if (r_.project.wantsTable()) {
            tabulate();
        } else {
            chooseForGivenReliability();
        }
        return std::move(r_);
    }

private:
    // A chosen candidate with the moments of its water table, computed once however often it is shown.
    const DesignResult& withDepthMoments(std::size_t i)
    {
        auto found = completed_.find(i);
        if (found != completed_.end()) return found->second;
        DesignResult d = r_.range->candidates[i];
        d.waterTableDepth = depthMoments(r_.field, d.design);
        requireFiniteResult(d, r_.project);
        return completed_.emplace(i, d).first->second;
    }

    void choose(std::optional<std::size_t> i)
    {
        r_.chosen = i;
        if (i) r_.fixedDesign = withDepthMoments(*i);
    }

    void chooseForGivenReliability()
    {
        choose(LeastCostChoice(r_.range->candidates).reaching(r_.project.givenReliability));
        if (!r_.chosen)
            r_.warnings.push_back("WARNING - NO CANDIDATE DESIGN REACHES A RELIABILITY OF " +
                                  shortNumber(r_.project.givenReliability) +
                                  " PERCENT: THE REPORT HAS NO FIXED DESIGN");
    }

    void tabulate()
    {
        r_.hasTable = true;
        const LeastCostChoice choice(r_.range->candidates);
        std::vector<double> unreached;
        for (double level :
             rangeValues(r_.project.minReliability, r_.project.maxReliability, r_.project.reliabilityIncrement)) {
            std::optional<std::size_t> i = choice.reaching(level);
            if (i) {
                r_.table.push_back({level, withDepthMoments(*i)});
            } else {
                unreached.push_back(level);
            }
        }
        if (!unreached.empty()) r_.warnings.push_back(unreachedLevelsWarning(unreached));
    }

    RunResults r_;
    std::map<std::size_t, DesignResult> completed_;
};

}  // namespace

RunResults analyse(const RiskProject& project)
{
    return Analysis(project).run();
}

CheckedAnalysis checkAndAnalyse(const RiskProject& project)
{
    CheckedAnalysis analysis;
    RunOutcome& outcome = analysis.outcome;
    CheckResult checks = checkRiskProject(project);
    outcome.errors = std::move(checks.errors);
    outcome.warnings = std::move(checks.warnings);
    if (outcome.failed()) return analysis;
    try {
        analysis.results = analyse(project);
    } catch (const ModelError& e) {
        outcome.errors.push_back(e.what());
        return analysis;
    }
    RunResults& results = *analysis.results;
    results.warnings.insert(results.warnings.begin(), outcome.warnings.begin(), outcome.warnings.end());
    outcome.warnings = results.warnings;
    return analysis;
}

RunOutcome runRiskAnalysis(const RiskProject& project, const std::string& projectFile)
{
    CheckedAnalysis analysis = checkAndAnalyse(project);
    if (analysis.results) analysis.outcome.report = writeReport(*analysis.results, projectFile);
    return std::move(analysis.outcome);
}

}  // namespace uncertainty
