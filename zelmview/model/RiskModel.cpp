#include "model/RiskModel.h"

#include <cmath>
#include <sstream>

#include "uncertainty/GridRange.h"
#include "uncertainty/ModelError.h"
#include "uncertainty/RiskProjectReader.h"

namespace model {

namespace {

bool isRange(double min, double max, double increment)
{
    return std::isfinite(min) && std::isfinite(max) && increment > 0.0 && min <= max;
}

RiskOutcome refused(const std::string& error)
{
    RiskOutcome outcome;
    outcome.errors.push_back(error);
    return outcome;
}

}  // namespace

RiskInput riskInput(const RiskData& data, const std::string& fileName)
{
    std::istringstream file(data.FileImage().toStdString());
    try {
        return {uncertainty::readRiskProject(file, fileName), {}};
    } catch (const uncertainty::ModelError& error) {
        return {std::nullopt, error.what()};
    }
}

RiskOutcome analyseRisk(const uncertainty::RiskProject& project)
{
    uncertainty::CheckedAnalysis analysis = uncertainty::checkAndAnalyse(project);
    return {std::move(analysis.outcome.errors), std::move(analysis.outcome.warnings), std::move(analysis.results)};
}

RiskOutcome analyseRisk(const RiskData& data, const std::string& fileName)
{
    RiskInput input = riskInput(data, fileName);
    return input.project ? analyseRisk(*input.project) : refused(input.error);
}

uncertainty::RunOutcome runRisk(const RiskData& data, const std::string& fileName)
{
    RiskInput input = riskInput(data, fileName);
    if (input.project) return uncertainty::runRiskAnalysis(*input.project, fileName);
    uncertainty::RunOutcome outcome;
    outcome.errors.push_back(input.error);
    return outcome;
}

std::size_t rangeSize(const uncertainty::RiskProject& project, std::size_t cap)
{
    const auto& p = project;
    if (!isRange(p.minDepth, p.maxDepth, p.depthIncrement) || !isRange(p.minSpacing, p.maxSpacing, p.spacingIncrement))
        return 0;
    const std::size_t depths = uncertainty::rangeCount(p.minDepth, p.maxDepth, p.depthIncrement, cap);
    const std::size_t spacings = uncertainty::rangeCount(p.minSpacing, p.maxSpacing, p.spacingIncrement, cap);
    if (depths > cap || spacings > cap) return cap + 1;
    const double designs = static_cast<double>(depths) * static_cast<double>(spacings);
    return designs > static_cast<double>(cap) ? cap + 1 : depths * spacings;
}

}  // namespace model
