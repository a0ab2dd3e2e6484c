// The model runner and the run protocol against small fake model programs.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/WorkingFolder.h"
#include "run/ModelRunPoller.h"
#include "run/ModelRunProtocol.h"
#include "run/ModelRunSession.h"
#include "run/ModelRunner.h"

class ModelRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void aModelThatPrintsNothingSucceedsAndTheReportOpens();
    void printingThatNoErrorsWereFoundStillCountsAsAnError();
    void outputArrivesPerTickAndTheWindowKeepsRunning();
    void aModelThatCannotBeStartedSaysCreateProcessFailed();
    void readToEndWaitsForTheModelAndTakesEverything();
    void theModelGetsTheBaseNameAsOneArgumentAndNoInput();
    void splittingTheInputPath();
    void aFolderThatCannotBeEnteredIsReportedAndTheRunGoesOn();
    void aSessionFollowsOneRunToItsReport();
    void aSessionStopsARunPastItsTimeLimitOrOnCancel();
    void aModelEndedBySignalOrExitStatusIsReportedAndNoReportOpens();
    void aRunKeepsTheLastOutputsAndRunsTheModelOnTheInputFileInItsFolder();
    void theUncertaintyModelsWarningsAreShownBeforeItsReportOpens();

private:
    QString WriteScript(const QString& name, const QByteArray& body);
    // Starts `program` and polls it to its end; the reports it tried to open go to `opened`.
    QString RunPolled(const QString& program, QStringList& opened, bool* succeeded = nullptr,
                      const zelm::ModelProgram& model = zelm::TransientModel());
    // A run of `program` as `model` names it, reporting to `report`.
    static zelm::ModelRun Started(const QString& program, const QString& report,
                                  const zelm::ModelProgram& model = zelm::TransientModel());

    QTemporaryDir config;
    QTemporaryDir work;
    QString startDirectory;
};

void ModelRunnerTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    startDirectory = docview::workingFolder().Path();
}

void ModelRunnerTest::cleanup()
{
    docview::workingFolder().MoveTo(startDirectory);
}

