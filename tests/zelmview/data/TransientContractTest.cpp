// The contract between the programs: a project saved by ZELMData::WriteData runs through the real
// zelm, and its report and daily file read back through TransientOutputData to the very numbers
// printed, for every example and for generated projects of every mode. The model computed in
// process on the same saved file gives the printed texts and numbers to compare with.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "FixedFormat.h"
#include "InputReader.h"
#include "ModelRun.h"
#include "data/GeneratedProjects.h"
#include "data/OutputFiles.h"
#include "data/TransientOutputData.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

// The number a field shows, as the reader converts it; NaN for a field of asterisks.
double shown(double value, int w, int d)
{
    const std::string field = zelm::formatF(value, w, d);
    return field.find('*') == std::string::npos ? std::stod(field) : std::nan("");
}

void expectSame(double read, double printed, const char* what, qsizetype row)
{
    if (std::isnan(printed))
        EXPECT_TRUE(std::isnan(read)) << what << " of record " << row;
    else
        EXPECT_EQ(read, printed) << what << " of record " << row;
}

// Every record and daily row as the model printed it for `run`.
void expectReadsAsPrinted(const TransientOutputData& output, const zelm::Simulation& run)
{
    const zelm::PassResult& pass = *run.lastPass;
    const int N = pass.N();
    ASSERT_EQ(output.records.size(), N);
    const bool onBarrier = run.report.find("Drain ON THE BARRIER") != std::string::npos;
    for (int i = 1; i < N; ++i) {
        const OutputRecord& record = output.records[i - 1];
        EXPECT_EQ(record.time, run.periods.TP[i]) << "time of record " << i;
        const float flowDepth = onBarrier ? pass.YO[i] : pass.YO[i] / 2.0f + pass.de;
        const float ratio = pass.YO[i] == 0.0f ? pass.ratio[i] : pass.Z[i] / pass.YO[i];
        expectSame(record.startHeight, shown(pass.YO[i], 5, 2), "start height", i);
        expectSame(record.flowDepth, shown(flowDepth, 6, 2), "flow depth", i);
        expectSame(record.timeFactor, shown(pass.X[i], 8, 4), "time factor", i);
        expectSame(record.heightRatio, shown(ratio, 5, 3), "height ratio", i);
        expectSame(record.endHeight, shown(pass.Z[i], 5, 2), "end height", i);
        expectSame(record.buildUp, i == 1 ? 0.0 : shown(pass.BU[i + 1], 5, 2), "build-up", i);
    }
    EXPECT_EQ(output.records.back().startHeight, shown(pass.YO[N], 5, 2));

    ASSERT_EQ(output.dailyDay.size(), qsizetype(run.daily.size()));
    for (std::size_t k = 0; k < run.daily.size(); ++k) {
        EXPECT_EQ(output.dailyDay[k], run.daily[k].day) << "daily row " << k;
        EXPECT_EQ(output.dailyHeight[k], shown(run.daily[k].height, 8, 3)) << "daily row " << k;
        EXPECT_EQ(output.dailyDepth[k], shown(run.daily[k].depth, 8, 3)) << "daily row " << k;
    }
}

// Saves `project` as NAME.trn, runs the real model on the file as the program does and checks both
// ends against the model computed in process. Returns whether the run succeeded.
bool checkContract(const ZELMData& project, const QString& folder, const QString& name)
{
    const QString saved = QDir(folder).filePath(name + ".trn");
    EXPECT_TRUE(project.WriteData(saved));
    const QByteArray printed = runModel(folder, name + ".trn");
    const zelm::Simulation run = zelm::simulate(zelm::readProjectFile(QFile::encodeName(saved).toStdString()));
    const QString report = QDir(folder).filePath(name + ".OTR");
    if (run.failed()) {
        EXPECT_EQ(printed.toStdString(),
                  (run.warning.empty() ? "" : ' ' + run.warning + '\n') + ' ' + run.error + '\n');
        EXPECT_FALSE(QFile::exists(report));
        return false;
    }
    EXPECT_EQ(printed.toStdString(), run.warning.empty() ? "" : ' ' + run.warning + '\n');
    EXPECT_EQ(fileBytes(report).toStdString(), run.report);
    EXPECT_EQ(fileBytes(QDir(folder).filePath(name + ".DAY")).toStdString(), run.dailyFile);

    docview::MessageRecorder recorder;
    TransientOutputData output;
    EXPECT_TRUE(output.ReadData(report)) << recorder.messages().join('\n').toStdString();
    EXPECT_TRUE(recorder.messages().isEmpty());
    expectReadsAsPrinted(output, run);
    return true;
}

TEST(TransientContract, EveryExampleReadsBackAsTheModelPrintedIt)
{
    const QStringList examples = QDir(QStringLiteral(ZELM_EXAMPLES_DIR)).entryList({QStringLiteral("*.trn")});
    ASSERT_FALSE(examples.isEmpty());
    QTemporaryDir dir;
    for (const QString& example : examples) {
        SCOPED_TRACE(example.toStdString());
        ZELMData project;
        ASSERT_TRUE(project.ReadData(QStringLiteral(ZELM_EXAMPLES_DIR "/") + example));
        EXPECT_TRUE(checkContract(project, dir.path(), QFileInfo(example).completeBaseName()));
    }
}

TEST(TransientContract, GeneratedProjectsReadBackAsTheModelPrintedThem)
{
    std::mt19937 random(20);
    QTemporaryDir dir;
    int succeeded = 0;
    constexpr int kProjects = 36;
    for (int number = 0; number < kProjects; ++number) {
        SCOPED_TRACE(number);
        succeeded +=
            checkContract(generatedTransientProject(random, number), dir.path(), QStringLiteral("p%1").arg(number));
    }
    EXPECT_GE(succeeded, kProjects * 2 / 3);
}

// K 10 ft/day at a spacing of 5 ft over a specific yield of 0.02: time factors of thousands.
TEST(TransientContract, TimeFactorsBeyondTheirFieldReadAsNotShown)
{
    QTemporaryDir dir;
    ZELMData project;
    ASSERT_TRUE(project.ReadData(QStringLiteral(ZELM_EXAMPLES_DIR "/hillcrest-design.trn")));
    project.inputMode = ZELMData::InputMode::Analysis;
    project.permeability = 10.0;
    project.drainSpacing = 5.0;
    project.specificYield = 0.02;
    project.depthToDrain = 8.0;
    for (IrrigationDataElement& event : project.events) event.amount /= 8.0;
    ASSERT_TRUE(checkContract(project, dir.path(), QStringLiteral("steep")));
    EXPECT_TRUE(fileBytes(dir.filePath("steep.OTR")).contains("********"));
}

}  // namespace
