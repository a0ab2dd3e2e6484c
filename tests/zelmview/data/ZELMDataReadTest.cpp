// Reading transient project files: every field, both line-end conventions, and each message.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/ProjectFiles.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

// Line numbers (from 0) of the sample project.
constexpr int kTitleLine = 3;
constexpr int kProjectLine = 7;
constexpr int kFieldLine = 13;
constexpr int kCountLine = 15;
constexpr int kFirstEventLine = 17;
constexpr int kThirdEventLine = 20;
constexpr int kCommentHeaderLine = 21;

class ReadData : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("project.trn"); }

    // Writes the sample with `line` replaced by `text` and reads it into `data`.
    bool readWithLine(int line, const QByteArray& text)
    {
        QList<QByteArray> lines = sampleLines();
        lines[line] = text;
        return readLines(lines);
    }

    bool readLines(const QList<QByteArray>& lines, const QByteArray& lineEnd = "\n")
    {
        writeFile(path(), joinedLines(lines, lineEnd));
        return data.ReadData(path());
    }

    QTemporaryDir dir;
    ZELMData data;
    docview::MessageRecorder recorder;
};

void expectSampleProject(const ZELMData& data)
{
    EXPECT_EQ(data.title, "Field 12 north, tile study");
    EXPECT_EQ(data.inputMode, ZELMData::InputMode::Analysis);
    EXPECT_EQ(data.metricUnits, ZELMData::Units::English);
    EXPECT_TRUE(data.benchBottomland);
    EXPECT_DOUBLE_EQ(data.permeability, 0.8);
    EXPECT_DOUBLE_EQ(data.maxWaterTable, 2.5);
    EXPECT_DOUBLE_EQ(data.barrierDistance, 6.0);
    EXPECT_DOUBLE_EQ(data.specificYield, 0.05);
    EXPECT_DOUBLE_EQ(data.drainRadius, 0.33);
    EXPECT_DOUBLE_EQ(data.depthToDrain, 4.0);
    EXPECT_DOUBLE_EQ(data.drainSpacing, 60.0);
    EXPECT_DOUBLE_EQ(data.awhc, 1.5);
    EXPECT_EQ(data.barrierMode, ZELMData::BarrierMode::OffBarrier);
    EXPECT_DOUBLE_EQ(data.minWaterTableDepth, 1.5);
    ASSERT_EQ(data.events.size(), 3);
    EXPECT_EQ(data.events[1].month, 5);
    EXPECT_EQ(data.events[1].day, 2);
    EXPECT_DOUBLE_EQ(data.events[1].amount, 0.5);
    EXPECT_DOUBLE_EQ(data.maxDeepPercolation, 2.0);
    // The blank first lines and the outer blanks go; inner line ends become CR LF.
    EXPECT_EQ(data.comment, "Tile installed in 1979.\r\nSecond visit: outlets clear.");
}

