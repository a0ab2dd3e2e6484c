#include <gtest/gtest.h>

#include "FixedFormat.h"
#include "ModelRun.h"
#include "TestProjects.h"

using namespace zelm;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    return fixtures::linesOf(text);
}

std::string lineStartingWith(const std::string& report, const std::string& prefix)
{
    for (const std::string& line : lines(report))
        if (line.rfind(prefix, 0) == 0) return line;
    return "";
}

}  // namespace

TEST(ModelRunErrors, InputOutsideTheDomainStopsBeforeAnyPass)
{
    struct Case {
        const char* name;
        void (*spoil)(ProjectInput&);
        const char* error;
    };
    const Case cases[] = {
        {"no events", [](ProjectInput& p) { p.events.clear(); }, "ERROR - THE PROJECT HAS NO DEEP PERCOLATION EVENTS"},
        {"month 13", [](ProjectInput& p) { p.events[1].month = 13; }, "ERROR - EVENT 2 HAS MONTH 13, OUTSIDE 1 TO 12"},
        {"month 0", [](ProjectInput& p) { p.events[0].month = 0; }, "ERROR - EVENT 1 HAS MONTH 0, OUTSIDE 1 TO 12"},
        {"order", [](ProjectInput& p) { std::swap(p.events[1], p.events[2]); },
         "ERROR - EVENT 3 IS OUT OF CALENDAR ORDER"},
        {"span",
         [](ProjectInput& p) {
             p.events = {{1, 1, 1.0f}, {12, 29, 1.0f}};
         },
         "ERROR - THE FIRST AND LAST EVENTS ARE MORE THAN 361 DAYS APART"},
        {"Sy", [](ProjectInput& p) { p.specificYield = 0.0f; }, "ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]"},
        // A specific yield is a fraction of the soil's volume, not a percentage.
        {"Sy above 1", [](ProjectInput& p) { p.specificYield = 10000.0f; },
         "ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]"},
        {"K", [](ProjectInput& p) { p.permeability = -1.0f; }, "ERROR - THE PERMEABILITY MUST LIE IN (0, 9999.999]"},
        // The report shows the permeability as it was read, in eight columns with three decimals.
        {"K too large to show", [](ProjectInput& p) { p.permeability = 10000.0f; },
         "ERROR - THE PERMEABILITY MUST LIE IN (0, 9999.999]"},
        {"r0", [](ProjectInput& p) { p.drainRadius = 0.0f; }, "ERROR - THE DRAIN RADIUS MUST LIE IN (0, 9999.999]"},
        {"no recharge",
         [](ProjectInput& p) {
             for (auto& e : p.events) e.amount = 0.0f;
         },
         "ERROR - A DESIGN NEEDS AT LEAST ONE EVENT OF POSITIVE DEEP PERCOLATION"},
        {"h", [](ProjectInput& p) { p.maxWaterTable = -0.5f; },
         "ERROR - THE MAXIMUM WATER TABLE ABOVE THE DRAIN MUST LIE IN [0, 9999.999]"},
        {"amount too large to show", [](ProjectInput& p) { p.events[2].amount = 100.0f; },
         "ERROR - THE DEEP PERCOLATION AMOUNT OF EVENT 3 MUST LIE IN [0, 99.99]"},
        {"AWHC too large to show", [](ProjectInput& p) { p.benchFlag = 1, p.awhc = 12345.0f; },
         "ERROR - THE AWHC MUST LIE IN [0, 9999.999]"},
    };
    for (const Case& c : cases) {
        ProjectInput p = fixtures::designProject();
        c.spoil(p);
        Simulation run = simulate(p);
        EXPECT_EQ(run.error, c.error) << c.name;
        EXPECT_TRUE(run.report.empty()) << c.name;
        EXPECT_FALSE(run.lastPass.has_value()) << c.name;
    }
}

TEST(ModelRunErrors, ADayAfterA361DaySpanIsStillAccepted)
{
    ProjectInput p = fixtures::designProject();
    p.events = {{1, 1, 1.0f}, {12, 28, 1.0f}};
    EXPECT_FALSE(simulate(p).failed());
}

TEST(ModelRunErrors, ADrainForcedOntoTheBarrierNeedsNoRadius)
{
    ProjectInput p = fixtures::designProject();
    p.barrierMode = 1;
    p.drainRadius = 0.0f;
    EXPECT_FALSE(simulate(p).failed());
}

TEST(ModelRunErrors, AnalysisToleratesWhatOnlyADesignNeeds)
{
    ProjectInput p = fixtures::analysisProject();
    p.maxWaterTable = -3.0f;
    for (auto& e : p.events) e.amount = 0.0f;
    EXPECT_FALSE(simulate(p).failed());
}

