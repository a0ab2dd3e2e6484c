// Opening an uncertainty report as a document with the risk project beside it, and the report's
// text for its window and for the word processor.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/CRiskOutputDoc.h"
#include "data/RiskFiles.h"
#include "docview/MessageSink.h"

namespace {

class RiskOutputDocument : public ::testing::Test {
protected:
    // Copies the report `name` into the temporary folder as base.unc, with the written project
    // beside it as base.`projectExtension` (none when empty); returns the report's path.
    QString placeReport(const QString& name, const QString& projectExtension = "rsk")
    {
        const QString report = dir.filePath("base.unc");
        EXPECT_TRUE(QFile::copy(riskReportFile(name), report));
        if (!projectExtension.isEmpty()) {
            EXPECT_TRUE(QFile::copy(riskDataFile("written.rsk"), dir.filePath("base." + projectExtension)));
        }
        return report;
    }

    QTemporaryDir dir;
    CRiskOutputDoc document;
    docview::MessageRecorder recorder;
};

TEST_F(RiskOutputDocument, OpensTheReportWithItsProject)
{
    const QString report = placeReport("reliability-table.unc");
    ASSERT_TRUE(document.OnOpenDocument(report));
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_EQ(document.GetPathName(), report);
    EXPECT_EQ(document.GetInput().units, RiskData::Units::Metric);
    EXPECT_EQ(document.GetInput().cropName, "sweet corn");
    EXPECT_EQ(document.GetOutput().reliabilityTable.size(), 5);
}

TEST_F(RiskOutputDocument, FindsAProjectSavedInUpperCase)
{
    ASSERT_TRUE(document.OnOpenDocument(placeReport("fixed-design.unc", "RSK")));
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_EQ(document.GetInput().units, RiskData::Units::Metric);
}

TEST_F(RiskOutputDocument, AReportWithoutItsProjectOpensAfterTheMessagesWithDefaultUnits)
{
    const QString report = placeReport("fixed-design.unc", "");
    const QString project = dir.filePath("base.rsk");
    EXPECT_TRUE(document.OnOpenDocument(report));
    EXPECT_EQ(recorder.messages(), (QStringList{"ReadData: Unable to open ZELM input file " + project,
                                                "Error reading input from " + project}));
    EXPECT_EQ(document.GetInput().units, RiskData::Units::English);
    EXPECT_TRUE(document.GetOutput().hasFixedDesign);
}

TEST_F(RiskOutputDocument, AReportThatCannotBeReadDoesNotOpen)
{
    const QString report = placeReport("reliability-table.unc");
    writeFile(report, "TABLE OF RELIABILITY VS DEPTH AND SPACING\n-----\n");
    EXPECT_FALSE(document.OnOpenDocument(report));
    EXPECT_EQ(recorder.messages().size(), 1);

    recorder.clear();
    const QString missing = dir.filePath("missing.unc");
    EXPECT_FALSE(document.OnOpenDocument(missing));
    EXPECT_EQ(recorder.messages().back(), "ReadData: Unable to open Risk output file " + missing);
}

TEST_F(RiskOutputDocument, ReopeningStartsFromAnEmptyDocument)
{
    ASSERT_TRUE(document.OnOpenDocument(placeReport("reliability-table.unc")));
    const QString other = dir.filePath("other.unc");
    writeFile(other, "No sections here.\n");
    EXPECT_TRUE(document.OnOpenDocument(other));
    EXPECT_EQ(document.GetInput().units, RiskData::Units::English);
    EXPECT_TRUE(document.GetOutput().reliabilityTable.isEmpty());
    EXPECT_FALSE(document.GetOutput().hasReliabilityTable);
}

TEST_F(RiskOutputDocument, DisplayTextHasNoTrailingSpaceAndCrLfLineEnds)
{
    const QString report = placeReport("fixed-design.unc");
    ASSERT_TRUE(document.OnOpenDocument(report));
    writeFile(report, "RESULTS  \r\n\tcost .... 121.81\t \n\nlast line without end   ");
    EXPECT_EQ(document.LoadOutputText(ReportTextMode::Display),
              "RESULTS\r\n\tcost .... 121.81\r\n\r\nlast line without end\r\n");
    EXPECT_EQ(document.LoadOutputText(ReportTextMode::Copy),
              "RESULTS  \r\n\tcost .... 121.81\t \n\nlast line without end   ");
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskOutputDocument, CopyTextStopsAtTheLimit)
{
    const QString report = placeReport("fixed-design.unc");
    ASSERT_TRUE(document.OnOpenDocument(report));
    const QByteArray line = QByteArray(79, 'x') + '\n';
    writeFile(report, line.repeated(2000));
    const QString copy = document.LoadOutputText(ReportTextMode::Copy);
    EXPECT_EQ(copy.size(), CRiskOutputDoc::kMaxCopyCharacters);
    EXPECT_EQ(copy, QString::fromLatin1(line.repeated(1250)));
    EXPECT_EQ(document.LoadOutputText(ReportTextMode::Display).size(), 2000 * 81);

    // A character cut by the limit is left out rather than shown broken.
    writeFile(report, QByteArray(CRiskOutputDoc::kMaxCopyCharacters - 1, 'x') + "\xc3\xa9");
    EXPECT_EQ(document.LoadOutputText(ReportTextMode::Copy), QString(CRiskOutputDoc::kMaxCopyCharacters - 1, 'x'));
}

TEST_F(RiskOutputDocument, AReportThatHasGoneGivesTheMessageAndNoText)
{
    const QString report = placeReport("fixed-design.unc");
    ASSERT_TRUE(document.OnOpenDocument(report));
    ASSERT_TRUE(QFile::remove(report));
    for (const ReportTextMode mode : {ReportTextMode::Display, ReportTextMode::Copy}) {
        recorder.clear();
        EXPECT_TRUE(document.LoadOutputText(mode).isEmpty());
        EXPECT_EQ(recorder.messages(), QStringList("ReadData: Unable to open ZELM output file " + report));
    }
}

}  // namespace
