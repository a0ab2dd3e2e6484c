// Reading risk project files: every field, line ends, the codes and the crop line, the pipe cost
// table, and each message.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/RiskData.h"
#include "data/RiskFiles.h"
#include "docview/MessageSink.h"

namespace {

constexpr int kCropLine = 10;
constexpr int kFirstTableRow = 11;

class RiskReadData : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("project.rsk"); }

    static QList<QByteArray> writtenLines() { return linesOf(fileBytes(riskDataFile("written.rsk"))); }

    // The index in writtenLines of data line `number`, counted from 1 (the table rows are 11 to 17).
    static qsizetype indexOfDataLine(int number)
    {
        const QList<QByteArray> lines = writtenLines();
        for (qsizetype index = 0; index < lines.size(); ++index)
            if (!lines[index].startsWith('#') && --number == 0) return index;
        return -1;
    }

    bool readLines(const QList<QByteArray>& lines, const QByteArray& lineEnd = "\n")
    {
        return readBytes(joinedLines(lines, lineEnd));
    }

    bool readBytes(const QByteArray& bytes)
    {
        writeFile(path(), bytes);
        return data.ReadData(path());
    }

    // The written project with data line `number` replaced by `text`.
    bool readWithDataLine(int number, const QByteArray& text)
    {
        QList<QByteArray> lines = writtenLines();
        lines[indexOfDataLine(number)] = text;
        return readLines(lines);
    }

    // The written project up to, but not including, data line `number`.
    bool readUpToDataLine(int number) { return readLines(writtenLines().mid(0, indexOfDataLine(number))); }

    QTemporaryDir dir;
    RiskData data;
    docview::MessageRecorder recorder;
};

TEST_F(RiskReadData, ReadsEveryFieldOfTheWrittenProject)
{
    ASSERT_TRUE(data.ReadData(riskDataFile("written.rsk")));
    expectSameRiskProject(data, writtenRiskProject());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskReadData, CrLfLinesReadLikeLfLines)
{
    ASSERT_TRUE(readLines(writtenLines(), "\r\n"));
    expectSameRiskProject(data, writtenRiskProject());
}

// A file that ends without a line end loses nothing: the last row of the table is read, and a
// file cut after the crop line keeps its pipe type.
TEST_F(RiskReadData, LastLineWithoutALineEndIsRead)
{
    ASSERT_TRUE(readBytes(joinedLines(writtenLines()).chopped(1)));
    EXPECT_EQ(data.pipeCost[6], 12.5);
    EXPECT_EQ(data.lateralPercent[6], 2);

    data = RiskData();
    ASSERT_TRUE(readBytes(joinedLines(writtenLines().mid(0, indexOfDataLine(kCropLine) + 1)).chopped(1)));
    EXPECT_EQ(data.pipeType, RiskData::PipeType::Concrete);
    EXPECT_EQ(data.cropName, "sweet corn");
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskReadData, RowsTheFileDoesNotHoldKeepTheirValues)
{
    data.pipeCost.fill(7.0);
    data.gravelCost.fill(8.0);
    ASSERT_TRUE(readUpToDataLine(kFirstTableRow));
    EXPECT_EQ(data.pipeCost[0], 7.0);

    QList<QByteArray> lines = writtenLines().mid(0, indexOfDataLine(kFirstTableRow + 2));
    ASSERT_TRUE(readLines(lines));
    EXPECT_EQ(data.pipeCost[1], 2.1);
    EXPECT_EQ(data.pipeCost[2], 7.0);
    EXPECT_EQ(data.gravelCost[6], 8.0);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskReadData, DesignDepthIsTakenFromLineEight)
{
    ASSERT_TRUE(readWithDataLine(7, "123457 8 9.75 0.0 1.8 20"));
    EXPECT_EQ(data.designDepth, 1.2);
    EXPECT_EQ(data.designSpacing, 20);
}

