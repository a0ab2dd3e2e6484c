// Saving a file so that the previous one survives every failure: a write cut short by a full
// disk, a folder that cannot take the file, a writer that gives up; one message names the file.
#include <gtest/gtest.h>

#include <QDir>
#include <QIODevice>
#include <QTemporaryDir>

#include "data/ProjectFiles.h"
#include "data/SaveFailures.h"
#include "docview/AtomicSave.h"
#include "docview/MessageSink.h"

namespace {

const QString kPrefix = QStringLiteral("Chart::Save: ");

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override { writeFile(path(), previous); }

    QString path() const { return dir.filePath("saved.txt"); }
    void expectPreviousFileAndMessage(const QString& phrase)
    {
        EXPECT_EQ(fileBytes(path()), previous);
        EXPECT_EQ(recorder.messages(), QStringList(kPrefix + phrase + path()));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("saved.txt"));  // no temporary left
    }

    const QByteArray previous = "the previous contents\n";
    QTemporaryDir dir;
    docview::MessageRecorder recorder;
};

TEST_F(AtomicSave, ReplacesTheFileWithBytesTextOrWhatAWriterWrites)
{
    EXPECT_TRUE(saveAtomically(path(), QByteArray("bytes\n"), kPrefix));
    EXPECT_EQ(fileBytes(path()), "bytes\n");
    EXPECT_TRUE(saveTextAtomically(path(), QStringLiteral("Größe\n"), kPrefix));
    EXPECT_EQ(fileBytes(path()),
              "Gr\xc3\xb6\xc3\x9f"
              "e\n");
    EXPECT_TRUE(saveAtomically(
        path(), [](QIODevice& device) { return device.write("one ") == 4 && device.write("two") == 3; }));
    EXPECT_EQ(fileBytes(path()), "one two");
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(AtomicSave, AWriteCutShortLeavesThePreviousFile)
{
    const QByteArray large(64 * 1024, 'x');
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(saveAtomically(path(), large, kPrefix));
    }
    expectPreviousFileAndMessage("Unable to write ");
}

// A writer that ignores the result of its writes is still caught.
TEST_F(AtomicSave, AWriterThatIgnoresItsFailedWritesIsCaught)
{
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(saveAtomically(
            path(),
            [](QIODevice& device) {
                for (int i = 0; i < 100; ++i) device.write(QByteArray(1000, 'y'));
                return true;
            },
            kPrefix));
    }
    expectPreviousFileAndMessage("Unable to write ");
}

TEST_F(AtomicSave, AWriterThatFailsLeavesThePreviousFile)
{
    EXPECT_FALSE(saveAtomically(
        path(), [](QIODevice& device) { return device.write("half") < 0; }, kPrefix));
    expectPreviousFileAndMessage("Unable to write ");
}

TEST_F(AtomicSave, AFolderThatCannotTakeTheFileLeavesThePreviousFile)
{
    {
        const WriteProtectedFolder readOnly(dir.path());
        EXPECT_FALSE(saveAtomically(path(), QByteArray("new\n"), kPrefix));
    }
    expectPreviousFileAndMessage("Unable to open ");
}

TEST_F(AtomicSave, AMissingFolderIsNamed)
{
    const QString missing = dir.filePath("no folder/saved.txt");
    EXPECT_FALSE(saveAtomically(missing, QByteArray("new\n")));
    EXPECT_EQ(recorder.messages(), QStringList("Unable to open " + missing));
}

}  // namespace
