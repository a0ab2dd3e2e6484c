// Writing risk project files: the exact layout, the round trip, the crop name field, the lines that
// describe a project, and saving.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "data/DecimalCommaLocale.h"
#include "data/RiskData.h"
#include "data/RiskFiles.h"
#include "data/SaveFailures.h"
#include "docview/MessageSink.h"

namespace {

class RiskWriteData : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("project.rsk"); }

    RiskData roundTrip(const RiskData& written)
    {
        EXPECT_TRUE(written.WriteData(path()));
        RiskData read;
        EXPECT_TRUE(read.ReadData(path()));
        return read;
    }

    QByteArray cropLine() const
    {
        const QList<QByteArray> lines = linesOf(fileBytes(path()));
        return lines.value(lines.indexOf("# [2]Pipe Type (PLASTIC, CONCRETE, or CLAY)") + 1);
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
};

TEST_F(RiskWriteData, WritesTheProjectLayout)
{
    ASSERT_TRUE(writtenRiskProject().WriteData(path()));
    EXPECT_EQ(fileBytes(path()), fileBytes(riskDataFile("written.rsk")));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskWriteData, ANewProjectReadsBackAsANewProject)
{
    expectSameRiskProject(roundTrip(RiskData()), RiskData());
}

// Reals keep six significant digits; designDepth, written twice, comes back once.
TEST_F(RiskWriteData, ReadingBackGivesTheSameProjectToSixDigits)
{
    RiskData written = writtenRiskProject();
    written.permeability = 1.23456789;
    written.annualBenefits = 987654321.0;
    written.depthRateSlope = -0.000123456789;
    written.designDepth = 1.0 / 3.0;
    written.gravelCost[3] = 2.0 / 3.0;

    RiskData expected = written;
    expected.permeability = 1.23457;
    expected.annualBenefits = 9.87654e+08;
    expected.depthRateSlope = -0.000123457;
    expected.designDepth = 0.333333;
    expected.gravelCost[3] = 0.666667;
    expectSameRiskProject(roundTrip(written), expected);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskWriteData, EveryChoiceOfTheCodesReadsBack)
{
    RiskData written;
    written.units = RiskData::Units::Metric;
    written.reliabilityOption = RiskData::ReliabilityOption::ReliabilityTable;
    using Pipe = RiskData::PipeType;
    using Shape = RiskData::LossFunction;
    for (Pipe pipeType : {Pipe::Plastic, Pipe::Concrete, Pipe::Clay}) {
        for (Shape lossFunction : {Shape::Cubic, Shape::PeakAndDrop, Shape::Dome}) {
            written.pipeType = pipeType;
            written.lossFunction = lossFunction;
            expectSameRiskProject(roundTrip(written), written);
        }
    }
}

// The crop name field is ten characters wide and the pipe type follows it; no name may push the
// pipe type out of its place or turn the line into a comment.
TEST_F(RiskWriteData, CropNameFitsItsField)
{
    struct Case {
        QString name, stored;
        QByteArray line;
    };
    const Case cases[] = {
        {"sugar beets, late", "sugar beet", "sugar beetCONCRETE  "},
        {"  oats  ", "oats", "oats      CONCRETE  "},
        {"#2 wheat", "#2 wheat", " #2 wheat CONCRETE  "},
        {"#1 soybean", "#1 soybea", " #1 soybeaCONCRETE  "},
        {"two\nlines", "two lines", "two lines CONCRETE  "},
        {"abcdefghi jk", "abcdefghi", "abcdefghi CONCRETE  "},
        // The field counts bytes of UTF-8, and a letter of two bytes is never cut in half.
        {QString::fromUtf8("ma\xc3\xafs doux \xc3\xa9t\xc3\xa9"), QString::fromUtf8("ma\xc3\xafs doux"),
         "ma\xc3\xafs douxCONCRETE  "},
        {QString::fromUtf8("caf\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9\xc3\xa9\xc3\xa9"),
         "caf\xc3\xa9\xc3\xa9\xc3\xa9 CONCRETE  "},
    };
    for (const Case& example : cases) {
        RiskData written = writtenRiskProject();
        written.cropName = example.name;
        EXPECT_EQ(RiskData::FittedCropName(example.name), example.stored);
        const RiskData read = roundTrip(written);
        EXPECT_EQ(read.cropName, example.stored);
        EXPECT_EQ(read.pipeType, RiskData::PipeType::Concrete);
        EXPECT_EQ(cropLine(), example.line);
    }
}

