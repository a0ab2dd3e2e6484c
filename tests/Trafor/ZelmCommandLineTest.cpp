// The zelm program's command line and the files it agrees to read: regular files only, read line
// by line, named the way the user named them.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestProjects.h"

using namespace zelm;
using namespace zelm::fixtures;

namespace {

const std::string kZelm = ZELM_BINARY;

// Runs zelm in `dir` with `arguments` (already quoted for the shell), bounded in time so that a
// program that blocks fails the test instead of hanging it.
ProcessResult runZelmWith(const ScratchDir& dir, const std::string& arguments, const std::string& limits = "")
{
    return runInDir(dir.path(), limits + "timeout 20 '" + kZelm + "' " + arguments + " </dev/null");
}

// A bound on the memory of the model, so that a model reading a device without end fails quickly;
// the address sanitizer needs more address space than any such bound.
#if defined(__SANITIZE_ADDRESS__)
const std::string kMemoryBound;
#else
const std::string kMemoryBound = "ulimit -v 2000000 2>/dev/null; ";
#endif

TEST(ZelmInputFile, ThingsThatAreNotRegularFilesAreRefusedAtOnce)
{
    ScratchDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.TRN").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "folder.TRN");
    std::filesystem::create_symlink("/dev/zero", dir / "device.TRN");
    for (const std::string base : {"pipe", "folder", "device"}) {
        ProcessResult result = runZelmWith(dir, base, kMemoryBound);
        EXPECT_EQ(result.output, " ERROR - INPUT FILE " + base + ".TRN IS NOT A REGULAR FILE\n") << base;
        EXPECT_EQ(result.exitStatus, 1) << base;
        EXPECT_FALSE(std::filesystem::exists(dir / (base + ".OTR"))) << base;
    }
}

#if !defined(__SANITIZE_ADDRESS__)
// The model stops reading at the end of the comment block; what follows is never held in memory.
TEST(ZelmInputFile, IsReadLineByLineInBoundedMemory)
{
    ScratchDir dir;
    writeFile(dir / "big.TRN", trnText(designProject()));
    std::filesystem::resize_file(dir / "big.TRN", std::filesystem::file_size(dir / "big.TRN") + (3ull << 30));
    ProcessResult result = runZelmWith(dir, "big", "ulimit -v 1000000; ");
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "big.OTR"));
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 100 * 1024) << "kilobytes at the peak of the largest child";
}
#endif

TEST(ZelmInputFile, AnEndlessLineIsRefusedWithItsItemNamed)
{
    ScratchDir dir;
    std::string text = trnText(designProject());
    text.insert(text.find("Test design"), std::string(2 << 20, 'x'));
    writeFile(dir / "long.TRN", text);
    ProcessResult result = runZelmWith(dir, "long");
    EXPECT_EQ(result.output,
              " ERROR - CANNOT READ THE TITLE IN INPUT FILE long.TRN: A LINE IS LONGER THAN 1048576 CHARACTERS\n");
    EXPECT_EQ(result.exitStatus, 1);
}

// "plan .trn" is a project of its own: running it must not overwrite plan's report.
TEST(ZelmBaseName, TrailingBlanksNameTheFileThatHasThem)
{
    ScratchDir dir;
    ProjectInput blank = analysisProject();
    blank.title = "with the blank";
    writeFile(dir / "plan .trn", trnText(blank));
    writeFile(dir / "plan.TRN", trnText(designProject()));
    writeFile(dir / "plan.OTR", "plan's own report\n");
    ProcessResult result = runZelmWith(dir, "'plan '");
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(readFile(dir / "plan.OTR"), "plan's own report\n");
    EXPECT_EQ(readFile(dir / "plan .OTR").substr(0, 14), "with the blank");
    EXPECT_TRUE(std::filesystem::exists(dir / "plan .DAY"));
    EXPECT_FALSE(std::filesystem::exists(dir / "plan.DAY"));
}

