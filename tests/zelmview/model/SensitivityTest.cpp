// The sensitivity study: the tornado and the sweep move the way the physics says, every number is
// the one a save and a run of the changed project give, and a change the model refuses keeps its
// message.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "data/ExampleProjects.h"
#include "data/GeneratedProjects.h"
#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"
#include "model/Sensitivity.h"
#include "model/TransientModel.h"

namespace {

using model::StudyInput;

ZELMData example(const char* name)
{
    return exampleProject<ZELMData>(QLatin1String(name), QStringLiteral(".trn"));
}

const model::TornadoBar& barOf(const model::Tornado& tornado, StudyInput input)
{
    const auto bar = std::find_if(tornado.bars.begin(), tornado.bars.end(),
                                  [input](const model::TornadoBar& b) { return b.input == input; });
    EXPECT_NE(bar, tornado.bars.end());
    return *bar;
}

// The result grows (or shrinks) with the input on both sides of the base.
void expectRising(const model::Tornado& tornado, StudyInput input, bool rising)
{
    SCOPED_TRACE(model::inputName(input).toStdString());
    const model::TornadoBar& bar = barOf(tornado, input);
    ASSERT_FALSE(bar.low.refused() || bar.high.refused()) << bar.low.error << bar.high.error;
    const double base = tornado.base.value;
    EXPECT_TRUE(rising ? bar.low.value < base && base < bar.high.value : bar.low.value > base && base > bar.high.value)
        << bar.low.value << " " << base << " " << bar.high.value;
}

TEST(Sensitivity, DesignSpacingGrowsWithPermeabilityAndShrinksAsTheEventsGrow)
{
    const ZELMData project = example("hillcrest-design");
    const model::Tornado study = model::tornado(project, 20.0);
    ASSERT_FALSE(study.base.refused()) << study.base.error;
    EXPECT_EQ(study.base.value, model::runTransient(project).spacing);
    ASSERT_EQ(study.bars.size(), 7u);
    expectRising(study, StudyInput::Permeability, true);
    expectRising(study, StudyInput::MaxWaterTable, true);
    expectRising(study, StudyInput::SpecificYield, true);
    expectRising(study, StudyInput::EventAmounts, false);
    // 1.5 ft/day by 20 %, the events' 7.5 in by 20 %.
    const model::TornadoBar& permeability = barOf(study, StudyInput::Permeability);
    EXPECT_DOUBLE_EQ(permeability.lowInput, 1.2);
    EXPECT_DOUBLE_EQ(permeability.highInput, 1.8);
    EXPECT_DOUBLE_EQ(barOf(study, StudyInput::EventAmounts).highInput, 9.0);
    for (std::size_t k = 1; k < study.bars.size(); ++k) EXPECT_GE(study.bars[k - 1].effect, study.bars[k].effect);
}

TEST(Sensitivity, AnalysisPeakFallsWithPermeabilityAndRisesWithSpacingAndEvents)
{
    const ZELMData project = example("polder-analysis");
    const model::Tornado study = model::tornado(project, 20.0);
    ASSERT_FALSE(study.base.refused()) << study.base.error;
    EXPECT_EQ(study.base.value, model::runTransient(project).assessment.peakHeight);
    const std::vector<StudyInput> inputs = model::studyInputs(project.inputMode);
    EXPECT_EQ(std::count(inputs.begin(), inputs.end(), StudyInput::Spacing), 1);
    EXPECT_EQ(std::count(inputs.begin(), inputs.end(), StudyInput::MaxWaterTable), 0);
    expectRising(study, StudyInput::Permeability, false);
    expectRising(study, StudyInput::Spacing, true);
    expectRising(study, StudyInput::EventAmounts, true);
}

TEST(Sensitivity, EventAmountsChangeTogetherInProportion)
{
    ZELMData project = example("hillcrest-design");
    const double first = project.events[0].amount;
    model::setInputValue(project, StudyInput::EventAmounts, 15.0);
    EXPECT_DOUBLE_EQ(model::inputValue(project, StudyInput::EventAmounts), 15.0);
    EXPECT_DOUBLE_EQ(project.events[0].amount, 2.0 * first);
    for (IrrigationDataElement& event : project.events) event.amount = 0.0;
    model::setInputValue(project, StudyInput::EventAmounts, 5.0);
    EXPECT_DOUBLE_EQ(project.events[0].amount, 0.5);
    EXPECT_DOUBLE_EQ(project.events[9].amount, 0.5);
}

// A specific yield of 0.9 raised by 20 % is beyond 1: that side keeps the model's message, the
// other side runs. At 100 % neither side runs (0 and 1.8), and the bar goes last.
TEST(Sensitivity, RefusedChangesKeepTheModelsMessage)
{
    docview::MessageRecorder recorder;
    ZELMData project = example("hillcrest-design");
    project.specificYield = 0.9;
    const model::Tornado study = model::tornado(project, 20.0);
    const model::TornadoBar& raised = barOf(study, StudyInput::SpecificYield);
    EXPECT_FALSE(raised.low.refused());
    EXPECT_EQ(raised.high.error, "ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]");
    EXPECT_FALSE(raised.refused());
    EXPECT_GT(raised.effect, 0.0);

    const model::Tornado whole = model::tornado(project, 100.0);
    EXPECT_TRUE(whole.bars.back().refused());
    EXPECT_EQ(whole.bars.back().input, StudyInput::SpecificYield);
    EXPECT_EQ(whole.bars.back().effect, 0.0);

    project.specificYield = 0.0;
    const model::Tornado none = model::tornado(project, 20.0);
    EXPECT_TRUE(none.base.refused());
    EXPECT_TRUE(none.bars.empty());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(Sensitivity, SweepRunsFromToBothIncludedAndMeetsTheTornado)
{
    const ZELMData project = example("hillcrest-design");
    const model::Tornado study = model::tornado(project, 20.0);
    const model::TornadoBar& bar = barOf(study, StudyInput::Permeability);
    const std::vector<model::SweepPoint> points = model::sweep(project, StudyInput::Permeability, 1.2, 1.8, 3);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].input, 1.2);
    EXPECT_EQ(points[2].input, 1.8);
    EXPECT_EQ(points[0].outcome.value, bar.low.value);
    EXPECT_EQ(points[1].outcome.value, study.base.value);
    EXPECT_EQ(points[2].outcome.value, bar.high.value);