TEST(ModelRunErrors, AWaterTableAboveGroundLeavesTheDailyRowsButNoReport)
{
    ProjectInput p = fixtures::analysisProject();
    p.depthToDrain = 1.0f;
    Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - THE COMPUTED WATER TABLE DEPTH IS ABOVE GROUND");
    EXPECT_TRUE(run.report.empty());
    EXPECT_EQ(run.daily.size(), 366u + 5u);
}

TEST(ModelRunErrors, AZeroSpacingProposalKeepsThePreviousPassDailyRows)
{
    ProjectInput p = fixtures::analysisProject();
    p.drainSpacing = 0.0f;
    Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - YOU CANNOT ANALYZE A ZERO LENGTH SPACING");
    EXPECT_TRUE(run.daily.empty());
}

TEST(ModelRunReport, ThePassLimitWarnsAndReportsTheLastPass)
{
    ProjectInput p = fixtures::designProject();
    p.depthToDrain = 10.0f;  // the second trial spacing floods a shallow drain
    Simulation run = simulate(p, 2);
    EXPECT_EQ(run.warning, "WARNING - THE SPACING SEARCH DID NOT SETTLE IN 2 PASSES; THE REPORT SHOWS THE LAST PASS");
    ASSERT_FALSE(run.report.empty());
    EXPECT_EQ(run.passes, 2);
    EXPECT_EQ(lineStartingWith(run.report, "Drain spacing (ft)").substr(44), formatF(run.lastPass->S, 8, 3));
}

TEST(ModelRunReport, TablesHaveALineForEveryEventAndPeriod)
{
    Simulation run = simulate(fixtures::designProject());
    ASSERT_TRUE(run.warning.empty());
    std::vector<std::string> all = lines(run.report);
    auto table = std::find(all.begin(), all.end(), " " + std::string(41, '-'));
    ASSERT_NE(table, all.end());
    EXPECT_EQ(*(table + 1), "  1         1   15                0.60");
    EXPECT_EQ(*(table + 2), "  2         3   12       56       1.20");
    EXPECT_EQ(*(table + 4), "  4        11    8      156       0.80");
    EXPECT_EQ(*(table + 5), "");

    auto fluctuation = std::find(all.begin(), all.end(), " " + std::string(59, '-'));
    ASSERT_NE(fluctuation, all.end());
    EXPECT_EQ(*(fluctuation - 1), " EVENT   TIME     BU      YO     D     KDt/SL2   Y/Y0     Y");
    std::vector<std::string> rows(fluctuation + 1, all.end());
    // Two period lines, then an event line and a period line for every event but the last, then
    // the last event line and the final height.
    ASSERT_EQ(rows.size(), 2u + 2u * 3u + 2u);
    const std::string eventLine = "  1              1.00";  // 0.6 in / 12 / 0.05
    EXPECT_EQ(rows[2], eventLine);
    EXPECT_EQ(rows[8].substr(0, 3), "  4");
    EXPECT_EQ(rows[9].size(), 28u);
    EXPECT_EQ(rows[9].substr(23), formatF(run.lastPass->E, 5, 2));
    EXPECT_EQ(rows[1].size(), 61u);
    EXPECT_EQ(rows[1].substr(8, 5), formatI(run.periods.TP[2], 5));
}

TEST(ModelRunReport, TitleAndCommentLinesFill80Columns)
{
    ProjectInput p = fixtures::designProject();
    p.comments = {"short", std::string(80, 'c')};
    std::vector<std::string> all = lines(simulate(p).report);
    EXPECT_EQ(all[0], "Test design" + std::string(69, ' '));
    EXPECT_EQ(all[1], "");
    EXPECT_EQ(all[2], "short" + std::string(75, ' '));
    EXPECT_EQ(all[3], std::string(80, 'c'));
    EXPECT_EQ(all[4], "");
    EXPECT_EQ(all[5], "       TRANSIENT-STATE DRAIN SPACING");
}

TEST(ModelRunReport, UnitLabelsAndTheAwhcLineFollowTheProject)
{
    ProjectInput p = fixtures::designProject();
    p.benchFlag = 0;
    Simulation english = simulate(p);
    EXPECT_EQ(lineStartingWith(english.report, "AWHC"), "");
    EXPECT_EQ(lineStartingWith(english.report, "Permeability"), "Permeability (ft/day)                     =    1.500");
    p.benchFlag = 1;
    EXPECT_EQ(lineStartingWith(simulate(p).report, "AWHC"), "AWHC inch                                 =    7.500");
    p.unitsMode = 7;
    Simulation metric = simulate(p);
    // A metric project stores its AWHC in centimetres.
    EXPECT_EQ(lineStartingWith(metric.report, "AWHC"), "AWHC cm                                   =    7.500");
    EXPECT_EQ(lineStartingWith(metric.report, "Permeability"), "Permeability (m/day)                      =    1.500");
    EXPECT_EQ(lineStartingWith(metric.report, "Depth to the Drain"),
              "Depth to the Drain (m)                    =    4.000");
}

