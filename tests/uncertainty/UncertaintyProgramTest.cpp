// The uncertainty program as the desktop program meets it: a child process in a folder of risk
// projects, its console lines, its exit status and the report it writes or leaves alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>

#include "GuiReportReader.h"
#include "RiskProjectReader.h"
#include "TestProjects.h"
#include "TestRiskProjects.h"

using namespace uncertainty;
using zelm::fixtures::ProcessResult;
using zelm::fixtures::readFile;
using zelm::fixtures::runInDir;
using zelm::fixtures::ScratchDir;
using zelm::fixtures::writeFile;

namespace {

const std::string kProgram = UNCERTAINTY_BINARY;

ProcessResult runOn(const ScratchDir& dir, const std::string& argument)
{
    return runInDir(dir.path(), "'" + kProgram + "' '" + argument + "' < /dev/null");
}

int linesStartingWith(const std::string& text, const std::string& start)
{
    int n = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.compare(at, start.size(), start) == 0) ++n;
        at = text.find('\n', at);
        if (at == std::string::npos) break;
        ++at;
    }
    return n;
}

RiskProject rangeProject()
{
    RiskProject p = fixtures::checkValueProject();
    p.evaluation = 2;
    p.minDepth = 3.0;
    p.maxDepth = 5.0;
    p.depthIncrement = 0.5;
    p.minSpacing = 20.0;
    p.maxSpacing = 80.0;
    p.spacingIncrement = 10.0;
    p.givenReliability = 80.0;
    return p;
}

RiskProject lossProject()
{
    RiskProject p = rangeProject();
    p.uncertaintyOption = 2;
    p.maxYieldDepth = 3.0;
    p.coefA = 0.4;
    p.coefB = 0.6;
    p.annualBenefits = 300.0;
    return p;
}

// A fault: the project it starts from and the one change that breaks it.
struct BadInput {
    const char* what;
    RiskProject (*base)();
    void (*breakIt)(RiskProject& project);
    RiskProject project() const
    {
        RiskProject p = base();
        breakIt(p);
        return p;
    }
};

