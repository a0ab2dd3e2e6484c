// Each example runs clean, and its report read back with the desktop program's rules gives the
// numbers the model computed.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "GuiReportReader.h"
#include "RiskProjectReader.h"
#include "UncertaintyRun.h"

using namespace uncertainty;

namespace {

const std::filesystem::path kExamples = ZELM_EXAMPLES_DIR;

// The printed value agrees with the computed one to the digits printed.
void expectPrinted(double read, double computed, double halfUnit, const std::string& what)
{
    EXPECT_NEAR(read, computed, halfUnit * 1.000001 + 1e-12 * std::fabs(computed)) << what;
}

void expectRowIsTheDesign(const std::array<double, 9>& row, const ReliabilityRow& expected)
{
    const DesignResult& d = expected.design;
    expectPrinted(row[0], expected.levelPercent, 5e-5, "required reliability");
    expectPrinted(row[1], d.design.depth, 5e-4, "depth");
    expectPrinted(row[2], d.cost.capitalCost, 5e-3, "capital cost");
    expectPrinted(row[3], d.cost.annualCost, 5e-3, "annual cost");
    expectPrinted(row[4], d.design.spacing, 5e-4, "spacing");
    expectPrinted(row[5], 100.0 * d.reliability, 5e-5, "reliability");
    expectPrinted(row[6], d.waterTableDepth.mean, 5e-5, "mean depth");
    expectPrinted(row[7], d.waterTableDepth.cv(), 5e-6, "cv");
    expectPrinted(row[8], d.cost.lateralLength, 5e-3, "laterals");
}

struct Example {
    std::string name;
    RiskProject project;
    RunOutcome outcome;
    RunResults results;
};

Example run(const std::string& name)
{
    Example e;
    e.name = name;
    e.project = readRiskProjectFile((kExamples / (name + ".rsk")).string());
    e.outcome = runRiskAnalysis(e.project, name + ".rsk");
    e.results = analyse(e.project);
    return e;
}

}  // namespace

TEST(ExampleReports, EveryExampleRunsCleanAndReadsBack)
{
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".rsk") continue;
        Example e = run(entry.path().stem().string());
        EXPECT_TRUE(e.outcome.errors.empty()) << e.name;
        EXPECT_TRUE(e.outcome.warnings.empty()) << e.name;
        fixtures::GuiReadReport gui = fixtures::readAsTheGuiDoes(e.outcome.report);
        EXPECT_FALSE(gui.failed) << e.name;
        EXPECT_EQ(gui.hasFixedDesign, e.results.fixedDesign.has_value()) << e.name;
        EXPECT_EQ(gui.hasTable, e.results.hasTable) << e.name;
        if (gui.hasFixedDesign) {
            const DesignResult& d = *e.results.fixedDesign;
            const auto& v = gui.fixedDesign;
            expectPrinted(v[0], d.cost.annualCost, 5e-3, e.name + " annual cost");
            expectPrinted(v[1], d.design.spacing, 5e-4, e.name + " spacing");
            expectPrinted(v[2], d.design.depth, 5e-4, e.name + " depth");
            expectPrinted(v[3], 100.0 * d.reliability, 5e-5, e.name + " reliability");
            expectPrinted(v[4], e.project.criticalDepth, 5e-4, e.name + " critical depth");
            expectPrinted(v[5], d.waterTableDepth.mean, 5e-5, e.name + " mean depth");
            expectPrinted(v[6], d.waterTableDepth.cv(), 5e-6, e.name + " cv");
            expectPrinted(v[7], d.yield.mean, 5e-6, e.name + " E[Y]");
            expectPrinted(v[8], d.yield.cv(), 5e-6, e.name + " cv of Y");
        }
        ASSERT_EQ(gui.table.size(), e.results.table.size()) << e.name;
        for (std::size_t i = 0; i < gui.table.size(); ++i) expectRowIsTheDesign(gui.table[i], e.results.table[i]);
        ++examples;
    }
    EXPECT_GE(examples, 3);
}

TEST(ExampleReports, TheExamplesShowWhatTheyPromise)
{
    Example given = run("terrace-given-design");
    EXPECT_FALSE(given.project.isRange());
    EXPECT_TRUE(given.results.fixedDesign.has_value());

    Example table = run("bottomland-reliability-table");
    EXPECT_EQ(table.project.units, 1);
    EXPECT_TRUE(table.results.hasTable);
    EXPECT_EQ(table.results.table.size(), 10u);  // 50 to 95 % by 5, every level reached
    // A higher reliability never costs less.
    for (std::size_t i = 1; i < table.results.table.size(); ++i)
        EXPECT_GE(table.results.table[i].design.cost.annualCost, table.results.table[i - 1].design.cost.annualCost);

    Example loss = run("polder-wheat-loss-function");
    EXPECT_TRUE(loss.project.isMetric());
    EXPECT_TRUE(loss.project.isLossFunction());
    EXPECT_TRUE(loss.project.usesPipeTable());
    EXPECT_TRUE(loss.project.isVariableSpeed());
    ASSERT_TRUE(loss.results.fixedDesign.has_value());
    EXPECT_GT(loss.results.fixedDesign->netBenefit, 0.0);
    EXPECT_EQ(loss.results.range->notInstallable, 0u);
}

TEST(ExampleReports, NumbersTooWideForTheWindowGetFewerDecimalsThenAnExponent)
{
    RiskProject p = run("terrace-given-design").project;
    p.averagePipeCost = 1.234e8;  // an annual cost of billions per acre
    RunOutcome o = runRiskAnalysis(p, "costly.rsk");
    fixtures::GuiReadReport gui = fixtures::readAsTheGuiDoes(o.report);
    const double annual = analyse(p).fixedDesign->cost.annualCost;
    EXPECT_NEAR(gui.fixedDesign[0], annual, 1e-3 * annual);
    EXPECT_NE(o.report.find("e+09"), std::string::npos);
}

// A line end in the project's name cannot start a line that reads as a section heading.
TEST(ExampleReports, NoNameInTheReportStartsASection)
{
    const Example table = run("bottomland-reliability-table");
    for (const char* name : {"x\nRESULTS FOR A FIXED DESIGN\n.rsk",
                             "x\nTABLE OF RELIABILITY VS DEPTH AND SPACING\n-\n\n1\n2\n3\n4\n.rsk"}) {
        const fixtures::GuiReadReport gui = fixtures::readAsTheGuiDoes(runRiskAnalysis(table.project, name).report);
        EXPECT_FALSE(gui.failed) << name;
        EXPECT_FALSE(gui.hasFixedDesign) << name;
        EXPECT_EQ(gui.table.size(), table.results.table.size()) << name;
    }
}
