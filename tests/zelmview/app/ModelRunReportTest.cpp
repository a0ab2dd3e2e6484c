// Real runs of the model, followed by the poller, whose report then opens in its window through
// the application: a rerun replaces that window, and a rerun that fails leaves the last report,
// its daily file and its window as they were.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CZelmViewApp.h"
#include "data/ProjectFiles.h"
#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/WorkingFolder.h"
#include "run/ModelRunPoller.h"
#include "run/ModelRunProtocol.h"
#include "run/ModelRunner.h"

class ModelRunReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void aRealRunOpensTheReportAndARerunReplacesItsWindow();
    void aFailedRerunKeepsTheLastReportAndOpensNothing();

private:
    // Runs the real model on `project` and follows the run to its end; false when it failed.
    static bool RunModel(CZelmViewApp& app, const QString& project);
    QTemporaryDir config;
    QTemporaryDir work;
    QString startDirectory;
};

void ModelRunReportTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    startDirectory = docview::workingFolder().Path();
}

void ModelRunReportTest::cleanup()
{
    docview::workingFolder().MoveTo(startDirectory);
}

bool ModelRunReportTest::RunModel(CZelmViewApp& app, const QString& project)
{
    std::optional<zelm::ModelRun> run = zelm::startModelRun(
        zelm::TransientModel(), QFileInfo(QStringLiteral(ZELM_BINARY)).absolutePath() + QLatin1Char('/'), project);
    if (!run) return false;
    ModelRunPoller poller(std::move(*run), [&app](const QString& path) { app.OpenDocumentFile(path); });
    QSignalSpy finished(&poller, &ModelRunPoller::finished);
    return finished.wait(20000) && finished.constFirst().constFirst().toBool();
}

void ModelRunReportTest::aFailedRerunKeepsTheLastReportAndOpensNothing()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance({QStringLiteral("--no-splash")}));
    const QString project = work.filePath(QStringLiteral("hillcrest-design.trn"));
    QFile::remove(project);
    QVERIFY(QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/hillcrest-design.trn"), project));
    QVERIFY(RunModel(app, project));
    const QString report = work.filePath(QStringLiteral("hillcrest-design.OTR"));
    const QString daily = work.filePath(QStringLiteral("hillcrest-design.DAY"));
    const QByteArray lastReport = fileBytes(report), lastDaily = fileBytes(daily);

    // A mistyped specific yield, as a percentage.
    writeFile(project, fileBytes(project).replace(" 0.05 ", " 5 "));
    docview::MessageRecorder messages;
    QVERIFY(!RunModel(app, project));
    QCOMPARE(messages.messages(), QStringList(QStringLiteral("Error detected, project file not opened:\n"
                                                             " error - the specific yield must lie in (0, 1]\r\n")));
    QCOMPARE(fileBytes(report), lastReport);
    QCOMPARE(fileBytes(daily), lastDaily);
    QCOMPARE(app.GetDocManager().FindTemplate(zelm::kTransientOutputType)->GetDocuments().size(), 1);
}

void ModelRunReportTest::aRealRunOpensTheReportAndARerunReplacesItsWindow()
{
    docview::openProfileStore()->clear();
    CZelmViewApp app;
    QVERIFY(app.InitInstance({QStringLiteral("--no-splash")}));
    const QString project = work.filePath(QStringLiteral("terrace-on-barrier.trn"));
    QFile::remove(project);
    QVERIFY(QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/terrace-on-barrier.trn"), project));

    docview::MessageRecorder messages;
    QList<docview::Document*> seen;
    for (int rerun = 0; rerun < 2; ++rerun) {
        const zelm::InputFileParts parts = zelm::splitInputPath(project);
        std::optional<zelm::ModelRun> run = zelm::startModelRun(
            zelm::TransientModel(), QFileInfo(QStringLiteral(ZELM_BINARY)).absolutePath() + QLatin1Char('/'), project);
        QVERIFY(run.has_value());
        ModelRunPoller poller(std::move(*run), [&app](const QString& path) { app.OpenDocumentFile(path); });
        QSignalSpy finished(&poller, &ModelRunPoller::finished);
        QVERIFY(finished.wait(20000));
        QVERIFY(finished.constFirst().constFirst().toBool());
        const auto reports = app.GetDocManager().FindTemplate(zelm::kTransientOutputType)->GetDocuments();
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.constFirst()->GetTitle(), parts.directory + QStringLiteral("terrace-on-barrier.OTR"));
        QVERIFY(!seen.contains(reports.constFirst()));
        seen.append(reports.constFirst());
    }
    QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
}

QTEST_MAIN(ModelRunReportTest)
#include "ModelRunReportTest.moc"
