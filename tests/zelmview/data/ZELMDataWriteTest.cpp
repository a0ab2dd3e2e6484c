// Writing transient project files: the layout, the round trip, the title guard and safe saving.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <string>

#include "data/DecimalCommaLocale.h"
#include "data/ProjectFiles.h"
#include "data/SaveFailures.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

ZELMData smallProject()
{
    ZELMData data;
    data.title = "Drained plot";
    data.metricUnits = ZELMData::Units::Metric;
    data.permeability = 0.25;
    data.maxWaterTable = 0.6;
    data.barrierDistance = 0.000015;
    data.specificYield = 0.05;
    data.drainRadius = 0.1;
    data.depthToDrain = 1.2;
    data.drainSpacing = 20;
    data.awhc = 123456.789;
    data.events = {{3, 1, 2.54}, {11, 30, 0}};
    data.comment = "first line\r\nsecond line";
    return data;
}

class WriteData : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("project.trn"); }

    ZELMData roundTrip(const ZELMData& written)
    {
        EXPECT_TRUE(written.WriteData(path()));
        ZELMData read;
        EXPECT_TRUE(read.ReadData(path()));
        return read;
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
};

TEST_F(WriteData, WritesTheProjectLayoutWithLfLineEnds)
{
    ASSERT_TRUE(smallProject().WriteData(path()));
    EXPECT_EQ(fileBytes(path()), fileBytes(testDataFile("written.trn")));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(WriteData, ReadingBackGivesTheSameProjectToSixDigits)
{
    ZELMData written = smallProject();
    written.inputMode = ZELMData::InputMode::Analysis;
    written.benchBottomland = true;
    written.barrierMode = ZELMData::BarrierMode::OnBarrier;
    written.permeability = 1.23456789;
    written.comment = "one\r\n\r\n  indented three";

    const ZELMData read = roundTrip(written);
    EXPECT_DOUBLE_EQ(read.permeability, 1.23457);
    EXPECT_DOUBLE_EQ(read.awhc, 123457);
    EXPECT_DOUBLE_EQ(read.minWaterTableDepth, 1.2 - 0.6);
    EXPECT_DOUBLE_EQ(read.maxDeepPercolation, 2.54);
    EXPECT_EQ(read.title, written.title);
    EXPECT_EQ(read.comment, written.comment);
    // Everything else comes back as written: writing it again gives the same file.
    const QByteArray first = fileBytes(path());
    EXPECT_TRUE(read.WriteData(path()));
    EXPECT_EQ(fileBytes(path()), first);
}

// The model skips lines starting with "#", "c" or "C" as comments; such a title is written with
// one leading blank so that it stays the title line.
TEST_F(WriteData, TitleThatLooksLikeACommentLineKeepsItsPlace)
{
    for (const QString title : {"Clay loam, 1998", "c-horizon study", "#3 east field"}) {
        ZELMData written = smallProject();
        written.title = title;
        const ZELMData read = roundTrip(written);
        EXPECT_EQ(read.title, title);
        EXPECT_EQ(fileBytes(path()).split('\n')[3], " " + title.toUtf8());
    }
}

TEST_F(WriteData, LineBreakInTheTitleCannotShiftTheFile)
{
    ZELMData written = smallProject();
    written.title = "two\r\nlines";
    const ZELMData read = roundTrip(written);
    EXPECT_EQ(read.title, "two  lines");
    EXPECT_EQ(read.metricUnits, ZELMData::Units::Metric);
}

TEST_F(WriteData, MissingFolderShowsOneMessage)
{
    const QString missing = dir.filePath("no such folder/project.trn");
    EXPECT_FALSE(smallProject().WriteData(missing));
    EXPECT_EQ(recorder.messages(), QStringList("ZELMData::WriteData: Unable to open " + missing));
}

TEST_F(WriteData, FailedSaveLeavesThePreviousFileIntact)
{
    const QByteArray previous = "previous contents\n";
    writeFile(path(), previous);
    {
        const FileSizeLimit limit(100);
        EXPECT_FALSE(smallProject().WriteData(path()));
    }
    EXPECT_EQ(fileBytes(path()), previous);
    EXPECT_EQ(recorder.messages(), QStringList("ZELMData::WriteData: Unable to write " + path()));
}

TEST_F(WriteData, SaveIntoAReadOnlyFolderLeavesThePreviousFileIntact)
{
    const QByteArray previous = "previous contents\n";
    writeFile(path(), previous);
    {
        const WriteProtectedFolder readOnly(dir.path());
        EXPECT_FALSE(smallProject().WriteData(path()));
    }
    EXPECT_EQ(fileBytes(path()), previous);
    EXPECT_EQ(recorder.messages(), QStringList("ZELMData::WriteData: Unable to open " + path()));
}

// A desktop whose locale writes "0,05" must still get "0.05" in the file, and read it back.
TEST_F(WriteData, NumbersIgnoreTheUserLocale)
{
    const DecimalCommaLocale decimalComma;
    if (!decimalComma.isActive()) GTEST_SKIP() << "no locale with a decimal comma available";
    const ZELMData read = roundTrip(smallProject());
    EXPECT_TRUE(fileBytes(path()).contains(" 0.05 "));
    EXPECT_DOUBLE_EQ(read.specificYield, 0.05);
    EXPECT_DOUBLE_EQ(read.events[0].amount, 2.54);
}

}  // namespace
