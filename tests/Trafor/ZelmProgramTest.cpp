// The zelm program as a user meets it: a child process in a folder of project files.
#include <gtest/gtest.h>

#include "TestProjects.h"
#include "ZelmProgram.h"

using namespace zelm;
using namespace zelm::fixtures;

namespace {

const std::string kZelm = ZELM_BINARY;
const std::filesystem::path kData = ZELM_TEST_DATA_DIR;

ProcessResult runZelmOn(const ScratchDir& dir, const std::string& baseArgument)
{
    return runInDir(dir.path(), "'" + kZelm + "' '" + baseArgument + "'");
}

}  // namespace

TEST(ZelmProgram, GoldenReportAndDailyFileOfAHandCheckedProject)
{
    ScratchDir dir;
    std::filesystem::copy_file(kData / "golden/small.TRN", dir / "small.TRN");
    ProcessResult result = runZelmOn(dir, "small");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(readFile(dir / "small.OTR"), readFile(kData / "golden/small.otr.expected"));
    EXPECT_EQ(readFile(dir / "small.DAY"), readFile(kData / "golden/small.day.expected"));
}

TEST(ZelmProgram, PromptsForTheBaseNameWithoutAnArgument)
{
    ScratchDir dir;
    writeFile(dir / "asked.TRN", trnText(designProject()));
    ProcessResult result = runInDir(dir.path(), "printf 'asked\\n' | '" + kZelm + "'");
    EXPECT_EQ(result.output, " Enter base name?\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "asked.OTR"));
    EXPECT_TRUE(std::filesystem::exists(dir / "asked.DAY"));
}

TEST(ZelmProgram, TrailingBlanksOfTheBaseNameAreDropped)
{
    EXPECT_EQ(fileNamesFor("dir/field A  ").report, "dir/field A.OTR");
    ScratchDir dir;
    writeFile(dir / "field A.TRN", trnText(designProject()));
    EXPECT_EQ(runZelmOn(dir, "field A   ").exitStatus, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "field A.OTR"));
}

TEST(ZelmProgram, FindsAProjectSavedWithALowerCaseExtension)
{
    ScratchDir dir;
    writeFile(dir / "saved.trn", trnText(analysisProject()));
    EXPECT_EQ(runZelmOn(dir, "saved").output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "saved.OTR"));
}

TEST(ZelmProgram, AWaterTableAboveGroundStopsWithoutAReport)
{
    ScratchDir dir;
    ProjectInput p = analysisProject();
    p.depthToDrain = 1.0f;
    writeFile(dir / "wet.TRN", trnText(p));
    ProcessResult result = runZelmOn(dir, "wet");
    EXPECT_EQ(result.output, " ERROR - THE COMPUTED WATER TABLE DEPTH IS ABOVE GROUND\n");
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "wet.OTR"));
    // Nor a daily file: beside an earlier report it would belong to another run.
    EXPECT_FALSE(std::filesystem::exists(dir / "wet.DAY"));
}

TEST(ZelmProgram, AZeroSpacingStopsWithoutAReport)
{
    ScratchDir dir;
    ProjectInput p = analysisProject();
    p.barrierMode = 1;
    p.drainSpacing = 0.0f;
    writeFile(dir / "zero.TRN", trnText(p));
    ProcessResult result = runZelmOn(dir, "zero");
    EXPECT_EQ(result.output, " ERROR - YOU CANNOT ANALYZE A ZERO LENGTH SPACING\n");
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "zero.OTR"));
}

TEST(ZelmProgram, MissingAndMalformedFilesAreNamed)
{
    ScratchDir dir;
    ProcessResult missing = runZelmOn(dir, "none");
    EXPECT_EQ(missing.output, " ERROR - CANNOT OPEN INPUT FILE none.TRN\n");
    EXPECT_NE(missing.exitStatus, 0);
    writeFile(dir / "bad.TRN", "2\ntitle\n0 0 0\n1 2 3\n");
    ProcessResult bad = runZelmOn(dir, "bad");
    EXPECT_EQ(bad.output, " ERROR - CANNOT READ THE FIELD DATA IN INPUT FILE bad.TRN\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.OTR"));
}

TEST(ZelmProgram, EveryExampleRunsClean)
{
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZELM_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".trn") continue;
        ScratchDir dir;
        std::filesystem::copy_file(entry.path(), dir / entry.path().filename());
        ProcessResult result = runZelmOn(dir, entry.path().stem().string());
        EXPECT_EQ(result.output, "") << entry.path();
        EXPECT_EQ(result.exitStatus, 0) << entry.path();
        std::string report = readFile(dir / (entry.path().stem().string() + ".OTR"));
        EXPECT_EQ(report.find("WARNING"), std::string::npos) << entry.path();
        EXPECT_NE(report.find("Computation of Water Table Fluctuation"), std::string::npos) << entry.path();
        ++examples;
    }
    EXPECT_GE(examples, 3);
}