QString ModelRunnerTest::WriteScript(const QString& name, const QByteArray& body)
{
    const QString path = work.filePath(name);
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\n" + body);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

zelm::ModelRun ModelRunnerTest::Started(const QString& program, const QString& report, const zelm::ModelProgram& model)
{
    auto runner = std::make_unique<ModelRunner>();
    runner->Start(program, {QStringLiteral("project")});
    return {report, std::move(runner), model};
}

QString ModelRunnerTest::RunPolled(const QString& program, QStringList& opened, bool* succeeded,
                                   const zelm::ModelProgram& model)
{
    ModelRunPoller poller(Started(program, QStringLiteral("project.OTR"), model),
                          [&opened](const QString& path) { opened.append(path); });
    QSignalSpy finished(&poller, &ModelRunPoller::finished);
    if (!finished.wait(10000)) return QStringLiteral("<timed out>");
    if (succeeded != nullptr) *succeeded = finished.constFirst().constFirst().toBool();
    return poller.GetCollectedOutput();
}

void ModelRunnerTest::aModelThatPrintsNothingSucceedsAndTheReportOpens()
{
    docview::MessageRecorder messages;
    QStringList opened;
    bool succeeded = false;
    QCOMPARE(RunPolled(WriteScript(QStringLiteral("silent"), "exit 0\n"), opened, &succeeded), QString());
    QVERIFY(succeeded);
    QCOMPARE(opened, QStringList(QStringLiteral("project.OTR")));
    QVERIFY(messages.messages().isEmpty());
}

void ModelRunnerTest::printingThatNoErrorsWereFoundStillCountsAsAnError()
{
    docview::MessageRecorder messages;
    QStringList opened;
    const QString output = RunPolled(WriteScript(QStringLiteral("cheerful"), "echo 'No Errors found'\n"), opened);
    QCOMPARE(output, QStringLiteral("No Errors found\r\n"));
    QVERIFY(opened.isEmpty());
    QCOMPARE(messages.messages(),
             QStringList(QStringLiteral("Error detected, project file not opened:\nno errors found\r\n")));
}

void ModelRunnerTest::outputArrivesPerTickAndTheWindowKeepsRunning()
{
    // A line split across ticks is stored as two lines; a tick that finds only blanks adds none;
    // meanwhile the event loop keeps turning.
    const QString program = WriteScript(
        QStringLiteral("slow"),
        "printf 'first par'; sleep 0.4; printf 't   \\n'; sleep 0.4; printf '   \\n'; sleep 0.4; echo done\n");
    int otherTicks = 0;
    QTimer other;
    connect(&other, &QTimer::timeout, this, [&otherTicks] { ++otherTicks; });
    other.start(20);
    QElapsedTimer clock;
    clock.start();
    docview::MessageRecorder messages;
    QStringList opened;
    QCOMPARE(RunPolled(program, opened), QStringLiteral("first par\r\nt\r\ndone\r\n"));
    QVERIFY(clock.elapsed() >= 1200);
    QVERIFY2(otherTicks >= 30, qPrintable(QString::number(otherTicks)));
    QCOMPARE(opened.size(), 1);
}

void ModelRunnerTest::aModelThatCannotBeStartedSaysCreateProcessFailed()
{
    docview::MessageRecorder messages;
    QStringList opened;
    bool succeeded = false;
    QCOMPARE(RunPolled(work.filePath(QStringLiteral("no-such-model")), opened, &succeeded), QString());
    QCOMPARE(messages.messages(), QStringList(QStringLiteral("CreateProcess failed")));
    // With nothing printed the run counts as done; opening the missing report then fails there.
    QVERIFY(succeeded);
}

void ModelRunnerTest::readToEndWaitsForTheModelAndTakesEverything()
{
    ModelRunner runner;
    QVERIFY(runner.Start(WriteScript(QStringLiteral("two-lines"), "echo one; sleep 0.2; echo two >&2\n"), {}));
    QString text;
    QVERIFY(!runner.ReadToEnd(text));
    QCOMPARE(text, QStringLiteral("one\ntwo\n"));
    runner.Finish();
}

void ModelRunnerTest::theModelGetsTheBaseNameAsOneArgumentAndNoInput()
{
    // A name with blanks and shell characters arrives as it is; reading input finds its end.
    ModelRunner runner;
    QVERIFY(runner.Start(
        WriteScript(QStringLiteral("echo-args"), "printf '%s|' \"$#\" \"$1\"; read answer; echo \"read=$?\"\n"),
        {QStringLiteral("my farm; rm -rf x")}));
    QString text;
    runner.ReadToEnd(text);
    QCOMPARE(text, QStringLiteral("1|my farm; rm -rf x|read=1\n"));
}

void ModelRunnerTest::splittingTheInputPath()
{
    const zelm::InputFileParts parts = zelm::splitInputPath(QStringLiteral("/data/farm.v2/north.trn"));
    QCOMPARE(parts.directory, QStringLiteral("/data/farm.v2/"));
    QCOMPARE(parts.baseName, QStringLiteral("north"));
    const zelm::InputFileParts bare = zelm::splitInputPath(QStringLiteral("north.trn"));
    QCOMPARE(bare.directory, QString());
    QCOMPARE(bare.baseName, QStringLiteral("north"));
}

void ModelRunnerTest::aFolderThatCannotBeEnteredIsReportedAndTheRunGoesOn()
{
    docview::MessageRecorder messages;
    const QString working = docview::workingFolder().Path() + QLatin1Char('/');
    QCOMPARE(zelm::modelFolder(QString()), working);
    QCOMPARE(zelm::modelFolder(work.filePath(QStringLiteral("gone/"))), working);
    QCOMPARE(messages.messages(),
             QStringList({QStringLiteral("Unable to change to directory "),
                          QStringLiteral("Unable to change to directory ") + work.filePath(QStringLiteral("gone/"))}));
}

void ModelRunnerTest::aSessionFollowsOneRunToItsReport()
{
    docview::MessageRecorder messages;
    ModelRunSession session;
    QSignalSpy running(&session, &ModelRunSession::runningChanged);
    QStringList opened;
    const auto open = [&opened](const QString& path) { opened.append(path); };
    session.Follow(Started(WriteScript(QStringLiteral("brief"), "sleep 0.3\n"), QStringLiteral("first.OTR")), open);
    QVERIFY(session.IsRunning());

    // A second run while one is followed is not taken on.
    session.Follow(Started(WriteScript(QStringLiteral("second"), "exit 0\n"), QStringLiteral("second.OTR")), open);

    QTRY_VERIFY_WITH_TIMEOUT(!session.IsRunning(), 10000);
    QCOMPARE(opened, QStringList(QStringLiteral("first.OTR")));
    QCOMPARE(running.size(), 2);
    QCOMPARE(running.at(0).constFirst().toBool(), true);
    QCOMPARE(running.at(1).constFirst().toBool(), false);
    QVERIFY(messages.messages().isEmpty());
}

void ModelRunnerTest::aSessionStopsARunPastItsTimeLimitOrOnCancel()
{
    docview::MessageRecorder messages;
    const QString sleeper = WriteScript(QStringLiteral("sleeper"), "sleep 30\n");
    QStringList opened;
    const auto open = [&opened](const QString& path) { opened.append(path); };

    ModelRunSession limited;
    limited.timeLimitMs = 300;
    QElapsedTimer clock;
    clock.start();
    limited.Follow(Started(sleeper, QStringLiteral("late.OTR")), open);
    QTRY_VERIFY_WITH_TIMEOUT(!limited.IsRunning(), 10000);
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(messages.messages(),
             QStringList(QStringLiteral("The model did not finish within 0.3 seconds and was stopped.")));

    messages.clear();
    ModelRunSession cancelled;
    cancelled.Follow(Started(sleeper, QStringLiteral("cancelled.OTR")), open);
    clock.restart();
    cancelled.Cancel();
    QVERIFY(!cancelled.IsRunning());
    QVERIFY(clock.elapsed() < 10000);
    QVERIFY(opened.isEmpty());
    QVERIFY(messages.messages().isEmpty());
}

void ModelRunnerTest::aModelEndedBySignalOrExitStatusIsReportedAndNoReportOpens()
{
    struct Case {
        const char* name;
        QByteArray body;
        QString message;
    };
    const QList<Case> cases{
        {"killed", "kill -SEGV $$\n",
         QStringLiteral("The model stopped unexpectedly (zelm was ended by signal 11, Segmentation fault); "
                        "no report was opened.")},
        {"failing", "echo 'cannot go on'; exit 3\n",
         QStringLiteral("The model stopped unexpectedly (zelm ended with exit status 3); no report was opened.\n"
                        "It printed:\ncannot go on\r\n")},
        // A model that names its error is reported by the error rule alone.
        {"erring", "echo ' ERROR - THE SPECIFIC YIELD MUST BE ABOVE 0'; exit 1\n",
         QStringLiteral("Error detected, project file not opened:\n error - the specific yield must be above 0\r\n")},
    };
    for (const Case& failure : cases) {
        docview::MessageRecorder messages;
        QStringList opened;
        bool succeeded = true;
        RunPolled(WriteScript(QString::fromLatin1(failure.name), failure.body), opened, &succeeded);
        QVERIFY2(!succeeded, failure.name);
        QVERIFY2(opened.isEmpty(), failure.name);
        QCOMPARE(messages.messages(), QStringList(failure.message));
    }
}

// The outputs of the last run stay until the model replaces them after a run that succeeded; the
// model gets the input file's own name, after "--" when the name would read as an option.
void ModelRunnerTest::aRunKeepsTheLastOutputsAndRunsTheModelOnTheInputFileInItsFolder()
{
    QTemporaryDir folder;
    const QStringList last{QStringLiteral("north.OTR"), QStringLiteral("north.otr"), QStringLiteral("north.DAY")};
    for (const QString& name : last) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("from the last run\n");
    }
    WriteScript(QStringLiteral("quiet-model"), "pwd -P; printf '%s|' \"$@\"\n");
    const zelm::ModelProgram model{QStringLiteral("quiet-model"), QStringLiteral(".OTR")};
    docview::MessageRecorder messages;
    for (const QString& name : {QStringLiteral("north.trn"), QStringLiteral("-south.TRN")}) {
        std::optional<zelm::ModelRun> run =
            zelm::startModelRun(model, work.path() + QLatin1Char('/'), folder.filePath(name));
        QVERIFY(run.has_value());
        QCOMPARE(run->outputPath, folder.filePath(zelm::splitInputPath(name).baseName + QStringLiteral(".OTR")));
        QString printed;
        run->runner->ReadToEnd(printed);
        run->runner->Finish();
        // The model runs in the project's folder; the program's working folder stays.
        QCOMPARE(printed, QDir(folder.path()).canonicalPath() + QLatin1Char('\n') +
                              (name.startsWith('-') ? QStringLiteral("--|") : QString()) + name + QLatin1Char('|'));
    }
    QCOMPARE(docview::workingFolder().Path(), startDirectory);
    for (const QString& name : last) QVERIFY2(QFileInfo::exists(folder.filePath(name)), qPrintable(name));
    QVERIFY(messages.messages().isEmpty());
}

void ModelRunnerTest::theUncertaintyModelsWarningsAreShownBeforeItsReportOpens()
{
    docview::MessageRecorder messages;
    QStringList opened;
    bool succeeded = false;
    const QString program = WriteScript(QStringLiteral("warning"), "echo ' WARNING - FEW DESIGNS'\n");
    RunPolled(program, opened, &succeeded, zelm::UncertaintyModel());
    QVERIFY(succeeded);
    QCOMPARE(opened, QStringList(QStringLiteral("project.OTR")));
    QCOMPARE(messages.messages(), QStringList(QStringLiteral(" warning - few designs\r\n")));

    // The transient model's warnings stay in its report.
    messages.clear();
    RunPolled(program, opened, &succeeded);
    QVERIFY(succeeded);
    QVERIFY(messages.messages().isEmpty());
}

QTEST_MAIN(ModelRunnerTest)
#include "ModelRunnerTest.moc"