TEST(ModelRunReport, AZeroBarrierDistanceIsReportedAsZero)
{
    ProjectInput p = fixtures::analysisProject();
    p.barrierMode = 0;
    p.barrierDistance = 0.0f;
    Simulation run = simulate(p);
    EXPECT_EQ(run.project.barrierDistance, 0.0001f);
    EXPECT_EQ(lineStartingWith(run.report, "Drain to barrier"), "Drain to barrier (ft)                     =    0.000");
}

TEST(ModelRunReport, ADrainedYearShowsRatiosAndAZeroPeak)
{
    ProjectInput p = fixtures::analysisProject();
    for (auto& e : p.events) e.amount = 0.0f;
    Simulation run = simulate(p);
    EXPECT_EQ(run.report.find("NaN"), std::string::npos);
    EXPECT_EQ(lineStartingWith(run.report, "Max. W.T."), "Max. W.T. above drain at mid-spacing (ft) =    0.000");
    // Off the barrier a drained period still has a time factor, from the equivalent depth.
    std::vector<std::string> all = lines(run.report);
    const std::string firstPeriod = *(std::find(all.begin(), all.end(), " " + std::string(59, '-')) + 1);
    EXPECT_EQ(firstPeriod.substr(48, 5), formatF(run.lastPass->ratio[1], 5, 3));
    EXPECT_EQ(firstPeriod.substr(48, 5), "0.060");
}

TEST(ModelRunReport, TheBarrierCaseNamesTheTableColumns)
{
    ProjectInput p = fixtures::designProject();
    p.barrierDistance = 0.2f;
    Simulation run = simulate(p);
    EXPECT_NE(run.report.find("\nDrain ON THE BARRIER case was used\n"), std::string::npos);
    EXPECT_NE(run.report.find(" EVENT   TIME     BU      YO     H     KHt/SL2   Z/H      Z\n"), std::string::npos);
}

// The build-up of 123.4 lifts the water table of every later period beyond its field too; the
// first field of the report that cannot show its value is named.
TEST(ModelRunReport, ABuildUpTooLargeForItsFieldStopsTheRunNamingIt)
{
    ProjectInput p = fixtures::analysisProject();
    p.depthToDrain = 1000.0f;
    p.events[3].amount = 123.4f * 12.0f * 0.05f;
    const Simulation run = simulate(p);
    EXPECT_EQ(
        run.error,
        "ERROR - THE HEIGHT AT THE START OF PERIOD 1 123.885 IS OUTSIDE -9.99 TO 99.99, THE RANGE ITS FIELD SHOWS");
    EXPECT_TRUE(run.report.empty());
    EXPECT_TRUE(run.dailyFile.empty());
}

// K 10 ft/day at a spacing of 5 ft over a specific yield of 0.02: a time factor of thousands, which
// its field cannot show; the GUI only shows that column, so the run stands.
TEST(ModelRunReport, OnlyTheTimeFactorMayShowAsterisks)
{
    ProjectInput p = fixtures::analysisProject();
    p.permeability = 10.0f;
    p.drainSpacing = 5.0f;
    p.specificYield = 0.02f;
    p.depthToDrain = 8.0f;
    for (auto& e : p.events) e.amount /= 6.0f;
    const Simulation run = simulate(p);
    ASSERT_FALSE(run.failed()) << run.error;
    const std::vector<std::string> all = lines(run.report);
    const auto table = std::find(all.begin(), all.end(), " " + std::string(59, '-')) + 1;
    int asterisks = 0;
    for (auto row = all.begin(); row != all.end(); ++row) {
        const std::size_t star = row->find('*');
        if (star == std::string::npos || row < table) continue;
        EXPECT_EQ(row->substr(38, 8), "********") << *row;
        EXPECT_EQ(row->find('*', 46), std::string::npos) << *row;
        ++asterisks;
    }
    EXPECT_GE(asterisks, 3);
    EXPECT_EQ(run.dailyFile.find('*'), std::string::npos);
}

// A permeability of 9999 designs a spacing of kilometres, more than its field shows.
TEST(ModelRunErrors, ADesignedSpacingTooLargeToShowStopsTheRun)
{
    ProjectInput p = fixtures::designProject();
    p.permeability = 9999.0f;
    const Simulation run = simulate(p);
    EXPECT_EQ(run.error, "ERROR - THE DRAIN SPACING 22243 IS OUTSIDE -999.999 TO 9999.999, THE RANGE ITS FIELD SHOWS");
    EXPECT_TRUE(run.report.empty());
    EXPECT_TRUE(run.dailyFile.empty());
}
