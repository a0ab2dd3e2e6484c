// Reading the model's report and daily file back: reports written by the real model for the
// examples and for projects of few and many events, the report text, and each failure message.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "data/CZELMOutputDoc.h"
#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

// Report values have two decimals, daily values three.
constexpr double kReportTolerance = 0.0051;
constexpr double kAcrossFilesTolerance = 0.0061;

// The rise of the water table that an event causes: its amount as a length over the specific yield.
double expectedBuildUp(const ZELMData& project, const IrrigationDataElement& event)
{
    const double amountPerLength = project.metricUnits == ZELMData::Units::Metric ? 100.0 : 12.0;
    return event.amount / amountPerLength / project.specificYield;
}

// What every report of the model must read as: one record per period with the build-up of the
// event that ends it, the final height on its own, and a daily row after each build-up that rises
// by the build-up of its record (the last one closes the year).
void expectReadsRun(const QString& reportPath, const ZELMData& project)
{
    docview::MessageRecorder recorder;
    TransientOutputData output;
    ASSERT_TRUE(output.ReadData(reportPath)) << recorder.messages().join('\n').toStdString();
    EXPECT_TRUE(recorder.messages().isEmpty());

    const qsizetype events = project.events.size();
    ASSERT_EQ(output.records.size(), events + 2);
    EXPECT_EQ(output.records[0].buildUp, 0.0);
    for (qsizetype k = 1; k <= events; ++k)
        EXPECT_NEAR(output.records[k].buildUp, expectedBuildUp(project, project.events[k - 1]), kReportTolerance)
            << "record " << k;
    const OutputRecord& last = output.records.back();
    EXPECT_GT(last.startHeight, 0.0);
    EXPECT_EQ(last.time + last.buildUp + last.flowDepth + last.timeFactor + last.heightRatio + last.endHeight, 0.0);

    ASSERT_EQ(output.eventRows.size(), events + 1);
    EXPECT_EQ(output.dailyDay.size(), 366 + events + 1);
    EXPECT_EQ(output.dailyHeight.size(), output.dailyDay.size());
    EXPECT_EQ(output.dailyDepth.size(), output.dailyDay.size());
    for (qsizetype k = 0; k <= events; ++k) {
        const int row = output.eventRows[k];
        EXPECT_EQ(output.dailyDay[row], output.dailyDay[row - 1]);
        if (k < events) {
            EXPECT_NEAR(output.dailyHeight[row] - output.dailyHeight[row - 1], output.records[k].buildUp,
                        kAcrossFilesTolerance)
                << "row " << row;
        }
    }
}

class ModelOutput : public ::testing::Test {
protected:
    // Writes a design project of `events` as NAME.trn, runs the model and returns the report path.
    QString runProject(const QString& name, const QList<IrrigationDataElement>& events)
    {
        writeFile(dir.filePath(name + ".trn"), designProjectText(events));
        const QByteArray printed = runModel(dir.path(), name);
        EXPECT_TRUE(printed.trimmed().isEmpty()) << printed.toStdString();
        return dir.filePath(name + ".OTR");
    }

    ZELMData project(const QString& name)
    {
        ZELMData data;
        EXPECT_TRUE(data.ReadData(dir.filePath(name + ".trn")));
        return data;
    }

    QTemporaryDir dir;
};

TEST_F(ModelOutput, ReadsTheReportOfEveryExample)
{
    const QStringList examples = QDir(QStringLiteral(ZELM_EXAMPLES_DIR)).entryList({QStringLiteral("*.trn")});
    ASSERT_FALSE(examples.isEmpty());
    for (const QString& example : examples) {
        SCOPED_TRACE(example.toStdString());
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + example, dir.filePath(example)));
        const QString name = QFileInfo(example).completeBaseName();
        const QByteArray printed = runModel(dir.path(), name);
        EXPECT_TRUE(printed.trimmed().isEmpty()) << printed.toStdString();
        expectReadsRun(dir.filePath(name + ".OTR"), project(name));
    }
}

TEST_F(ModelOutput, ReadsProjectsOfOneTwoThreeAndManyEvents)
{
    for (const int count : {1, 2, 3, 30, 38}) {
        SCOPED_TRACE(count);
        const QString name = QStringLiteral("events%1").arg(count);
        const QString report = runProject(name, spreadEvents(count));
        expectReadsRun(report, project(name));
    }
}

// The editor adds up to 999 events; the report's event numbers widen past 99 and still read back.
TEST_F(ModelOutput, ReadsAProjectOf150EventsIntoTheOutputDocument)
{
    const QString report = runProject("many", spreadEvents(150));
    expectReadsRun(report, project("many"));

    docview::MessageRecorder recorder;
    CZELMOutputDoc document;
    ASSERT_TRUE(document.OnOpenDocument(report));
    EXPECT_TRUE(recorder.messages().isEmpty()) << recorder.messages().join('\n').toStdString();
    EXPECT_EQ(document.GetInput().events.size(), 150);
    EXPECT_EQ(document.GetOutput().records.size(), 152);
    EXPECT_TRUE(document.FormatSeasonalHighWaterTable(0).startsWith("Seasonal High Water Table = "));
}

