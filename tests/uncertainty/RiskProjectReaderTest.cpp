// Reading the risk project file as the editor writes it, with the same tolerance, and every way
// in which a file can fail to follow the layout.
#include <gtest/gtest.h>

#include <sstream>

#include "ModelError.h"
#include "RiskProjectReader.h"
#include "TestRiskProjects.h"

using namespace uncertainty;

namespace {

RiskProject everyFieldSet()
{
    RiskProject p = fixtures::checkValueProject();
    p.lossFunction = 3;
    p.units = 2;
    p.evaluation = 2;
    p.uncertaintyOption = 2;
    p.pipeCostType = 2;
    p.trenchSpeed = 2;
    p.reliabilityOption = 2;
    p.pipeType = 2;
    double v = 0.5;
    for (double* f : {&p.minReliability, &p.maxReliability,  &p.reliabilityIncrement,
                      &p.criticalDepth,  &p.minDepth,        &p.maxInstallDepth,
                      &p.depthRateSlope, &p.maxDepth,        &p.varCostPerMinute,
                      &p.coefA,          &p.coefB,           &p.coefX,
                      &p.minSpacing,     &p.maxSpacing,      &p.spacingIncrement,
                      &p.annualBenefits, &p.minInstallRate,  &p.maxYieldDepth,
                      &p.depthIncrement, &p.givenReliability})
        *f = (v += 1.25);
    for (int i = 0; i < kPipeSizes; ++i) {
        p.pipeCost[i] = 1.5 + i;
        p.gravelCost[i] = 0.25 * i;
        p.lateralPercent[i] = 10.0 + i;
    }
    p.cropName = "SOY BEAN";
    return p;
}

RiskProject read(const std::string& text)
{
    std::istringstream in(text);
    return readRiskProject(in, "field.rsk");
}

std::string errorOf(const std::string& text)
{
    try {
        read(text);
    } catch (const ModelError& e) {
        return e.what();
    }
    return "";
}

// The text with data line `n` (1 to 17, comment lines not counted) replaced.
std::string withDataLine(const std::string& text, int n, const std::string& replacement)
{
    std::istringstream in(text);
    std::string line, out;
    int data = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#' && ++data == n) line = replacement;
        out += line + '\n';
    }
    return out;
}

}  // namespace

TEST(RiskProjectReader, ReadsEveryFieldTheEditorWrites)
{
    const RiskProject p = everyFieldSet();
    const RiskProject r = read(fixtures::rskText(p));
    EXPECT_EQ(r.lossFunction, 3);
    EXPECT_EQ(r.units, 2);
    EXPECT_EQ(r.evaluation, 2);
    EXPECT_EQ(r.uncertaintyOption, 2);
    EXPECT_EQ(r.pipeCostType, 2);
    EXPECT_EQ(r.trenchSpeed, 2);
    EXPECT_EQ(r.reliabilityOption, 2);
    EXPECT_EQ(r.pipeType, 2);
    EXPECT_EQ(r.cropName, "SOY BEAN");
    const double RiskProject::*fields[] = {&RiskProject::barrierDepth,
                                           &RiskProject::barrierDepthSD,
                                           &RiskProject::permeability,
                                           &RiskProject::permeabilitySD,
                                           &RiskProject::rechargeRate,
                                           &RiskProject::rechargeRateSD,
                                           &RiskProject::drainRadius,
                                           &RiskProject::criticalDepth,
                                           &RiskProject::discountRate,
                                           &RiskProject::systemLife,
                                           &RiskProject::omCost,
                                           &RiskProject::averagePipeCost,
                                           &RiskProject::constCostPerMinute,
                                           &RiskProject::constInstallRate,
                                           &RiskProject::varCostPerMinute,
                                           &RiskProject::maxInstallDepth,
                                           &RiskProject::minInstallRate,
                                           &RiskProject::depthRateSlope,
                                           &RiskProject::designDepth,
                                           &RiskProject::designSpacing,
                                           &RiskProject::minDepth,
                                           &RiskProject::maxDepth,
                                           &RiskProject::depthIncrement,
                                           &RiskProject::minSpacing,
                                           &RiskProject::maxSpacing,
                                           &RiskProject::spacingIncrement,
                                           &RiskProject::givenReliability,
                                           &RiskProject::minReliability,
                                           &RiskProject::maxReliability,
                                           &RiskProject::reliabilityIncrement,
                                           &RiskProject::coefA,
                                           &RiskProject::coefB,
                                           &RiskProject::coefX,
                                           &RiskProject::maxYieldDepth,
                                           &RiskProject::annualBenefits};
    for (auto f : fields) EXPECT_EQ(r.*f, p.*f);
    EXPECT_EQ(r.pipeCost, p.pipeCost);
    EXPECT_EQ(r.gravelCost, p.gravelCost);
    EXPECT_EQ(r.lateralPercent, p.lateralPercent);
}