TEST_F(ReadData, ReadsEveryFieldOfTheSampleProject)
{
    ASSERT_TRUE(data.ReadData(testDataFile("sample.trn")));
    expectSampleProject(data);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(ReadData, ReadsCrLfLinesLikeLfLines)
{
    ASSERT_TRUE(readLines(sampleLines(), "\r\n"));
    expectSampleProject(data);
}

TEST_F(ReadData, ProjectFlagsAreNonZeroExceptBenchWhichMustBeOne)
{
    ASSERT_TRUE(readWithLine(kProjectLine, "7 -3 2"));
    EXPECT_EQ(data.inputMode, ZELMData::InputMode::Analysis);
    EXPECT_EQ(data.metricUnits, ZELMData::Units::Metric);
    EXPECT_FALSE(data.benchBottomland);
}

TEST_F(ReadData, FieldLineWithEightValuesKeepsTheBarrierMode)
{
    ASSERT_TRUE(readWithLine(kFieldLine, "0.8 2.5 6 0.05 0.33 4 60 1.5"));
    EXPECT_EQ(data.barrierMode, ZELMData::BarrierMode::ByCriterion);
    EXPECT_DOUBLE_EQ(data.awhc, 1.5);

    data.barrierMode = ZELMData::BarrierMode::OnBarrier;
    ASSERT_TRUE(readWithLine(kFieldLine, "0.8 2.5 6 0.05 0.33 4 60 1.5"));
    EXPECT_EQ(data.barrierMode, ZELMData::BarrierMode::OnBarrier);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

// The model takes any barrier mode but 1 and -1 for off the barrier; the project keeps the file's
// number, so saving it changes nothing in the file.
TEST_F(ReadData, ABarrierModeOutsideTheThreeIsWrittenBackAsRead)
{
    ASSERT_TRUE(readWithLine(kFieldLine, "0.8 2.5 6 0.05 0.33 4 60 1.5 13"));
    ASSERT_TRUE(data.WriteData(path()));
    EXPECT_EQ(fileBytes(path()).split('\n').value(kFieldLine), "0.8 2.5 6 0.05 0.33 4 60 1.5 13");
}

TEST_F(ReadData, LineOtherThanStartAfterTheEventsEndsReadingWithTheCommentKept)
{
    QList<QByteArray> lines = sampleLines().mid(0, kCommentHeaderLine + 1);
    lines << "not a comment block"
          << "$start"
          << "ignored"
          << "$end";
    data.comment = "kept";
    ASSERT_TRUE(readLines(lines));
    EXPECT_EQ(data.comment, "kept");
    EXPECT_DOUBLE_EQ(data.maxDeepPercolation, 2.0);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(ReadData, CommentMarkersMayStandAnywhereInTheirLines)
{
    QList<QByteArray> lines = sampleLines().mid(0, kCommentHeaderLine + 1);
    lines << "comments: $start"
          << "#kept as text"
          << "  "
          << "done $end here";
    ASSERT_TRUE(readLines(lines));
    EXPECT_EQ(data.comment, "#kept as text");
}

// Each malformed file gives exactly one message: its phrase followed by the path.
struct BrokenFile {
    const char* name;
    int line;  // replaced by `text`; -1: the file is cut after `keep` lines
    QByteArray text;
    int keep;
    const char* phrase;
};

void PrintTo(const BrokenFile& broken, std::ostream* out)
{
    *out << broken.name;
}

class ReadDataMessage : public ReadData, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(ReadDataMessage, ShowsOneMessageWithThePath)
{
    const BrokenFile& broken = GetParam();
    const bool read =
        broken.line >= 0 ? readWithLine(broken.line, broken.text) : readLines(sampleLines().mid(0, broken.keep));
    EXPECT_FALSE(read);
    EXPECT_EQ(recorder.messages(), QStringList(QString::fromLatin1(broken.phrase) + path()));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, ReadDataMessage,
    ::testing::Values(
        BrokenFile{"EmptyFile", -1, {}, 0, "Parse error reading version number in "},
        BrokenFile{"Version", 1, "two", 0, "Parse error reading version number in "},
        BrokenFile{"ProjectLine", kProjectLine, "1 0", 0, "Parse error reading project data in "},
        BrokenFile{"EndBeforeProjectLine", -1, {}, kProjectLine, "Parse error reading project data in "},
        BrokenFile{"FieldLine", kFieldLine, "0.8 2.5 6 0.05 0.33 4 60", 0, "Parse error reading field data in "},
        BrokenFile{"EventCount", kCountLine, "three", 0, "Parse error reading number of lines of deep perc data in "},
        BrokenFile{"FirstEvent", kFirstEventLine, "4 15", 0, "Parse error reading line 0 of deep perc data in "},
        BrokenFile{"ThirdEvent", kThirdEventLine, "September 30 2", 0,
                   "Parse error reading line 2 of deep perc data in "},
        BrokenFile{"EndAfterTheEvents", -1, {}, kThirdEventLine + 1, "End of file error reading comments in "},
        BrokenFile{"EndAfterCommentHeader", -1, {}, kCommentHeaderLine + 1, "End of file error reading comments in "},
        BrokenFile{"EndInsideTheComment", -1, {}, kCommentHeaderLine + 4, "End of file error reading comments in "},
        // A count that differs from the events the file holds would drop events on the next save.
        BrokenFile{"MoreEventsThanTheCount", kCountLine, "2", 0,
                   "Number of lines of deep perc data does not match the data in "},
        BrokenFile{"FewerEventsThanTheCount", kCountLine, "4", 0, "Parse error reading line 3 of deep perc data in "},
        BrokenFile{"NegativeEventCount", kCountLine, "-1", 0,
                   "Parse error reading number of lines of deep perc data in "},
        // Numbers the model cannot compute with: not finite, or beyond single precision.
        BrokenFile{"NanVersion", 1, "nan", 0, "Parse error reading version number in "},
        BrokenFile{"NanField", kFieldLine, "0.8 nan 6 0.05 0.33 4 60 1.5 0", 0, "Parse error reading field data in "},
        BrokenFile{"InfinityInEightFields", kFieldLine, "0.8 2.5 6 0.05 0.33 4 60 -inf", 0,
                   "Parse error reading field data in "},
        BrokenFile{"FieldBeyondSinglePrecision", kFieldLine, "0.8 2.5 6 0.05 0.33 4 1e39 1.5 0", 0,
                   "Parse error reading field data in "},
        BrokenFile{"InfiniteAmount", kThirdEventLine, "9 30 infinity", 0,
                   "Parse error reading line 2 of deep perc data in "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadData, MissingFileShowsTheOpenMessage)
{
    EXPECT_FALSE(data.ReadData(path()));
    EXPECT_EQ(recorder.messages(), QStringList("ReadData: Unable to open ZELM input file " + path()));
}

}  // namespace
