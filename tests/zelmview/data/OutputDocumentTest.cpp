// Opening a model report as a document: the report and the project beside it, each failure
// reported while the document still opens, and the seasonal high water table sentence.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/CZELMOutputDoc.h"
#include "data/OutputFiles.h"
#include "docview/MessageSink.h"

namespace {

class OutputDocument : public ::testing::Test {
protected:
    // Runs the example `name` in the temporary folder and returns the report path.
    QString runExample(const QString& name)
    {
        const QString project = dir.filePath(name + ".trn");
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + ".trn", project));
        runModel(dir.path(), name);
        return dir.filePath(name + ".OTR");
    }

    QTemporaryDir dir;
    CZELMOutputDoc document;
    docview::MessageRecorder recorder;
};

TEST_F(OutputDocument, OpensTheReportWithItsProject)
{
    const QString report = runExample("hillcrest-design");
    ASSERT_TRUE(document.OnOpenDocument(report));
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_EQ(document.GetPathName(), report);
    EXPECT_EQ(document.GetInput().events.size(), 10);
    EXPECT_EQ(document.GetOutput().records.size(), 12);
}

TEST_F(OutputDocument, TheSentenceEndsInTheProjectsLengthUnit)
{
    const QRegularExpression sentence(QStringLiteral("^Seasonal High Water Table = \\d+\\.\\d\\d (m|ft)\\.$"));
    for (const auto& [example, unit] : {std::pair{"hillcrest-design", "ft"}, std::pair{"polder-analysis", "m"}}) {
        ASSERT_TRUE(document.OnOpenDocument(runExample(example)));
        const QString text = document.FormatSeasonalHighWaterTable(0);
        const QRegularExpressionMatch match = sentence.match(text);
        ASSERT_TRUE(match.hasMatch()) << text.toStdString();
        EXPECT_EQ(match.captured(1), unit);
        EXPECT_EQ(text.section(' ', 5, 5),
                  QString::number(document.GetOutput().ComputeSeasonalHighWaterTable(0), 'f', 2));
    }
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(OutputDocument, AReportWithoutItsProjectOpensAfterTheMessage)
{
    const QString report = runExample("terrace-on-barrier");
    const QString project = dir.filePath("terrace-on-barrier.trn");
    ASSERT_TRUE(QFile::remove(project));
    EXPECT_TRUE(document.OnOpenDocument(report));
    EXPECT_EQ(recorder.messages(), (QStringList{"ReadData: Unable to open ZELM input file " + project,
                                                "Error reading input from " + project}));
    EXPECT_EQ(document.GetOutput().records.size(), 8);
}

TEST_F(OutputDocument, AMissingReportIsReportedAndTheDocumentStillOpens)
{
    const QString report = runExample("terrace-on-barrier");
    ASSERT_TRUE(QFile::rename(report, dir.filePath("elsewhere.OTR")));
    EXPECT_TRUE(document.OnOpenDocument(report));
    EXPECT_EQ(recorder.messages(), (QStringList{"ReadData: Unable to open ZELM output file " + report,
                                                "Error reading input from " + report}));
    EXPECT_EQ(document.GetInput().events.size(), 6);
}

TEST_F(OutputDocument, FindsAProjectSavedInUpperCase)
{
    const QString report = runExample("terrace-on-barrier");
    ASSERT_TRUE(QFile::rename(dir.filePath("terrace-on-barrier.trn"), dir.filePath("terrace-on-barrier.TRN")));
    EXPECT_TRUE(document.OnOpenDocument(report));
    EXPECT_TRUE(recorder.messages().isEmpty());
    EXPECT_EQ(document.GetInput().events.size(), 6);
}

TEST_F(OutputDocument, ReopeningStartsFromAnEmptyDocument)
{
    ASSERT_TRUE(document.OnOpenDocument(runExample("hillcrest-design")));
    const QString other = dir.filePath("missing.otr");
    EXPECT_TRUE(document.OnOpenDocument(other));
    EXPECT_TRUE(document.GetOutput().records.isEmpty());
    EXPECT_TRUE(document.GetInput().events.isEmpty());
    EXPECT_EQ(document.GetPathName(), other);
}

}  // namespace
