// The models in process give what the programs give: for every example and for generated projects
// of every kind, a project saved and run through the real program writes the report (and daily
// file) that the model room computes from the same project in memory, prints the same console
// lines, and the values the room hands out are those the report and the daily file show.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "data/ExampleProjects.h"
#include "data/GeneratedProjects.h"
#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"
#include "model/RiskModel.h"
#include "model/TransientModel.h"
#include "uncertainty/ReportWriter.h"

namespace {

// The console text of a run: its warnings, then its errors, one line each after a blank.
std::string consoleText(const std::vector<std::string>& warnings, const std::vector<std::string>& errors)
{
    std::string text;
    for (const std::vector<std::string>* lines : {&warnings, &errors})
        for (const std::string& line : *lines) text += ' ' + line + '\n';
    return text;
}

std::vector<std::string> nonEmpty(const std::string& line)
{
    return line.empty() ? std::vector<std::string>{} : std::vector<std::string>{line};
}

class TransientModelContract : public ::testing::Test {
protected:
    // Returns whether the run succeeded.
    bool check(const ZELMData& project, const QString& name)
    {
        SCOPED_TRACE(name.toStdString());
        const QString saved = dir.filePath(name + ".trn");
        EXPECT_TRUE(project.WriteData(saved));
        const QByteArray printed = runModel(dir.path(), name + ".trn");
        const zelm::Simulation run = model::simulateTransient(project, (name + ".trn").toStdString());
        const model::TransientResult result = model::resultOf(run, project);
        EXPECT_EQ(printed.toStdString(), consoleText(nonEmpty(run.warning), nonEmpty(run.error)));
        EXPECT_EQ(result.error, run.error);
        if (run.failed()) return false;

        const QString reportFile = dir.filePath(name + ".OTR");
        const QByteArray report = fileBytes(reportFile);
        EXPECT_EQ(report.toStdString(), run.report);
        EXPECT_EQ(fileBytes(dir.filePath(name + ".DAY")).toStdString(), run.dailyFile);
        EXPECT_EQ(reportValue(report, "Drain spacing"), model::shownFixed(result.spacing, 3));
        EXPECT_EQ(reportValue(report, "Equivalent barrier"), model::shownFixed(result.equivalentDepth, 3));
        EXPECT_EQ(reportValue(report, "Drain to barrier"), model::shownFixed(result.barrierDistance, 3));
        EXPECT_EQ(report.contains("Drain ON THE BARRIER"), result.onBarrier);
        // The report warns of a peak above h in either mode; the result speaks of a design only.
        if (project.inputMode == ZELMData::InputMode::Design) {
            EXPECT_EQ(report.contains("WARNING"), result.peakEncroaches);
        }

        TransientOutputData output;
        EXPECT_TRUE(output.ReadData(reportFile));
        const std::vector<int> days(output.dailyDay.begin(), output.dailyDay.end());
        const std::vector<double> heights(output.dailyHeight.begin(), output.dailyHeight.end());
        EXPECT_EQ(days, result.dailyDay);
        EXPECT_EQ(heights, result.dailyHeight);
        const zelm::WaterTableAssessment read = zelm::assessWaterTable(days, heights, project.maxWaterTable);
        EXPECT_EQ(result.assessment.peakHeight, read.peakHeight);
        EXPECT_EQ(result.assessment.daysAbove, read.daysAbove);
        return true;
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
};

TEST_F(TransientModelContract, EveryExample)
{
    const auto examples = exampleProjects<ZELMData>(QStringLiteral(".trn"));
    ASSERT_GE(examples.size(), 3u);
    for (auto [name, project] : examples) {
        EXPECT_TRUE(check(project, name));
        // The other mode too, whether the model takes it or not.
        project.inputMode = project.inputMode == ZELMData::InputMode::Design ? ZELMData::InputMode::Analysis
                                                                             : ZELMData::InputMode::Design;
        check(project, name + "-other-mode");
    }
}

TEST_F(TransientModelContract, GeneratedProjects)
{
    std::mt19937 random(21);
    int succeeded = 0;
    constexpr int kProjects = 36;
    for (int number = 0; number < kProjects; ++number)
        succeeded += check(generatedTransientProject(random, number), QStringLiteral("p%1").arg(number));
    EXPECT_GE(succeeded, kProjects * 2 / 3);
}

// What a save would refuse, or the model, comes back as the message; nothing is shown or printed.
TEST_F(TransientModelContract, RefusedProjectsGiveTheMessage)
{
    const auto project = exampleProject<ZELMData>(QStringLiteral("hillcrest-design"), QStringLiteral(".trn"));
    ZELMData unset = project;
    unset.events[3].month = 0;
    EXPECT_EQ(model::runTransient(unset).error, ZELMData::kEventsNotInitialized.toStdString());
    ZELMData outsideCalendar = project;
    outsideCalendar.events[3].day = 32;
    EXPECT_NE(model::runTransient(outsideCalendar).error.find("event"), std::string::npos);
    ZELMData noYield = project;
    noYield.specificYield = 0.0;
    EXPECT_EQ(model::runTransient(noYield).error, "ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]");
    EXPECT_TRUE(model::runTransient(noYield).dailyHeight.empty());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

// The editor may hold the events in any order; a save sorts them, and so does the model room.
TEST(TransientModel, EventsInAnyOrderRunAsSaved)
{
    const auto project = exampleProject<ZELMData>(QStringLiteral("polder-analysis"), QStringLiteral(".trn"));
    ZELMData reversed = project;
    std::reverse(reversed.events.begin(), reversed.events.end());
    const zelm::Simulation run = model::simulateTransient(reversed);
    EXPECT_FALSE(run.failed());
    EXPECT_EQ(run.report, model::simulateTransient(project).report);
}

class RiskModelContract : public ::testing::Test {
protected:
    void check(const RiskData& project, const QString& name)
    {
        SCOPED_TRACE(name.toStdString());
        const std::string file = (name + ".rsk").toStdString();
        ASSERT_TRUE(project.WriteData(dir.filePath(name + ".rsk")));
        QFile::remove(dir.filePath(name + ".UNC"));
        const QByteArray printed = runModel(dir.path(), name, QStringLiteral(UNCERTAINTY_PROGRAM));
        const uncertainty::RunOutcome run = model::runRisk(project, file);
        EXPECT_EQ(printed.toStdString(), consoleText(run.warnings, run.errors));
        EXPECT_EQ(fileBytes(dir.filePath(name + ".UNC")).toStdString(), run.report);

        const model::RiskOutcome analysis = model::analyseRisk(project, file);
        EXPECT_EQ(analysis.errors, run.errors);
        EXPECT_EQ(analysis.warnings, run.warnings);
        ASSERT_EQ(analysis.results.has_value(), !run.failed());
        if (analysis.results) {
            EXPECT_EQ(uncertainty::writeReport(*analysis.results, file), run.report);
        }
        succeeded += !run.failed();
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
    int succeeded = 0;
};

TEST_F(RiskModelContract, EveryExample)
{
    const auto examples = exampleProjects<RiskData>(QStringLiteral(".rsk"));
    ASSERT_GE(examples.size(), 3u);
    for (const auto& [name, project] : examples) check(project, name);
    EXPECT_EQ(succeeded, int(examples.size()));
}

TEST_F(RiskModelContract, GeneratedProjectsOfEveryKind)
{
    std::mt19937 random(21);
    for (int i = 0; i < 36 && !HasFailure(); ++i)
        check(generatedRiskProject(i, random), QStringLiteral("generated-%1").arg(i));
    EXPECT_GE(succeeded, 30);
}

TEST_F(RiskModelContract, RefusedProjectsGiveEveryMessage)
{
    RiskData empty;  // a new project holds 0 in every field
    const model::RiskOutcome outcome = model::analyseRisk(empty);
    EXPECT_GE(outcome.errors.size(), 3u);
    EXPECT_FALSE(outcome.results);
    check(empty, QStringLiteral("empty"));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(RiskModelRange, SizeOfTheRange)
{
    uncertainty::RiskProject project;
    project.minDepth = 0.9;
    project.maxDepth = 1.5;
    project.depthIncrement = 0.15;  // 0.9, 1.05, ... 1.5 by decimal steps: 5 depths
    project.minSpacing = 10;
    project.maxSpacing = 40;
    project.spacingIncrement = 2.5;  // 13 spacings
    EXPECT_EQ(model::rangeSize(project, 5000), 65u);
    EXPECT_EQ(model::rangeSize(project, 64), 65u);  // more than the cap
    project.spacingIncrement = 0.0001;
    EXPECT_EQ(model::rangeSize(project, 5000), 5001u);
    project.spacingIncrement = 0.0;
    EXPECT_EQ(model::rangeSize(project, 5000), 0u);
    project.spacingIncrement = 2.5;
    project.minDepth = 2.0;  // above its maximum
    EXPECT_EQ(model::rangeSize(project, 5000), 0u);
}

}  // namespace
