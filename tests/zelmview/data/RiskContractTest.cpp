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
#include "data/GeneratedProjects.h"
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
    std::mt19937 random(20261210);
    for (int i = 0; i < 36 && !HasFailure(); ++i)
        check(generatedRiskProject(i, random), QStringLiteral("generated-%1").arg(i));
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