TEST_F(ModelOutput, FindsTheDailyFileInEitherLetterCase)
{
    const QString report = runProject("project", spreadEvents(3));
    ASSERT_TRUE(QFile::rename(dir.filePath("project.DAY"), dir.filePath("project.day")));
    expectReadsRun(report, project("project"));
}

TEST_F(ModelOutput, ASecondReadStartsFromEmptyArrays)
{
    const QString report = runProject("project", spreadEvents(3));
    TransientOutputData output;
    ASSERT_TRUE(output.ReadData(report));
    output.ComputeSeasonalHighWaterTable(0);
    ASSERT_TRUE(output.ReadData(report));
    EXPECT_EQ(output.records.size(), 5);
    EXPECT_EQ(output.eventRows.size(), 4);
    EXPECT_EQ(output.dailyDay.size(), 370);
    EXPECT_EQ(output.shwtEvents, (std::array<int, 3>{-1, -1, -1}));
}

TEST_F(ModelOutput, LoadsTheReportTextForDisplayAndAsOneBlock)
{
    const QString report = runProject("project", spreadEvents(2));
    TransientOutputData output;
    ASSERT_TRUE(output.ReadData(report));

    const QByteArray bytes = fileBytes(report);
    EXPECT_EQ(output.LoadReportText(ReportTextMode::Copy), QString::fromUtf8(bytes));

    const QString display = output.LoadReportText(ReportTextMode::Display);
    EXPECT_EQ(display, QString::fromUtf8(bytes)
                           .replace(QRegularExpression(QStringLiteral(" +\n")), QStringLiteral("\n"))
                           .replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    EXPECT_TRUE(display.startsWith("Design of 2 events\r\n\r\nWritten by the test.\r\n"));
}

// The hand-made report of two events and its failing variants.
class ReadFailure : public ::testing::Test {
protected:
    ReadFailure() : lines(fileBytes(outputDataFile("two-events.otr")).split('\n'))
    {
        while (tableStart < lines.size() && !lines[tableStart - 2].contains("EVENT   TIME")) ++tableStart;
    }

    QString reportPath() const { return dir.filePath("report.otr"); }
    QString dailyPath() const { return dir.filePath("report.day"); }

    // Writes the report's first `count` lines (all by default) and the hand-made daily file.
    void writeReport(qsizetype count = -1)
    {
        writeFile(reportPath(), lines.mid(0, count).join('\n'));
        ASSERT_TRUE(copyDataFile("two-events.day", dailyPath()));
    }

    QString message(const char* phrase) const { return QString::fromLatin1(phrase) + reportPath(); }

    // The report's lines; the water-table table (two period lines, then an event line and a period
    // line, then the last event line and the final height) begins at tableStart.
    QList<QByteArray> lines;
    qsizetype tableStart = 2;
    QTemporaryDir dir;
    TransientOutputData output;
    docview::MessageRecorder recorder;
};

TEST_F(ReadFailure, TheHandMadeReportReadsAsWritten)
{
    writeReport();
    ASSERT_TRUE(output.ReadData(reportPath()));
    EXPECT_TRUE(recorder.messages().isEmpty());
    ASSERT_EQ(output.records.size(), 4);
    const OutputRecord& second = output.records[1];
    EXPECT_DOUBLE_EQ(second.time, 98);
    EXPECT_DOUBLE_EQ(second.startHeight, 2.21);
    EXPECT_DOUBLE_EQ(second.flowDepth, 5.98);
    EXPECT_DOUBLE_EQ(second.timeFactor, 0.0257);
    EXPECT_DOUBLE_EQ(second.heightRatio, 0.888);
    EXPECT_DOUBLE_EQ(second.endHeight, 1.96);
    EXPECT_DOUBLE_EQ(second.buildUp, 0.50);
    EXPECT_DOUBLE_EQ(output.records[2].buildUp, 0.67);
    EXPECT_DOUBLE_EQ(output.records[3].startHeight, 2.50);
    EXPECT_EQ(output.eventRows, (QList<int>{2, 4, 6}));
    EXPECT_EQ(output.dailyDay, (QList<int>{1, 3, 3, 5, 5, 7, 7}));
    EXPECT_DOUBLE_EQ(output.dailyHeight[4], 2.6);
    EXPECT_DOUBLE_EQ(output.dailyDepth[4], 1.4);
}

TEST_F(ReadFailure, AFieldOfAsterisksEndsReadingAndKeepsWhatWasRead)
{
    lines[tableStart + 4] = "  2              *****";
    writeReport();
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading output record #2 in output file ")});
    EXPECT_EQ(output.records.size(), 2);
    EXPECT_DOUBLE_EQ(output.records[1].buildUp, 0.50);

    lines[tableStart + 4] = "  2              0.67";
    lines[tableStart + 3] = "          170           *****    6.11    0.0455  0.746    1.84";
    writeReport();
    recorder.clear();
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading output record #2 in output file ")});
}

// The model shows a time factor too large for its field as asterisks; the program only shows that
// column, so the period reads with its time factor "not shown".
TEST_F(ReadFailure, ATimeFactorOfAsterisksReadsAsNotShown)
{
    lines[tableStart] = "           97           2.50    6.13  ********  0.886    2.21";
    lines[tableStart + 3] = "          170           2.46    6.11  ********  0.746    1.84";
    writeReport();
    ASSERT_TRUE(output.ReadData(reportPath()));
    EXPECT_TRUE(recorder.messages().isEmpty());
    ASSERT_EQ(output.records.size(), 4);
    for (const int k : {0, 2}) {
        EXPECT_TRUE(std::isnan(output.records[k].timeFactor)) << k;
        EXPECT_DOUBLE_EQ(output.records[k].flowDepth, k == 0 ? 6.13 : 6.11);
        EXPECT_DOUBLE_EQ(output.records[k].heightRatio, k == 0 ? 0.886 : 0.746);
        EXPECT_DOUBLE_EQ(output.records[k].endHeight, k == 0 ? 2.21 : 1.84);
    }
    EXPECT_DOUBLE_EQ(output.records[1].timeFactor, 0.0257);
    EXPECT_DOUBLE_EQ(output.records[1].buildUp, 0.50);

    // Any other column of asterisks, or a number the model never prints, still ends the read.
    for (const QByteArray& row : {QByteArray("          170           2.46  ******  0.0455  0.746    1.84"),
                                  QByteArray("          170           2.46    6.11  ********  *****    1.84"),
                                  QByteArray("          170            nan    6.11    0.0455  0.746    1.84")}) {
        lines[tableStart + 3] = row;
        writeReport();
        recorder.clear();
        EXPECT_FALSE(output.ReadData(reportPath())) << row.toStdString();
        EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading output record #2 in output file ")});
    }
}

// The title and the comment lines are the user's and may read like the table's header.
TEST_F(ReadFailure, AHeaderInTheCommentLinesIsNoTable)
{
    lines[0] = "EVENT   TIME of the flood";
    lines[2] = " EVENT   TIME     BU      YO     D     KDt/SL2   Y/Y0     Y";
    writeReport();
    ASSERT_TRUE(output.ReadData(reportPath()));
    EXPECT_EQ(output.records.size(), 4);
}

// A run replaces BASE.OTR and BASE.DAY together; a daily file in the other letter case is older.
TEST_F(ReadFailure, TheDailyFileInTheReportsLetterCaseComesFirst)
{
    writeReport();
    const QString upperReport = dir.filePath("report.OTR");
    ASSERT_TRUE(QFile::rename(reportPath(), upperReport));
    ASSERT_TRUE(copyDataFile("two-events.day", dir.filePath("report.DAY")));
    writeFile(dailyPath(), "  1     9.000    9.000\n");
    ASSERT_TRUE(output.ReadData(upperReport));
    EXPECT_EQ(output.dailyDay.size(), 7);
    ASSERT_TRUE(QFile::rename(upperReport, reportPath()));
    ASSERT_TRUE(output.ReadData(reportPath()));
    EXPECT_EQ(output.dailyDay.size(), 1);
}

TEST_F(ReadFailure, AReportWithoutTheTableFailsOnTheInitialValue)
{
    writeReport(tableStart - 2);
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading initial WT value in output file ")});
    EXPECT_TRUE(output.records.isEmpty());
}

TEST_F(ReadFailure, ATableCutShortBeforeTheFinalHeightFails)
{
    writeReport(tableStart + 5);
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading output record #3 in output file ")});
    EXPECT_EQ(output.records.size(), 3);
}

TEST_F(ReadFailure, ABlankLineInTheDailyFileFailsWithItsRowNumber)
{
    writeReport();
    writeFile(dailyPath(), fileBytes(outputDataFile("two-events.day")) + "\n");
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(recorder.messages(), QStringList{message("Parse error reading daily values for row #7 in output file ")});
    EXPECT_EQ(output.records.size(), 4);
    EXPECT_EQ(output.dailyDay.size(), 7);
}

TEST_F(ReadFailure, MissingFilesNameTheReport)
{
    EXPECT_FALSE(output.ReadData(reportPath()));
    EXPECT_EQ(output.LoadReportText(ReportTextMode::Display), QString());
    writeReport();
    QFile::remove(dailyPath());
    EXPECT_FALSE(output.ReadData(reportPath()));
    const QString unableToOpen = message("ReadData: Unable to open ZELM output file ");
    EXPECT_EQ(recorder.messages(), (QStringList{unableToOpen, unableToOpen, unableToOpen}));
}

TEST_F(ReadFailure, TheBlockTextStopsAtItsLimit)
{
    writeFile(reportPath(), QByteArray(TransientOutputData::kMaxBlockBytes + 500, 'x'));
    output.ReadData(reportPath());
    EXPECT_EQ(output.LoadReportText(ReportTextMode::Copy).size(), TransientOutputData::kMaxBlockBytes);
}

}  // namespace