TEST_F(RiskReadData, CodesOtherThanOneReadAsTwoAndAnUnknownLossFunctionIsKept)
{
    data.lossFunction = RiskData::LossFunction::PeakAndDrop;
    ASSERT_TRUE(readWithDataLine(1, "9 0 50 95 2.5"));
    EXPECT_EQ(data.lossFunction, RiskData::LossFunction::PeakAndDrop);
    EXPECT_EQ(data.units, RiskData::Units::Metric);

    ASSERT_TRUE(readWithDataLine(1, "1 7 50 95 2.5"));
    EXPECT_EQ(data.lossFunction, RiskData::LossFunction::Cubic);
    EXPECT_EQ(data.units, RiskData::Units::Metric);

    ASSERT_TRUE(readWithDataLine(2, "0 1 7 -1 1"));
    EXPECT_EQ(data.uncertaintyOption, RiskData::UncertaintyOption::LossFunctionAnalysis);
    EXPECT_EQ(data.evaluation, RiskData::Evaluation::GivenDesign);
    EXPECT_EQ(data.pipeCostType, RiskData::PipeCostType::SizeTable);
    EXPECT_EQ(data.trenchSpeed, RiskData::TrenchSpeed::Variable);
    EXPECT_EQ(data.reliabilityOption, RiskData::ReliabilityOption::GivenReliability);
}