// The comment lines above the first data line describe the project: they are its comment, and a
// save writes them back where they stood.
TEST_F(RiskWriteData, TheLinesThatDescribeAProjectAreKeptWhereTheyStand)
{
    for (const char* example : {"terrace-given-design", "bottomland-reliability-table", "polder-wheat-loss-function"}) {
        const QString examplePath = QStringLiteral(ZELM_EXAMPLES_DIR "/") + QLatin1String(example) + ".rsk";
        RiskData project;
        ASSERT_TRUE(project.ReadData(examplePath));
        ASSERT_TRUE(project.WriteData(path()));
        const QList<QByteArray> lines = linesOf(fileBytes(examplePath));
        const qsizetype description = lines.indexOf("#LINE 1:");
        ASSERT_GT(description, 1) << example;
        EXPECT_EQ(linesOf(fileBytes(path())).first(description + 1), lines.first(description + 1)) << example;
    }
    RiskData terrace;
    ASSERT_TRUE(terrace.ReadData(QStringLiteral(ZELM_EXAMPLES_DIR "/terrace-given-design.rsk")));
    EXPECT_TRUE(
        terrace.comment.startsWith("Risk evaluation of one design on the Millbrook river terrace (English "
                                   "units).\nA 40-acre field"));
    EXPECT_TRUE(terrace.comment.endsWith("per acre per year?"));
}

TEST_F(RiskWriteData, AnUnknownPipeTypeIsWrittenAsTheFirst)
{
    RiskData written;
    written.pipeType = static_cast<RiskData::PipeType>(5);
    EXPECT_EQ(roundTrip(written).pipeType, RiskData::PipeType::Plastic);
}

TEST_F(RiskWriteData, ANewFileReplacesTheOldOneWhole)
{
    writeFile(path(), QByteArray(20000, 'x'));
    ASSERT_TRUE(writtenRiskProject().WriteData(path()));
    EXPECT_EQ(fileBytes(path()), fileBytes(riskDataFile("written.rsk")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("project.rsk"));
}

TEST_F(RiskWriteData, FailedSaveLeavesThePreviousFileIntact)
{
    const QByteArray previous = fileBytes(riskDataFile("written.rsk"));
    writeFile(path(), previous);
    RiskData changed = writtenRiskProject();
    changed.cropName = "rice";
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(changed.WriteData(path()));
    }
    EXPECT_EQ(fileBytes(path()), previous);
    EXPECT_EQ(recorder.messages(), QStringList("RiskData::WriteData: Unable to write " + path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("project.rsk"));
}

// A desktop whose locale writes "0,3" must still get "0.3" in the file, and read it back.
TEST_F(RiskWriteData, NumbersIgnoreTheUserLocale)
{
    const DecimalCommaLocale decimalComma;
    if (!decimalComma.isActive()) GTEST_SKIP() << "no locale with a decimal comma available";
    const RiskData read = roundTrip(writtenRiskProject());
    EXPECT_EQ(fileBytes(path()), fileBytes(riskDataFile("written.rsk")));
    expectSameRiskProject(read, writtenRiskProject());
}

TEST_F(RiskWriteData, MissingFolderShowsOneMessageAndWritesNothing)
{
    const QString missing = dir.filePath("no such folder/project.rsk");
    EXPECT_FALSE(writtenRiskProject().WriteData(missing));
    EXPECT_EQ(recorder.messages(), QStringList("RiskData::WriteData: Unable to open " + missing));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