// One fault each; every one stops the run with a single error line.
const BadInput kBadInputs[] = {
    {"not finite", fixtures::checkValueProject, [](RiskProject& p) { p.permeability = std::nan(""); }},
    {"K not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.permeability = 0; }},
    {"q not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.rechargeRate = -0.1; }},
    {"Z not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.barrierDepth = 0; }},
    {"r not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.drainRadius = 0; }},
    {"negative SD", fixtures::checkValueProject, [](RiskProject& p) { p.permeabilitySD = -0.5; }},
    {"life not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.systemLife = 0; }},
    {"negative discount", fixtures::checkValueProject, [](RiskProject& p) { p.discountRate = -1; }},
    {"spacing not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.designSpacing = 0; }},
    {"depth not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.designDepth = -1; }},
    {"de undefined", fixtures::checkValueProject, [](RiskProject& p) { p.designSpacing = 0.6; }},
    {"range de undefined", rangeProject, [](RiskProject& p) { p.minSpacing = 0.64; }},
    {"increment not above 0", rangeProject, [](RiskProject& p) { p.depthIncrement = 0; }},
    {"minimum above maximum", rangeProject, [](RiskProject& p) { p.minSpacing = 90; }},
    {"too many designs", rangeProject, [](RiskProject& p) { p.spacingIncrement = 0.001; }},
    {"too many levels", rangeProject,
     [](RiskProject& p) {
         p.reliabilityOption = 2;
         p.minReliability = 0;
         p.maxReliability = 100;
         p.reliabilityIncrement = 1e-4;
     }},
    {"reliability above 100", rangeProject, [](RiskProject& p) { p.givenReliability = 101; }},
    {"table below 0", rangeProject,
     [](RiskProject& p) {
         p.reliabilityOption = 2;
         p.minReliability = -5;
         p.maxReliability = 50;
         p.reliabilityIncrement = 5;
     }},
    {"given design too deep", fixtures::checkValueProject,
     [](RiskProject& p) {
         p.trenchSpeed = 2;
         p.maxInstallDepth = 3;
         p.minInstallRate = 2;
         p.varCostPerMinute = 3;
     }},
    {"no depth installable", rangeProject,
     [](RiskProject& p) {
         p.trenchSpeed = 2;
         p.maxInstallDepth = 2;
         p.minInstallRate = 2;
         p.varCostPerMinute = 3;
     }},
    {"constant rate not above 0", fixtures::checkValueProject, [](RiskProject& p) { p.constInstallRate = 0; }},
    {"variable rate not above 0", fixtures::checkValueProject,
     [](RiskProject& p) {
         p.trenchSpeed = 2;
         p.maxInstallDepth = 6;
         p.minInstallRate = 0;
     }},
    {"X0 outside [0, 1)", lossProject, [](RiskProject& p) { p.coefX = 1.0; }},
    {"Wopt not above 0", lossProject, [](RiskProject& p) { p.maxYieldDepth = 0; }},
    {"percentages add up to 0", fixtures::checkValueProject, [](RiskProject& p) { p.pipeCostType = 2; }},
    {"negative O&M cost", fixtures::checkValueProject, [](RiskProject& p) { p.omCost = -0.01; }},
    {"percent above 100", fixtures::checkValueProject,
     [](RiskProject& p) {
         p.pipeCostType = 2;
         p.lateralPercent[0] = 120;
     }},
};

// Inputs inside every domain but beyond what the model can compute: a finite report, or an error
// naming the quantity it could not compute (nullptr: the run succeeds).
struct ExtremeInput {
    BadInput input;
    const char* quantity;
};

RiskProject tableProject()
{
    RiskProject p = rangeProject();
    p.reliabilityOption = 2;
    p.minReliability = 50;
    p.maxReliability = 90;
    p.reliabilityIncrement = 10;
    return p;
}

const ExtremeInput kExtremeInputs[] = {
    {{"recharge 1e308", fixtures::checkValueProject, [](RiskProject& p) { p.rechargeRate = 1e308; }},
     "THE MEAN DEPTH TO THE WATER TABLE"},
    {{"spacing 1e200", fixtures::checkValueProject, [](RiskProject& p) { p.designSpacing = 1e200; }},
     "THE MEAN DEPTH TO THE WATER TABLE"},
    {{"mean K 1e-200", fixtures::checkValueProject, [](RiskProject& p) { p.permeability = 1e-200; }},
     "THE MEAN DEPTH TO THE WATER TABLE"},
    {{"pipe cost 1e308", fixtures::checkValueProject, [](RiskProject& p) { p.averagePipeCost = 1e308; }},
     "THE CAPITAL COST"},
    {{"recharge 1e303, loss function range", lossProject, [](RiskProject& p) { p.rechargeRate = 1e303; }},
     "THE MEAN DEPTH TO THE WATER TABLE"},
    {{"SD 1e160 times its mean", fixtures::checkValueProject, [](RiskProject& p) { p.permeabilitySD = 1e160; }},
     nullptr},
    {{"life of 20000 years", fixtures::checkValueProject, [](RiskProject& p) { p.systemLife = 20000; }}, nullptr},
    {{"life of 20000 years, a table", tableProject, [](RiskProject& p) { p.systemLife = 20000; }}, nullptr},
};

// Whether the folder holds `count` files and nothing else (no temporary file left beside them).
bool onlyFiles(const ScratchDir& dir, std::size_t count)
{
    return std::size_t(std::distance(std::filesystem::directory_iterator(dir.path()), {})) == count;
}

}  // namespace

TEST(UncertaintyProgram, EachInputErrorGivesOneLineExitStatusOneAndNoReport)
{
    for (const BadInput& bad : kBadInputs) {
        ScratchDir dir;
        writeFile(dir / "bad.rsk", fixtures::rskText(bad.project()));
        writeFile(dir / "bad.UNC", "an earlier report");
        ProcessResult r = runOn(dir, "bad");
        EXPECT_EQ(r.exitStatus, 1) << bad.what;
        EXPECT_EQ(linesStartingWith(r.output, " ERROR - "), 1) << bad.what << ": " << r.output;
        EXPECT_TRUE(readFile(dir / "bad.UNC") == "an earlier report") << bad.what;
    }
}

TEST(UncertaintyProgram, EveryErrorOfAProjectGetsItsLine)
{
    ScratchDir dir;
    RiskProject p = rangeProject();
    p.permeability = 0;
    p.barrierDepth = 0;
    p.rechargeRate = 0;
    p.systemLife = -1;
    p.depthIncrement = 0;
    writeFile(dir / "three.rsk", fixtures::rskText(p));
    ProcessResult r = runOn(dir, "three");
    // The inputs are named as the form names them: [d], [K] and [Qd].
    EXPECT_EQ(r.output,
              " ERROR - THE MEAN DEPTH TO THE BARRIER [d] MUST BE ABOVE 0\n"
              " ERROR - THE MEAN HYDRAULIC CONDUCTIVITY [K] MUST BE ABOVE 0\n"
              " ERROR - THE MEAN RECHARGE RATE [Qd] MUST BE ABOVE 0\n"
              " ERROR - THE LIFE OF THE SYSTEM MUST BE ABOVE 0\n"
              " ERROR - THE DEPTH INCREMENT MUST BE ABOVE 0\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "three.UNC"));
}

TEST(UncertaintyProgram, MissingAndMalformedFilesAreNamed)
{
    ScratchDir dir;
    ProcessResult missing = runOn(dir, "none");
    EXPECT_EQ(missing.output, " ERROR - CANNOT FIND THE RISK PROJECT FILE none.rsk (NOR none.RSK)\n");
    EXPECT_EQ(missing.exitStatus, 1);
    writeFile(dir / "bad.rsk", "# a comment\n1 1 0 0\n");
    ProcessResult bad = runOn(dir, "bad");
    EXPECT_EQ(bad.output, " ERROR - DATA LINE 1 HOLDS 4 READABLE NUMBERS WHERE 5 ARE EXPECTED (LINE 2 OF bad.rsk)\n");
    EXPECT_EQ(bad.exitStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.UNC"));
    std::filesystem::create_directory(dir / "folder.rsk");
    EXPECT_EQ(runOn(dir, "folder").output, " ERROR - THE RISK PROJECT folder.rsk IS NOT A REGULAR FILE\n");
}

TEST(UncertaintyProgram, FindsTheProjectInEitherCaseOrByItsFullName)
{
    ScratchDir dir;
    writeFile(dir / "UPPER.RSK", fixtures::rskText(fixtures::checkValueProject()));
    ProcessResult upper = runOn(dir, "UPPER");
    EXPECT_EQ(upper.output, "");
    EXPECT_EQ(upper.exitStatus, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "UPPER.UNC"));
    writeFile(dir / "named.rsk", fixtures::rskText(fixtures::checkValueProject()));
    EXPECT_EQ(runOn(dir, "named.rsk").exitStatus, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "named.UNC"));
    // The report is the only file left beside the project.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

TEST(UncertaintyProgram, PercentagesNotAddingUpTo100WarnAndAreUsedAsShares)
{
    ScratchDir dir;
    RiskProject p = fixtures::checkValueProject();
    p.pipeCostType = 2;
    p.pipeCost = {0.4, 0.6, 0, 0, 0, 0, 0};
    p.gravelCost = {0.1, 0.1, 0, 0, 0, 0, 0};
    p.lateralPercent = {45, 45, 0, 0, 0, 0, 0};  // 90: shares of one half each, 0.6 per ft
    writeFile(dir / "shares.rsk", fixtures::rskText(p));
    ProcessResult r = runOn(dir, "shares");
    EXPECT_EQ(r.output,
              " WARNING - THE PERCENTS OF LATERAL IN THE PIPE COST TABLE ADD UP TO 90, NOT 100: EACH IS TAKEN AS A "
              "SHARE OF THEIR SUM\n");
    EXPECT_EQ(r.exitStatus, 0);
    const std::string report = readFile(dir / "shares.UNC");
    EXPECT_NE(report.find("Pipe and gravel cost (per ft) ........................ 0.6000"), std::string::npos);
    EXPECT_NE(report.find("THE PERCENTS OF LATERAL"), std::string::npos);
    p.lateralPercent = {50, 50.005, 0, 0, 0, 0, 0};  // within 0.01 of 100: no warning
    writeFile(dir / "shares.rsk", fixtures::rskText(p));
    EXPECT_EQ(runOn(dir, "shares").output, "");
}

TEST(UncertaintyProgram, HelpVersionAndAMissingArgument)
{
    ScratchDir dir;
    ProcessResult none = runInDir(dir.path(), "'" + kProgram + "' < /dev/null");
    EXPECT_EQ(none.exitStatus, 1);
    EXPECT_EQ(linesStartingWith(none.output, " ERROR - "), 1);
    EXPECT_NE(none.output.find("Usage: uncertainty BASE"), std::string::npos);
    ProcessResult version = runOn(dir, "--version");
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.output, "uncertainty 1.1.8\n");
    ProcessResult help = runOn(dir, "--help");
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.output.find("BASE.rsk"), std::string::npos);
    EXPECT_NE(help.output.find("Exit status"), std::string::npos);
    EXPECT_EQ(runOn(dir, "--verbose").exitStatus, 1);
    EXPECT_EQ(runInDir(dir.path(), "'" + kProgram + "' a b < /dev/null").exitStatus, 1);
}

TEST(UncertaintyProgram, ExtremeInputsGiveFiniteNumbersOrAnErrorNamingTheQuantity)
{
    for (const ExtremeInput& extreme : kExtremeInputs) {
        const char* what = extreme.input.what;
        ScratchDir dir;
        writeFile(dir / "x.rsk", fixtures::rskText(extreme.input.project()));
        ProcessResult r = runOn(dir, "x");
        if (extreme.quantity) {
            EXPECT_EQ(r.exitStatus, 1) << what;
            EXPECT_EQ(linesStartingWith(r.output, " ERROR - " + std::string(extreme.quantity) + " OF THE DESIGN "), 1)
                << what << ": " << r.output;
            EXPECT_TRUE(onlyFiles(dir, 1)) << what;
            continue;
        }
        EXPECT_EQ(r.exitStatus, 0) << what;
        EXPECT_EQ(r.output, "") << what;
        const fixtures::GuiReadReport gui = fixtures::readAsTheGuiDoes(readFile(dir / "x.UNC"));
        EXPECT_FALSE(gui.failed) << what;
        EXPECT_TRUE(gui.hasFixedDesign || !gui.table.empty()) << what;
        for (double v : gui.fixedDesign) EXPECT_TRUE(std::isfinite(v)) << what;
        for (const auto& row : gui.table)
            for (double v : row) EXPECT_TRUE(std::isfinite(v)) << what;
    }
}

TEST(UncertaintyProgram, TheReportGetsThePermissionsOfANewFile)
{
    ScratchDir dir;
    writeFile(dir / "p.rsk", fixtures::rskText(fixtures::checkValueProject()));
    EXPECT_EQ(runInDir(dir.path(), "umask 027; '" + kProgram + "' p < /dev/null").exitStatus, 0);
    struct stat status {};
    ASSERT_EQ(stat((dir / "p.UNC").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(UncertaintyProgram, AFileSizeLimitIsAnErrorLeavingTheEarlierReportAndNoTemporaryFile)
{
    ScratchDir dir;
    writeFile(dir / "p.rsk", fixtures::rskText(fixtures::checkValueProject()));
    writeFile(dir / "p.UNC", "an earlier report");
    ProcessResult r = runInDir(dir.path(), "ulimit -f 1; '" + kProgram + "' p < /dev/null");
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.output, " ERROR - CANNOT WRITE THE REPORT FILE p.UNC (FILE TOO LARGE)\n");
    EXPECT_EQ(readFile(dir / "p.UNC"), "an earlier report");
    EXPECT_TRUE(onlyFiles(dir, 2));
}

TEST(UncertaintyProgram, AReportNameThatIsNotARegularFileIsAnError)
{
    ScratchDir dir;
    writeFile(dir / "p.rsk", fixtures::rskText(fixtures::checkValueProject()));
    ASSERT_EQ(mkfifo((dir / "p.UNC").c_str(), 0600), 0);
    ProcessResult fifo = runOn(dir, "p");
    EXPECT_EQ(fifo.output, " ERROR - THE REPORT FILE p.UNC EXISTS BUT IS NOT A REGULAR FILE\n");
    EXPECT_EQ(fifo.exitStatus, 1);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "p.UNC"));
    std::filesystem::remove(dir / "p.UNC");
    std::filesystem::create_directory(dir / "p.UNC");
    EXPECT_EQ(runOn(dir, "p").output, fifo.output);
}

TEST(UncertaintyProgram, ALineLongerThanTheLimitIsAnErrorNamingIt)
{
    ScratchDir dir;
    const std::string project = fixtures::rskText(fixtures::checkValueProject());
    const std::size_t secondLine = project.find('\n') + 1;
    std::string longest = project;
    longest.insert(secondLine, "#" + std::string(kMaxLineLength - 1, 'x') + "\r\n");
    writeFile(dir / "p.rsk", longest);
    EXPECT_EQ(runOn(dir, "p").exitStatus, 0);
    std::string tooLong = project;
    tooLong.insert(secondLine, "#" + std::string(kMaxLineLength, 'x') + "\n");
    writeFile(dir / "p.rsk", tooLong);
    ProcessResult r = runOn(dir, "p");
    EXPECT_EQ(r.output, " ERROR - THE LINE IS LONGER THAN 65536 CHARACTERS (LINE 2 OF p.rsk)\n");
    EXPECT_EQ(r.exitStatus, 1);
}

TEST(UncertaintyProgram, ABaseNameBeginningWithTwoDashesIsRun)
{
    ScratchDir dir;
    for (const char* name : {"--odd.rsk", "--help.rsk"})
        writeFile(dir / name, fixtures::rskText(fixtures::checkValueProject()));
    ProcessResult odd = runInDir(dir.path(), "'" + kProgram + "' -- --odd < /dev/null");
    EXPECT_EQ(odd.exitStatus, 0) << odd.output;
    EXPECT_TRUE(std::filesystem::exists(dir / "--odd.UNC"));
    // A base name that names a project is never taken for an option.
    ProcessResult help = runOn(dir, "--help");
    EXPECT_EQ(help.output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "--help.UNC"));
}

// Of BASE.rsk and BASE.RSK the one named whole is run; the base name alone runs BASE.rsk.
TEST(UncertaintyProgram, OfBothLetterCasesTheProjectNamedIsRun)
{
    ScratchDir dir;
    RiskProject p = fixtures::checkValueProject();
    writeFile(dir / "BASE.rsk", fixtures::rskText(p));
    p.designSpacing = 60.0;
    writeFile(dir / "BASE.RSK", fixtures::rskText(p));
    for (const auto& [argument, spacing] : {std::pair{"BASE.RSK", 60.0}, {"BASE.rsk", 40.0}, {"BASE", 40.0}}) {
        ASSERT_EQ(runOn(dir, argument).exitStatus, 0);
        EXPECT_EQ(fixtures::readAsTheGuiDoes(readFile(dir / "BASE.UNC")).fixedDesign[1], spacing) << argument;
    }
}
