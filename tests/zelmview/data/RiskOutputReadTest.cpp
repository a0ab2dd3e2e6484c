// Reading the uncertainty model's report back: the fixed design from the last ten characters of
// its lines, the reliability table of nine numbers a row, and each message.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/DecimalCommaLocale.h"
#include "data/RiskFiles.h"
#include "data/RiskOutputData.h"
#include "docview/MessageSink.h"

namespace {

class RiskOutputRead : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("report.unc"); }

    bool readLines(const QList<QByteArray>& lines) { return readBytes(joinedLines(lines)); }

    bool readBytes(const QByteArray& bytes)
    {
        writeFile(path(), bytes);
        return data.ReadData(path());
    }

    static QList<QByteArray> reportLines(const QString& name) { return linesOf(fileBytes(riskReportFile(name))); }

    // The report `name` up to and including the line `count` lines after its line containing
    // `heading`.
    static QList<QByteArray> cutAfterHeading(const QString& name, const QByteArray& heading, int count)
    {
        const QList<QByteArray> lines = reportLines(name);
        for (qsizetype index = 0; index < lines.size(); ++index)
            if (lines[index].contains(heading)) return lines.mid(0, index + 1 + count);
        return {};
    }

    // The rows of reliability-table.unc, without the blank line and the text after them.
    static QList<QByteArray> tableRows()
    {
        const QList<QByteArray> lines = cutAfterHeading("reliability-table.unc", "TABLE OF", 11);
        return lines.mid(lines.size() - 5);
    }

    QTemporaryDir dir;
    RiskOutputData data;
    docview::MessageRecorder recorder;
};

using Values = std::array<double, RiskOutputRangeSpacingItem::kValues>;

