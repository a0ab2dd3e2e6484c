// The risk side across the programs: a project saved by RiskData::WriteData runs through the real
// uncertainty program, and the report it writes reads back through RiskOutputData to the numbers
// the model computed, as printed (its decimals, fewer for a wide number). For every example, three
// dozen generated projects, and projects named like the report's section headings.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "NumberFormat.h"
#include "RiskProjectReader.h"
#include "UncertaintyRun.h"
#include "data/OutputFiles.h"
#include "data/RiskFiles.h"
#include "data/RiskOutputData.h"
#include "docview/MessageSink.h"

namespace {

using Values = std::array<double, RiskOutputRangeSpacingItem::kValues>;

// A computed value and the decimals the report gives it.
struct Printed {
    double value;
    int decimals;
};

Values asPrinted(const std::array<Printed, RiskOutputRangeSpacingItem::kValues>& printed)
{
    Values values{};
    for (std::size_t i = 0; i < printed.size(); ++i)
        values[i] = std::strtod(uncertainty::fittedNumber(printed[i].value, printed[i].decimals).c_str(), nullptr);
    return values;
}

Values fixedDesignAsPrinted(const uncertainty::DesignResult& d, const uncertainty::RiskProject& p)
{
    return asPrinted({{{d.cost.annualCost, 2},
                       {d.design.spacing, 3},
                       {d.design.depth, 3},
                       {100.0 * d.reliability, 4},
                       {p.criticalDepth, 3},
                       {d.waterTableDepth.mean, 4},
                       {d.waterTableDepth.cv(), 5},
                       {d.yield.mean, 5},
                       {d.yield.cv(), 5}}});
}

Values rowAsPrinted(const uncertainty::ReliabilityRow& row)
{
    const uncertainty::DesignResult& d = row.design;
    return asPrinted({{{row.levelPercent, 4},
                       {d.design.depth, 3},
                       {d.cost.capitalCost, 2},
                       {d.cost.annualCost, 2},
                       {d.design.spacing, 3},
                       {100.0 * d.reliability, 4},
                       {d.waterTableDepth.mean, 4},
                       {d.waterTableDepth.cv(), 5},
                       {d.cost.lateralLength, 2}}});
}

// Projects of every kind with values a field engineer might enter, each range of at most 24 designs.
class ProjectGenerator {
public:
    RiskData next()
    {
        RiskData p;
        const double f = pick(2) ? 1.0 : 0.3048;  // lengths in feet or metres
        p.units = f == 1.0 ? RiskData::Units::English : RiskData::Units::Metric;
        p.evaluation = pick(2) ? RiskData::Evaluation::GivenDesign : RiskData::Evaluation::DesignRange;
        p.uncertaintyOption =
            pick(2) ? RiskData::UncertaintyOption::RiskAnalysis : RiskData::UncertaintyOption::LossFunctionAnalysis;
        p.pipeCostType = pick(2) ? RiskData::PipeCostType::Average : RiskData::PipeCostType::SizeTable;
        p.trenchSpeed = pick(2) ? RiskData::TrenchSpeed::Constant : RiskData::TrenchSpeed::Variable;
        p.reliabilityOption =
            pick(2) ? RiskData::ReliabilityOption::GivenReliability : RiskData::ReliabilityOption::ReliabilityTable;
        p.lossFunction = static_cast<RiskData::LossFunction>(1 + pick(3));
        p.pipeType = static_cast<RiskData::PipeType>(pick(3));
        p.barrierDepth = between(6, 16) * f;
        p.barrierDepthSD = pick(4) ? between(0, 2) * f : 0.0;
        p.permeability = between(0.2, 3) * f;
        p.permeabilitySD = pick(4) ? p.permeability * between(0, 1.5) : 0.0;
        p.rechargeRate = between(0.005, 0.05) * f;
        p.rechargeRateSD = pick(4) ? p.rechargeRate * between(0, 0.6) : 0.0;
        p.drainRadius = between(0.1, 0.3) * f;
        p.criticalDepth = between(0.5, 2) * f;
        p.discountRate = between(0, 12);
        p.systemLife = between(5, 45);
        p.omCost = between(0, 0.05) / f;
        p.averagePipeCost = between(0.2, 2.2) / f;
        for (int i = 0; i < RiskData::kPipeSizes; ++i) {
            p.pipeCost[i] = between(1, 6);
            p.gravelCost[i] = between(0, 1);
            p.lateralPercent[i] = between(0, 30);
        }
        p.constCostPerMinute = between(2, 10);
        p.constInstallRate = between(3, 18) * f;
        p.varCostPerMinute = between(2, 10);
        p.minInstallRate = between(1, 6) * f;
        p.depthRateSlope = between(0, 2);
        p.designDepth = between(3, 6) * f;
        p.designSpacing = between(20, 100) * f;
        p.minDepth = between(3, 4) * f;
        p.depthIncrement = between(0.25, 0.75) * f;
        p.maxDepth = p.minDepth + 3 * p.depthIncrement;
        p.maxInstallDepth = p.maxDepth + between(0, 3) * f;
        p.minSpacing = between(20, 40) * f;
        p.spacingIncrement = between(5, 15) * f;
        p.maxSpacing = p.minSpacing + 5 * p.spacingIncrement;
        p.givenReliability = between(50, 99);
        p.minReliability = between(30, 60);
        p.reliabilityIncrement = between(2, 7);
        p.maxReliability = p.minReliability + between(0, 30);
        p.cropName = QStringLiteral("CROP");
        p.coefA = between(0, 0.3);
        p.coefB = between(0, 0.6);
        p.coefX = between(0, 0.5);
        p.maxYieldDepth = between(1, 4) * f;
        p.annualBenefits = between(100, 1000);
        return p;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }

    std::mt19937 random{20261210};
};

class RiskContract : public ::testing::Test {
protected:
    // Saves the project as `name`.rsk, runs the program on the base name as the GUI does, and
    // reads the report back.
    void check(const RiskData& project, const QString& name)
    {
        SCOPED_TRACE(name.toStdString());
        const QString input = dir.filePath(name + ".rsk");
        ASSERT_TRUE(project.WriteData(input));
        const QByteArray output = runModel(dir.path(), name, QStringLiteral(UNCERTAINTY_PROGRAM));
        ASSERT_FALSE(output.contains("ERROR")) << output.toStdString();
        RiskOutputData report;
        ASSERT_TRUE(report.ReadData(dir.filePath(name + ".UNC")));
        EXPECT_TRUE(recorder.messages().isEmpty());

        const uncertainty::RunResults model =
            uncertainty::analyse(uncertainty::readRiskProjectFile(QFile::encodeName(input).toStdString()));
        fixedDesigns += report.hasFixedDesign;
        tableRows += int(report.reliabilityTable.size());
        EXPECT_EQ(report.hasFixedDesign, model.fixedDesign.has_value());
        if (model.fixedDesign) {
            EXPECT_EQ(report.fixedDesign.value, fixedDesignAsPrinted(*model.fixedDesign, model.project));
        }
        EXPECT_EQ(report.hasReliabilityTable, model.hasTable);
        ASSERT_EQ(report.reliabilityTable.size(), qsizetype(model.table.size()));
        for (std::size_t i = 0; i < model.table.size(); ++i)
            EXPECT_EQ(report.reliabilityTable[qsizetype(i)].value, rowAsPrinted(model.table[i])) << "row " << i;
    }

    static RiskData example(const QString& name)
    {
        RiskData project;
        EXPECT_TRUE(project.ReadData(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + ".rsk"));
        return project;
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
    int fixedDesigns = 0;
    int tableRows = 0;
};

TEST_F(RiskContract, EveryExample)
{
    const QStringList examples = QDir(QStringLiteral(ZELM_EXAMPLES_DIR)).entryList({QStringLiteral("*.rsk")});
    EXPECT_GE(examples.size(), 3);
    for (const QString& file : examples) check(example(QFileInfo(file).completeBaseName()), "example");
}

TEST_F(RiskContract, GeneratedProjectsOfEveryKind)
{
    ProjectGenerator generator;
    for (int i = 0; i < 36 && !HasFailure(); ++i) check(generator.next(), QStringLiteral("generated-%1").arg(i));
    // Enough of them have each section for the comparison to mean something.
    EXPECT_GE(fixedDesigns, 20);
    EXPECT_GE(tableRows, 15);
}

// The report quotes the project's file name in its heading; neither heading makes a section.
TEST_F(RiskContract, ProjectsNamedLikeTheSectionHeadings)
{
    check(example(QStringLiteral("terrace-given-design")), QStringLiteral("TABLE OF RELIABILITY VS DEPTH AND SPACING"));
    check(example(QStringLiteral("bottomland-reliability-table")), QStringLiteral("RESULTS FOR A FIXED DESIGN"));
}

}  // namespace
