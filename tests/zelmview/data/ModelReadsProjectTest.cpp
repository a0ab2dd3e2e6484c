// The model program reads the project files that the GUI writes. Runs the real `zelm` the way the
// GUI does: base name as the one argument, the project's folder as the working folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "data/ProjectFiles.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

#ifdef ZELM_MODEL_PROGRAM

namespace {

// A design whose largest event raises the water table less than the allowed height.
ZELMData designProject(const QString& title)
{
    ZELMData data;
    data.title = title;
    data.benchBottomland = 1;
    data.permeability = 1.5;
    data.maxWaterTable = 2.5;
    data.barrierDistance = 5.0;
    data.specificYield = 0.05;
    data.drainRadius = 0.25;
    data.depthToDrain = 4.0;
    data.awhc = 7.5;
    data.events = {{1, 15, 0.6}, {3, 12, 1.2}, {4, 18, 1.0}, {11, 8, 0.8}};
    data.comment = "Comment one\r\ncomment two";
    return data;
}

struct ModelRun {
    QByteArray printed;
    QByteArray firstReportLine;
    bool dailyFileWritten = false;
};

ModelRun runModel(const QString& folder, const QString& baseName)
{
    QProcess model;
    model.setProcessChannelMode(QProcess::MergedChannels);
    model.setWorkingDirectory(folder);
    model.start(QStringLiteral(ZELM_MODEL_PROGRAM), {baseName});
    model.closeWriteChannel();
    EXPECT_TRUE(model.waitForFinished(60000));
    const QDir dir(folder);
    return {model.readAll(), fileBytes(dir.filePath(baseName + ".OTR")).split('\n').value(0),
            QFile::exists(dir.filePath(baseName + ".DAY"))};
}

TEST(ModelReadsProject, WrittenProjectRunsWithTheTitleOnTheReport)
{
    docview::MessageRecorder recorder;
    for (const QString title : {"Tile field north", "Clay loam over till", "#5 south plot"}) {
        SCOPED_TRACE(title.toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(designProject(title).WriteData(dir.filePath("PLOT.TRN")));

        const ModelRun run = runModel(dir.path(), "PLOT");
        EXPECT_EQ(run.printed.toStdString(), "");
        EXPECT_TRUE(run.dailyFileWritten);
        // A title that looks like a comment line carries the one blank that keeps it the title.
        EXPECT_TRUE(run.firstReportLine.trimmed().startsWith(title.toUtf8())) << run.firstReportLine.toStdString();
    }
    EXPECT_TRUE(recorder.messages().isEmpty());
}

}  // namespace

#endif