TEST(RiskProjectReader, DesignDepthComesFromLineEight)
{
    std::string text = withDataLine(fixtures::rskText(fixtures::checkValueProject()), 7, "0 8 99 0.0 0 40");
    EXPECT_EQ(read(text).designDepth, 4.0);
}

TEST(RiskProjectReader, CodesAreNormalisedAsTheEditorDoes)
{
    std::string text = fixtures::rskText(everyFieldSet());
    text = withDataLine(text, 1, "9 0 1 2 3");
    text = withDataLine(text, 2, "0 7 -1 1 2");
    const RiskProject r = read(text);
    EXPECT_EQ(r.lossFunction, 1);  // 9 leaves the new project's value
    EXPECT_EQ(r.units, 2);
    EXPECT_EQ(r.uncertaintyOption, 2);
    EXPECT_EQ(r.evaluation, 2);
    EXPECT_EQ(r.pipeCostType, 2);
    EXPECT_EQ(r.trenchSpeed, 1);
    EXPECT_EQ(r.reliabilityOption, 2);
}

TEST(RiskProjectReader, ToleratesCrLfLongLinesTrailingTextAndAMissingLastLineEnd)
{
    std::string text = fixtures::rskText(everyFieldSet());
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf = "# " + std::string(5000, 'x') + "\r\n" + crlf;
    crlf.erase(crlf.size() - 2);  // the last table row ends without a line end
    const RiskProject r = read(withDataLine(crlf, 3, "10 0.03125 1 0.0078125 0.5 0.0 and some words\r"));
    EXPECT_EQ(r.permeabilitySD, 0.5);
    EXPECT_EQ(r.lateralPercent[6], 16.0);
    EXPECT_EQ(r.cropName, "SOY BEAN");
}

TEST(RiskProjectReader, AFileEndingAfterTheNamesLineKeepsAnEmptyTable)
{
    std::string text = fixtures::rskText(fixtures::checkValueProject());
    text = text.substr(0, text.find("# LINE 11"));
    const RiskProject r = read(text);
    EXPECT_EQ(r.pipeType, 0);
    EXPECT_EQ(r.lateralPercent[0], 0.0);
}

TEST(RiskProjectReader, MalformedFilesNameTheFileAndTheLine)
{
    const std::string good = fixtures::rskText(fixtures::checkValueProject());
    EXPECT_EQ(errorOf(withDataLine(good, 4, "1 0 0.2 0.5")),
              "ERROR - DATA LINE 4 HOLDS 4 READABLE NUMBERS WHERE 5 ARE EXPECTED (LINE 9 OF field.rsk)");
    EXPECT_EQ(errorOf(withDataLine(good, 2, "1 1.5 1 1 1")),
              "ERROR - DATA LINE 2 HOLDS 2 READABLE NUMBERS WHERE 5 ARE EXPECTED (LINE 5 OF field.rsk)");
    EXPECT_EQ(errorOf(withDataLine(good, 10, "CORN      plastic   ")),
              "ERROR - DATA LINE 10 NAMES THE PIPE TYPE \"plastic\" IN COLUMNS 11 TO 20, WHERE PLASTIC, CONCRETE OR "
              "CLAY IS EXPECTED (LINE 21 OF field.rsk)");
    EXPECT_EQ(errorOf(withDataLine(good, 12, "1 2")),
              "ERROR - ROW 2 OF THE PIPE COST TABLE HOLDS 2 READABLE NUMBERS WHERE 3 ARE EXPECTED (LINE 24 OF "
              "field.rsk)");
    EXPECT_EQ(errorOf(good + "0 0 0\n"), "ERROR - THE PIPE COST TABLE HOLDS MORE THAN 7 ROWS (LINE 30 OF field.rsk)");
    EXPECT_EQ(errorOf(good.substr(0, good.find("# LINE 6"))),
              "ERROR - THE RISK PROJECT FILE field.rsk ENDS BEFORE DATA LINE 6");
    // A line of blanks is a data line, not a comment.
    EXPECT_EQ(errorOf(withDataLine(good, 1, "   ")),
              "ERROR - DATA LINE 1 HOLDS 0 READABLE NUMBERS WHERE 5 ARE EXPECTED (LINE 3 OF field.rsk)");
}