TEST_F(RiskReadData, ValuesAfterTheLastOneReadAreIgnored)
{
    ASSERT_TRUE(readWithDataLine(3, "3.05 0.0095 0.3 0.0024 0.15"));
    ASSERT_TRUE(readWithDataLine(8, "0.3 1.2 any text"));
    EXPECT_EQ(data.permeabilitySD, 0.15);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

// Each field of the crop line is ten characters wide and trimmed; the pipe type must be one of
// the three names as written.
TEST_F(RiskReadData, CropLineHoldsTwoFieldsOfTenCharacters)
{
    ASSERT_TRUE(readWithDataLine(kCropLine, "  rice    CLAY"));
    EXPECT_EQ(data.cropName, "rice");
    EXPECT_EQ(data.pipeType, RiskData::PipeType::Clay);

    ASSERT_TRUE(readWithDataLine(kCropLine, " #1 wheat  PLASTIC   and a remark"));
    EXPECT_EQ(data.cropName, "#1 wheat");
    EXPECT_EQ(data.pipeType, RiskData::PipeType::Plastic);
    EXPECT_TRUE(recorder.messages().isEmpty());

    for (const QByteArray line : {"corn      plastic", "corn     CONCRETE", "corn", "sugar beetsCLAY"}) {
        recorder.clear();
        data.pipeType = RiskData::PipeType::Concrete;
        EXPECT_FALSE(readWithDataLine(kCropLine, line)) << line.constData();
        EXPECT_EQ(
            recorder.messages(),
            QStringList("Parse error reading line 10 (pipe type must be PLASTIC, CONCRETE or CLAY) in " + path()));
        EXPECT_EQ(data.pipeType, RiskData::PipeType::Concrete);
    }
}

TEST_F(RiskReadData, LinesHaveNoLengthLimit)
{
    QList<QByteArray> lines = writtenLines();
    lines.insert(0, "#" + QByteArray(5000, '-'));
    lines[indexOfDataLine(3) + 1] = QByteArray(700, ' ') + "3.05 0.0095 0.3 0.0024 0.15 0.0";
    ASSERT_TRUE(readLines(lines));
    EXPECT_EQ(data.barrierDepth, 3.05);
    EXPECT_EQ(data.pipeCost[6], 12.5);
}

// A line that does not read leaves its fields alone; the lines before it keep what they read.
TEST_F(RiskReadData, AFailingLineStoresNothing)
{
    data.barrierDepth = 99;
    EXPECT_FALSE(readWithDataLine(3, "3.05 0.0095 0.3 nan 0.15"));
    EXPECT_EQ(data.barrierDepth, 99);
    EXPECT_EQ(data.rechargeRate, 0.0);
    EXPECT_EQ(data.reliabilityIncrement, 2.5);
    EXPECT_EQ(data.reliabilityOption, RiskData::ReliabilityOption::ReliabilityTable);
}

TEST_F(RiskReadData, MissingFileShowsTheOpenMessage)
{
    EXPECT_FALSE(data.ReadData(path()));
    EXPECT_EQ(recorder.messages(), QStringList("ReadData: Unable to open ZELM input file " + path()));
}

TEST_F(RiskReadData, EndOfFileBeforeADataLineNamesTheLineWithoutThePath)
{
    for (int number = 1; number <= kCropLine; ++number) {
        recorder.clear();
        EXPECT_FALSE(readUpToDataLine(number));
        EXPECT_EQ(recorder.messages(), QStringList(QStringLiteral("Unexpected EOF at line %1").arg(number)));
    }
    recorder.clear();
    EXPECT_FALSE(readBytes(""));
    EXPECT_EQ(recorder.messages(), QStringList("Unexpected EOF at line 1"));
}

// Each malformed line gives exactly one message that ends in the path.
struct BrokenLine {
    const char* name;
    int dataLine;  // replaced by `text`
    QByteArray text;
    const char* phrase;
};

void PrintTo(const BrokenLine& broken, std::ostream* out)
{
    *out << broken.name;
}

class RiskReadDataMessage : public RiskReadData, public ::testing::WithParamInterface<BrokenLine> {};

TEST_P(RiskReadDataMessage, ShowsOneMessageEndingInThePath)
{
    const BrokenLine& broken = GetParam();
    EXPECT_FALSE(readWithDataLine(broken.dataLine, broken.text));
    ASSERT_EQ(recorder.messages().size(), 1);
    const QString message = recorder.messages().front();
    EXPECT_TRUE(message.endsWith(path()));
    EXPECT_EQ(message.chopped(path().size()), QString::fromLatin1(broken.phrase));
}

INSTANTIATE_TEST_SUITE_P(
    RiskProjectFile, RiskReadDataMessage,
    ::testing::Values(BrokenLine{"Line1", 1, "3 2 50 95", "Parse error reading line 1 in "},
                      BrokenLine{"Line1RealForCode", 1, "3.5 2 50 95 2.5", "Parse error reading line 1 in "},
                      BrokenLine{"Line2", 2, "2 2 2 2 x", "Parse error reading line 2 in "},
                      BrokenLine{"Line3NotANumber", 3, "3.05 0.0095 nan 0.0024 0.15 0.0",
                                 "Parse error reading line 3 in "},
                      BrokenLine{"Line4", 4, "0.3 0.9 0.06 1.65", "Parse error reading line 4 in "},
                      BrokenLine{"Line5", 5, "0.000015 1.5 6.5 0.2 0.8", "Parse error reading line 5 in "},
                      BrokenLine{"Line6Infinite", 6, "10 40 2.5 inf 0.033", "Parse error reading line 6 in "},
                      BrokenLine{"Line7SkippedValueMissing", 7, "123457 8 1.2", "Parse error reading line 7 in "},
                      BrokenLine{"Line8Blank", 8, "", "Parse error reading line 8 in "},
                      BrokenLine{"Line9Overflow", 9, "0.9 0.15 90 5 1e999", "Parse error reading line 9 in "},
                      BrokenLine{"LowerCasePipeType", kCropLine, "corn      clay",
                                 "Parse error reading line 10 (pipe type must be PLASTIC, CONCRETE or CLAY) in "}),
    [](const auto& info) { return std::string(info.param.name); });

// The table's parse message names the line of the file as an editor counts it, comments
// included.
TEST_F(RiskReadData, TableParseMessageGivesTheLineNumberOfTheFile)
{
    EXPECT_FALSE(readWithDataLine(kFirstTableRow + 2, "3.4 0.7"));
    const qsizetype fileLine = indexOfDataLine(kFirstTableRow + 2) + 1;
    EXPECT_EQ(
        recorder.messages(),
        QStringList(
            QStringLiteral("Parse error reading pipe cost table in %1 at line number %2").arg(path()).arg(fileLine)));

    recorder.clear();
    QList<QByteArray> lines = writtenLines();
    lines.insert(indexOfDataLine(kFirstTableRow), "# a remark in the table");
    lines[indexOfDataLine(kFirstTableRow) + 1] = "1.2 0.4";
    EXPECT_FALSE(readLines(lines));
    EXPECT_TRUE(recorder.messages().front().endsWith(QStringLiteral(" at line number %1").arg(fileLine - 1)));

    // A number that is not finite does not read either.
    recorder.clear();
    EXPECT_FALSE(readWithDataLine(kFirstTableRow, "1.2 -nan 40"));
    EXPECT_EQ(recorder.messages(),
              QStringList(QStringLiteral("Parse error reading pipe cost table in %1 at line number %2")
                              .arg(path())
                              .arg(indexOfDataLine(kFirstTableRow) + 1)));
}

TEST_F(RiskReadData, AnEighthTableRowIsRefused)
{
    QList<QByteArray> lines = writtenLines();
    lines.append("15 2 0");
    EXPECT_FALSE(readLines(lines));
    EXPECT_EQ(recorder.messages(),
              QStringList("Error: too many pipe fields.  Only 7 sizes of pipe allowed in file " + path()));
    EXPECT_EQ(data.pipeCost[6], 12.5);

    // A row is parsed before it is counted, so a malformed eighth row is a parse error.
    recorder.clear();
    lines.back() = "15";
    EXPECT_FALSE(readLines(lines));
    EXPECT_TRUE(recorder.messages().front().startsWith("Parse error reading pipe cost table in "));
}

}  // namespace