TEST(ZelmBaseName, MayCarryTheProjectExtensionInEitherCase)
{
    ScratchDir dir;
    writeFile(dir / "lower.trn", trnText(designProject()));
    writeFile(dir / "upper.TRN", trnText(analysisProject()));
    EXPECT_EQ(runZelmWith(dir, "lower.trn").output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "lower.OTR"));
    EXPECT_TRUE(std::filesystem::exists(dir / "lower.DAY"));
    EXPECT_EQ(runZelmWith(dir, "upper.TRN").output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "upper.OTR"));
    // Without such a file the argument stays a base name.
    EXPECT_EQ(runZelmWith(dir, "missing.trn").output, " ERROR - CANNOT OPEN INPUT FILE missing.trn.TRN\n");
}

// The editor runs the file it edits by its exact name; a bare base name means BASE.trn, the name
// the editor saves, before BASE.TRN.
TEST(ZelmBaseName, AnExactNameRunsThatFileAndABareNameTheEditorsLetterCase)
{
    ScratchDir dir;
    ProjectInput lower = analysisProject(), upper = analysisProject();
    lower.title = "lower case";
    upper.title = "upper case";
    writeFile(dir / "both.trn", trnText(lower));
    writeFile(dir / "both.TRN", trnText(upper));
    for (const auto& [argument, title] :
         {std::pair{"both.TRN", "upper case"}, std::pair{"both.trn", "lower case"}, std::pair{"both", "lower case"}}) {
        EXPECT_EQ(runZelmWith(dir, std::string("-- ") + argument).output, "");
        EXPECT_EQ(readFile(dir / "both.OTR").substr(0, 10), title) << argument;
    }
}

TEST(ZelmCommandLine, DoubleDashEndsTheOptionsAndAProjectNameIsNoOption)
{
    ScratchDir dir;
    writeFile(dir / "-x.trn", trnText(analysisProject()));
    writeFile(dir / "--help.trn", trnText(analysisProject()));
    EXPECT_EQ(runZelmWith(dir, "-- -x").output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "-x.OTR"));
    EXPECT_EQ(runZelmWith(dir, "--help").output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "--help.OTR"));

    const ProcessResult unknown = runZelmWith(dir, "-y");
    EXPECT_EQ(unknown.output, " ERROR - UNKNOWN OPTION -y; ZELM --HELP TELLS THE OPTIONS\n");
    EXPECT_EQ(unknown.exitStatus, 1);
    const ProcessResult two = runZelmWith(dir, "-- -x -x");
    EXPECT_EQ(two.output, " ERROR - ONE BASE NAME IS EXPECTED, NOT 2\n");
    EXPECT_EQ(two.exitStatus, 1);
}

TEST(ZelmBaseName, IsBoundedAsArgumentAndAsTypedLine)
{
    ScratchDir dir;
    const std::string tooLong = " ERROR - THE BASE NAME IS LONGER THAN 4096 CHARACTERS\n";
    const ProcessResult argument = runZelmWith(dir, std::string(4097, 'x'));
    EXPECT_EQ(argument.output, tooLong);
    EXPECT_EQ(argument.exitStatus, 1);
    // A line without end: the model stops reading at the limit.
    const ProcessResult typed =
        runInDir(dir.path(), kMemoryBound + "head -c 3000000000 /dev/zero | timeout 20 '" + kZelm + "'");
    EXPECT_EQ(typed.output, " Enter base name?\n" + tooLong);
    EXPECT_EQ(typed.exitStatus, 1);
}

TEST(ZelmCommandLine, VersionAndHelpPrintAndSucceed)
{
    ScratchDir dir;
    ProcessResult version = runZelmWith(dir, "--version");
    EXPECT_EQ(version.output, "zelm " ZELM_VERSION "\n");
    EXPECT_EQ(version.exitStatus, 0);
    ProcessResult help = runZelmWith(dir, "--help");
    EXPECT_EQ(help.exitStatus, 0);
    for (const char* part : {"Usage: zelm [BASE]", "BASE.TRN", "BASE.OTR", "BASE.DAY", "Enter base name?",
                             "Exit status", "at most 999 events, 5000 comment lines", "4096 characters", "\"--\""})
        EXPECT_NE(help.output.find(part), std::string::npos) << part;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
