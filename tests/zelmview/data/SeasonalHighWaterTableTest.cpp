// The seasonal high water table on hand-made daily files whose answers are worked out below, and
// on the output of the real model.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"

namespace {

constexpr double kTolerance = 1e-12;

class SeasonalHighWaterTable : public ::testing::Test {
protected:
    // Reads the hand-made report of two events with the daily file `dailyName` beside it.
    void readDailyFile(const QString& dailyName)
    {
        const QString report = dir.filePath("case.otr");
        ASSERT_TRUE(copyDataFile("two-events.otr", report));
        ASSERT_TRUE(copyDataFile(dailyName, dir.filePath("case.day")));
        ASSERT_TRUE(output.ReadData(report));
    }

    QTemporaryDir dir;
    TransientOutputData output;
    docview::MessageRecorder recorder;
};

// Post-build-up rows 2, 5, 8 and 11 at depths 1.5, 1.2, 1.5 and 1.1: the last event is the
// shallowest, and of the two at 1.5 the earlier one ranks first.
TEST_F(SeasonalHighWaterTable, ChoosesTheShallowestEarlierFirstAndWrapsTheLastEvent)
{
    readDailyFile("ties-and-wrap.day");
    ASSERT_EQ(output.eventRows, (QList<int>{2, 5, 8, 11}));

    // Rows 10 and 0 (wrapped), 4 and 5, 1 and 2.
    EXPECT_NEAR(output.ComputeSeasonalHighWaterTable(0), (2.3 + 2.0 + 2.4 + 1.2 + 2.5 + 1.5) / 6, kTolerance);
    EXPECT_EQ(output.shwtEvents, (std::array<int, 3>{3, 1, 0}));

    // One row further out: rows 9 and 1 (wrapped), 3 and 6, 0 and 3.
    EXPECT_NEAR(output.ComputeSeasonalHighWaterTable(1), (1.9 + 2.5 + 1.8 + 1.6 + 2.0 + 1.8) / 6, kTolerance);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(SeasonalHighWaterTable, AnOffsetOutsideTheDailyRowsThrowsAndKeepsTheChoice)
{
    readDailyFile("ties-and-wrap.day");
    output.ComputeSeasonalHighWaterTable(0);
    // Row 2 - 2 - 1 lies before the first row, the wrapped row -1 too, and row 11 + 8 - 1 after
    // the last.
    for (const int offset : {2, -1, -8}) {
        EXPECT_THROW(output.ComputeSeasonalHighWaterTable(offset), std::invalid_argument) << offset;
        EXPECT_EQ(output.shwtEvents, (std::array<int, 3>{3, 1, 0}));
    }
}

// A year of two events: period 2 (no build-up, depth 2.6 on both rows) competes with the events
// at 1.4 and, last, 1.9.
TEST_F(SeasonalHighWaterTable, AYearOfTwoEventsHasThreeBuildUps)
{
    readDailyFile("two-events.day");
    EXPECT_NEAR(output.ComputeSeasonalHighWaterTable(0), (2.9 + 1.4 + 2.2 + 2.0 + 2.6 + 2.6) / 6, kTolerance);
    EXPECT_EQ(output.shwtEvents, (std::array<int, 3>{1, 2, 0}));
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST_F(SeasonalHighWaterTable, FewerThanThreeBuildUpsGiveZeroAfterTheMessage)
{
    readDailyFile("two-build-ups.day");
    EXPECT_EQ(output.ComputeSeasonalHighWaterTable(0), 0.0);
    EXPECT_EQ(recorder.messages(), QStringList{"Can't compute SHWT without at least three deep percolation events."});
    EXPECT_EQ(output.shwtEvents, (std::array<int, 3>{-1, -1, -1}));
}

TEST_F(SeasonalHighWaterTable, AModelRunOfTwoEventsHasOne)
{
    writeFile(dir.filePath("project.trn"), designProjectText(spreadEvents(2)));
    runModel(dir.path(), "project");
    ASSERT_TRUE(output.ReadData(dir.filePath("project.OTR")));
    // The design keeps the water table at most 2.5 ft above the drain, 4 ft deep.
    const double shwt = output.ComputeSeasonalHighWaterTable(0);
    EXPECT_GE(shwt, 4.0 - 2.5 - 0.001);
    EXPECT_LT(shwt, 4.0);
    EXPECT_TRUE(recorder.messages().isEmpty());
}

}  // namespace
