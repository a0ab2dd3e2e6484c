// A run never destroys a good result: the report and the daily file appear together after a run
// that succeeded, with the permissions of any new file, and a run that fails in any way (its
// project, a file size limit, an output name that is no regular file) leaves the folder as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestProjects.h"

using namespace zelm;
using namespace zelm::fixtures;

namespace {

const std::string kZelm = ZELM_BINARY;

// The folder's files and their contents, to compare a folder before and after a run.
std::map<std::string, std::string> folderContents(const ScratchDir& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files[entry.path().filename().string()] = entry.is_regular_file() ? readFile(entry.path()) : "<not a file>";
    return files;
}

class ZelmOutputs : public ::testing::Test {
protected:
    // A folder with the project "field" and the outputs of its successful run.
    ZelmOutputs()
    {
        writeFile(dir / "field.trn", trnText(analysisProject()));
        EXPECT_EQ(run("field").output, "");
    }

    ProcessResult run(const std::string& base, const std::string& before = "") const
    {
        return runInDir(dir.path(), before + "timeout 20 '" + kZelm + "' '" + base + "' </dev/null");
    }

    ScratchDir dir;
};

TEST_F(ZelmOutputs, AFailedRunLeavesTheReportAndDailyFileOfTheLastGoodRun)
{
    const auto good = folderContents(dir);
    ProjectInput wet = analysisProject();
    wet.depthToDrain = 1.0f;
    writeFile(dir / "field.trn", trnText(wet));
    const ProcessResult result = run("field");
    EXPECT_EQ(result.output, " ERROR - THE COMPUTED WATER TABLE DEPTH IS ABOVE GROUND\n");
    EXPECT_EQ(result.exitStatus, 1);
    auto after = folderContents(dir);
    after["field.trn"] = good.at("field.trn");
    EXPECT_EQ(after, good);
}

TEST_F(ZelmOutputs, AFileSizeLimitIsAnErrorThatLeavesNoTemporaryFile)
{
    const auto good = folderContents(dir);
    // The daily file of a year is about 9 kB; dash counts the limit in blocks of 512 bytes.
    const ProcessResult result = run("field", "ulimit -f 4; ");
    EXPECT_EQ(result.output, " ERROR - CANNOT WRITE OUTPUT FILE field.DAY: FILE TOO LARGE\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(folderContents(dir), good);
}

TEST_F(ZelmOutputs, AnOutputNameThatIsNoRegularFileIsRefusedWithoutBlocking)
{
    ASSERT_EQ(mkfifo((dir / "pipe.OTR").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "folder.DAY");
    for (const std::string base : {"pipe", "folder"}) {
        std::filesystem::copy_file(dir / "field.trn", dir / (base + ".trn"));
        const auto before = folderContents(dir);
        const ProcessResult result = run(base);
        const std::string output = base == "pipe" ? "pipe.OTR" : "folder.DAY";
        EXPECT_EQ(result.output, " ERROR - OUTPUT FILE " + output + " IS NOT A REGULAR FILE\n");
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(folderContents(dir), before);
    }
}

TEST_F(ZelmOutputs, NewOutputsGetThePermissionsOfTheUmaskAndNothingElseStays)
{
    for (const auto& [umask, mode] : {std::pair{"022", 0644}, std::pair{"077", 0600}}) {
        EXPECT_EQ(run("field", std::string("umask ") + umask + "; ").output, "");
        for (const char* name : {"field.OTR", "field.DAY"}) {
            struct stat status {};
            ASSERT_EQ(stat((dir / name).c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, mode) << name << " under umask " << umask;
        }
    }
    EXPECT_EQ(folderContents(dir).size(), 3u);
}

}  // namespace