    EXPECT_EQ(model::sweep(project, StudyInput::Permeability, 0.5, 3.0, 1000).size(), 200u);
    const auto one = model::sweep(project, StudyInput::Permeability, 0.5, 3.0, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].input, 0.5);
    const auto many = model::sweep(project, StudyInput::Permeability, 0.5, 3.0, 26);
    for (std::size_t k = 1; k < many.size(); ++k) EXPECT_GT(many[k].outcome.value, many[k - 1].outcome.value);
}

// Every side of every bar, saved and run by the real program, gives the number the study shows
// (the spacing of the report, or the peak of the daily file), or the message it prints.
class SensitivityContract : public ::testing::Test {
protected:
    void checkSide(const ZELMData& project, StudyInput input, double value, const model::StudyOutcome& outcome)
    {
        ZELMData changed = project;
        model::setInputValue(changed, input, value);
        const QString name = QStringLiteral("side%1").arg(runs++);
        ASSERT_TRUE(changed.WriteData(dir.filePath(name + ".trn")));
        const QByteArray printed = runModel(dir.path(), name + ".trn");
        SCOPED_TRACE(model::inputName(input).toStdString() + " = " + std::to_string(value));
        if (outcome.refused()) {
            EXPECT_EQ(printed.trimmed().toStdString(), outcome.error);
            return;
        }
        const QString report = dir.filePath(name + ".OTR");
        if (project.inputMode == ZELMData::InputMode::Design) {
            EXPECT_EQ(reportValue(fileBytes(report), "Drain spacing"), model::shownFixed(outcome.value, 3));
            return;
        }
        TransientOutputData output;
        ASSERT_TRUE(output.ReadData(report));
        const std::vector<int> days(output.dailyDay.begin(), output.dailyDay.end());
        const std::vector<double> heights(output.dailyHeight.begin(), output.dailyHeight.end());
        EXPECT_EQ(zelm::assessWaterTable(days, heights, project.maxWaterTable).peakHeight, outcome.value);
    }

    void check(const ZELMData& project, const QString& name)
    {
        SCOPED_TRACE(name.toStdString());
        const model::Tornado study = model::tornado(project, 20.0);
        if (study.base.refused()) return;
        for (const model::TornadoBar& bar : study.bars) {
            checkSide(project, bar.input, bar.lowInput, bar.low);
            checkSide(project, bar.input, bar.highInput, bar.high);
        }
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
    int runs = 0;
};

TEST_F(SensitivityContract, EveryExampleAndSomeGeneratedProjects)
{
    for (const auto& [name, project] : exampleProjects<ZELMData>(QStringLiteral(".trn"))) check(project, name);
    std::mt19937 random(2121);
    for (int number = 0; number < 6; ++number)
        check(generatedTransientProject(random, number), QStringLiteral("p%1").arg(number));
    EXPECT_GE(runs, 60);
}

}  // namespace