TEST_F(RiskOutputRead, TheFixedDesignIsReadFromTheLastTenCharactersOfItsLines)
{
    ASSERT_TRUE(data.ReadData(riskReportFile("fixed-design.unc")));
    EXPECT_EQ(data.path, riskReportFile("fixed-design.unc"));
    EXPECT_TRUE(data.hasFixedDesign);
    EXPECT_EQ(data.fixedDesign.value, (Values{121.81, 40, 4, 92.07, 1, 1.5318, 0.2472, 0, 0}));
    EXPECT_FALSE(data.hasReliabilityTable);
    EXPECT_TRUE(data.reliabilityTable.isEmpty());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

// A number wider than the window is cut to its last ten characters; a window without a number
// at its start gives 0.
TEST_F(RiskOutputRead, AFixedDesignValueIsTheLeadingNumberOfItsWindow)
{
    QList<QByteArray> lines = cutAfterHeading("fixed-design.unc", "FIXED DESIGN", 11);
    lines[lines.size() - 9] = "   Annual cost per acre ....... 1234567.8901234   ";
    lines[lines.size() - 7] = "   Depth (ft) ...................  n/a";
    lines[lines.size() - 6] = "   Reliability .......   1.5e+01\t";
    ASSERT_TRUE(readLines(lines));
    EXPECT_DOUBLE_EQ(data.fixedDesign.value[0], 67.8901234);
    EXPECT_EQ(data.fixedDesign.value[1], 40.0);
    EXPECT_EQ(data.fixedDesign.value[2], 0.0);
    EXPECT_EQ(data.fixedDesign.value[3], 15.0);
}

TEST_F(RiskOutputRead, TheTableHasOneItemPerRowInFileOrder)
{
    ASSERT_TRUE(data.ReadData(riskReportFile("reliability-table.unc")));
    EXPECT_TRUE(data.hasReliabilityTable);
    EXPECT_FALSE(data.hasFixedDesign);
    ASSERT_EQ(data.reliabilityTable.size(), 5);
    EXPECT_EQ(data.reliabilityTable[0].value, (Values{50, 1.2, 1650, 176.34, 30, 52.41, 0.512, 0.331, 333.33}));
    EXPECT_EQ(data.reliabilityTable[4].value, (Values{90, 1.5, 3150.25, 336.49, 17.5, 90.12, 0.812, 0.1733, 571.43}));
    EXPECT_EQ(data.reliabilityTable[2].value[RiskOutputRangeSpacingItem::kTotalCost], 235.61);
    EXPECT_EQ(data.reliabilityTable[3].value[RiskOutputRangeSpacingItem::kSpacing], 22.5);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskOutputRead, NumbersIgnoreTheUserLocale)
{
    const DecimalCommaLocale decimalComma;
    if (!decimalComma.isActive()) GTEST_SKIP() << "no locale with a decimal comma available";
    ASSERT_TRUE(data.ReadData(riskReportFile("reliability-table.unc")));
    EXPECT_EQ(data.reliabilityTable[1].value[1], 1.2);
    ASSERT_TRUE(data.ReadData(riskReportFile("fixed-design.unc")));
    EXPECT_EQ(data.fixedDesign.value[0], 121.81);
}

TEST_F(RiskOutputRead, TwoTablesAppendToOneAndCountTheirRowsTogether)
{
    QList<QByteArray> lines = reportLines("reliability-table.unc");
    const QList<QByteArray> second = cutAfterHeading("reliability-table.unc", "TABLE OF", 8).mid(7);
    lines += second;
    ASSERT_TRUE(readLines(lines));
    ASSERT_EQ(data.reliabilityTable.size(), 7);
    EXPECT_EQ(data.reliabilityTable[5].value, data.reliabilityTable[0].value);

    lines.append("  95.00  1.500  3150.25  336.49  17.500  95.02  0.812  0.1733");
    EXPECT_FALSE(readLines(lines));
    EXPECT_EQ(recorder.messages(), QStringList("Parse error while reading reliability table line 8 in file " + path()));
}

TEST_F(RiskOutputRead, ARowOfEightNumbersIsRefusedWithItsRowNumber)
{
    QList<QByteArray> lines = reportLines("reliability-table.unc");
    const qsizetype thirdRow = lines.indexOf(tableRows()[2]);
    lines[thirdRow] = "     70.00   1.350   2205.75    235.61    25.000    71.88    0.633   0.2511";
    EXPECT_FALSE(readLines(lines));
    EXPECT_EQ(recorder.messages(), QStringList("Parse error while reading reliability table line 3 in file " + path()));
    EXPECT_EQ(data.reliabilityTable.size(), 2);
    EXPECT_TRUE(data.hasReliabilityTable);
}

// The end of the file ends the table, even in the middle of its last row's line.
TEST_F(RiskOutputRead, ATableAtTheEndOfTheFileKeepsAllItsRows)
{
    const QList<QByteArray> lines = cutAfterHeading("reliability-table.unc", "TABLE OF", 11);
    ASSERT_TRUE(readLines(lines));
    EXPECT_EQ(data.reliabilityTable.size(), 5);
    ASSERT_TRUE(readBytes(joinedLines(lines).chopped(1)));
    EXPECT_EQ(data.reliabilityTable.size(), 5);
    EXPECT_EQ(data.reliabilityTable[4].value[8], 571.43);

    // A table that ends right after its header has no rows.
    ASSERT_TRUE(readLines(cutAfterHeading("reliability-table.unc", "TABLE OF", 6)));
    EXPECT_TRUE(data.hasReliabilityTable);
    EXPECT_TRUE(data.reliabilityTable.isEmpty());
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskOutputRead, AReportWithoutEitherSectionReadsWithBothFlagsZero)
{
    for (const QByteArray& text :
         {QByteArray(), QByteArray("No results: an error stopped the run.\n"),
          QByteArray(" results for a fixed design\n table of reliability vs depth and spacing\n")}) {
        ASSERT_TRUE(readBytes(text));
        EXPECT_FALSE(data.hasFixedDesign);
        EXPECT_FALSE(data.hasReliabilityTable);
        EXPECT_TRUE(data.reliabilityTable.isEmpty());
    }
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(RiskOutputRead, ASecondReadStartsFromEmptyResults)
{
    ASSERT_TRUE(data.ReadData(riskReportFile("reliability-table.unc")));
    ASSERT_TRUE(data.ReadData(riskReportFile("fixed-design.unc")));
    EXPECT_FALSE(data.hasReliabilityTable);
    EXPECT_TRUE(data.reliabilityTable.isEmpty());
}

TEST_F(RiskOutputRead, AMissingReportShowsTheOpenMessage)
{
    EXPECT_FALSE(data.ReadData(path()));
    EXPECT_EQ(data.path, path());
    EXPECT_EQ(recorder.messages(), QStringList("ReadData: Unable to open Risk output file " + path()));
}

// A report cut short inside a section gives one message for the line it lacks, then the path.
TEST_F(RiskOutputRead, AReportCutInsideTheFixedDesignNamesWhatIsMissing)
{
    const char* const phrases[] = {
        "Unexpected EOF found skipping '----' after reading \"RESULTS FOR A FIXED DESIGN\" in file ",
        "Unexpected EOF found skipping blank line after reading \"RESULTS FOR A FIXED DESIGN\" in file ",
        "Unexpected EOF found looking for cost per acre in file ",
        "Unexpected EOF found looking for spacing in file ",
        "Unexpected EOF found looking for depth in file ",
        "Unexpected EOF found looking for reliability in file ",
        "Unexpected EOF found looking for critical depth to W.T. in file ",
        "Unexpected EOF found looking for mean depth to W.T. in file ",
        "Unexpected EOF found looking for coefficient of variance of depth to W.T. in file ",
        "Unexpected EOF found looking for Y at critical depth in file ",
        "Unexpected EOF found looking for covariance of Y at critical depth in file ",
    };
    for (int kept = 0; kept < int(std::size(phrases)); ++kept) {
        recorder.clear();
        EXPECT_FALSE(readLines(cutAfterHeading("fixed-design.unc", "FIXED DESIGN", kept)));
        EXPECT_EQ(recorder.messages(), QStringList(phrases[kept] + path()));
        EXPECT_TRUE(data.hasFixedDesign);
    }
}

TEST_F(RiskOutputRead, AReportCutInsideTheTableHeaderNamesWhatIsMissing)
{
    const QString heading = "\"TABLE OF RELIABILITY VS DEPTH AND SPACING\" in file ";
    const QString phrases[] = {
        "Unexpected EOF found while skipping '----' after reading " + heading,
        "Unexpected EOF found while skipping blank line after reading " + heading,
        "Unexpected EOF found while skipping header data after reading " + heading,
        "Unexpected EOF found while skipping header data after reading " + heading,
        "Unexpected EOF found while skipping header data after reading " + heading,
        "Unexpected EOF found while skipping header data after reading " + heading,
    };
    for (int kept = 0; kept < int(std::size(phrases)); ++kept) {
        recorder.clear();
        EXPECT_FALSE(readLines(cutAfterHeading("reliability-table.unc", "TABLE OF", kept)));
        EXPECT_EQ(recorder.messages(), QStringList(phrases[kept] + path()));
    }
}

}  // namespace
