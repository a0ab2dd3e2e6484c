// A risk project in the whole application: its type (New Risk, Open of ".rsk" in either letter
// case, the Model menu), and Run Uncertainty Model from the view against small fake models and
// the real one: warnings shown in lower case before the report opens, an error that opens
// nothing, Cancel on a model that never ends, and an untitled project that is named first.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "docview/DocTemplate.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"
#include "risk/CRiskOutputView.h"
#include "risk/RiskTestSupport.h"

namespace {

const QString kRealModelDirectory = QFileInfo(QStringLiteral(UNCERTAINTY_BINARY)).absolutePath() + QLatin1Char('/');

QString childProcesses()
{
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(QCoreApplication::applicationPid()));
    if (!children.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(children.readAll()).trimmed();
}

// Clicks Cancel of the run's progress window once it is up.
void cancelTheRunSoon(int delayMs)
{
    QTimer::singleShot(delayMs, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress != nullptr && progress->isVisible())
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
}

}  // namespace

class RiskRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        writeModel(QStringLiteral("warns"),
                   "echo 'WARNING - the reliability asked for was not reached'\n: > \"${1%.*}.UNC\"\n");
        writeModel(QStringLiteral("fails"),
                   "echo 'Input check: the recharge is negative, not an ErrorLess value'\n"
                   ": > \"${1%.*}.UNC\"\n");
        writeModel(QStringLiteral("stuck"), "exec sleep 60\n");
    }

    void init()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        docview::workingFolder().MoveTo(folder.path());
        app = std::make_unique<CZelmViewApp>();
        QVERIFY(app->InitInstance({QStringLiteral("--no-splash")}));
        opened.clear();
    }

    void cleanup()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        docview::setSaveAsPathHandler({});
        docview::setSaveChangesHandler({});
    }

    void newRiskAndOpenMakeARiskView()
    {
        app->GetMainFrame()->RouteCommand(zelm::kNewRisk);
        auto* fresh = qobject_cast<CZELMRiskView*>(app->GetMainFrame()->GetActiveView());
        QVERIFY(fresh != nullptr);
        QCOMPARE(fresh->GetDocument()->GetTitle(), QStringLiteral("ZELMRisk1"));
        QCOMPARE(app->GetMainFrame()->menuBar()->actions().at(1)->text(), QStringLiteral("&Model"));
        QVERIFY(
            app->GetDocManager().FileOpenFilters().contains(QStringLiteral("Risk Analysis Input Files (*.rsk *.RSK)")));

        const QString lower = risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path());
        const QString upper = folder.filePath(QStringLiteral("TERRACE.RSK"));
        QFile::remove(upper);
        QVERIFY(QFile::copy(lower, upper));
        for (const QString& path : {lower, upper}) {
            auto* document = qobject_cast<CZELMRiskDoc*>(app->OpenDocumentFile(path));
            QVERIFY(document != nullptr);
            QCOMPARE(document->GetData().designSpacing, 60.0);
        }
    }

    void aWarningIsShownInLowerCaseAndThenTheReportOpens()
    {
        docview::MessageRecorder messages;
        CZELMRiskView* view = openView(QStringLiteral("terrace-given-design"), folder.filePath("warns/"));
        QVERIFY(docview::workingFolder().MoveTo(folder.filePath(QStringLiteral("stuck"))));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(!view->IsRunning());
        QCOMPARE(messages.messages(),
                 QStringList({QStringLiteral("warning - the reliability asked for was not reached\r\n")}));
        QCOMPARE(opened, QStringList({folder.filePath(QStringLiteral("terrace-given-design.UNC"))}));
        // The model wrote its report in the project's folder; the working folder stayed.
        QVERIFY(QFileInfo::exists(opened.constFirst()));
        QCOMPARE(docview::workingFolder().Path(), QDir(folder.filePath(QStringLiteral("stuck"))).canonicalPath());
    }

    void errorAnywhereInTheOutputOpensNothing()
    {
        docview::MessageRecorder messages;
        openView(QStringLiteral("terrace-given-design"), folder.filePath("fails/"));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages().constFirst().startsWith(
            QStringLiteral("Error detected, project file not opened:\ninput check")));
        QVERIFY(opened.isEmpty());
    }

    void cancelEndsAModelThatNeverStops()
    {
        docview::MessageRecorder messages;
        CZELMRiskView* view = openView(QStringLiteral("terrace-given-design"), folder.filePath("stuck/"));
        QString progressText;
        QTimer::singleShot(100, [&progressText] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<QProgressDialog*>(window)) progressText = progress->labelText();
        });
        cancelTheRunSoon(300);
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QCOMPARE(progressText, CZELMRiskView::kProgressText);
        QVERIFY(!view->IsRunning());
        QCOMPARE(childProcesses(), QString());
        QVERIFY(opened.isEmpty());
        QVERIFY(messages.messages().isEmpty());
    }

    void theTimeLimitStopsAModelThatNeverStops()
    {
        docview::MessageRecorder messages;
        CZELMRiskView* view = openView(QStringLiteral("terrace-given-design"), folder.filePath("stuck/"));
        view->GetRunSession().timeLimitMs = 300;
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QCOMPARE(messages.messages(),
                 QStringList({QStringLiteral("The model did not finish within 0.3 seconds and was stopped.")}));
        QCOMPARE(childProcesses(), QString());
    }

    void anUntitledProjectIsNamedBeforeItRuns()
    {
        docview::MessageRecorder messages;
        QStringList asked;
        const QString path = folder.filePath(QStringLiteral("fresh.rsk"));
        QFile::remove(path);
        docview::setSaveAsPathHandler([&asked, &path](const docview::Document& document) {
            asked.append(document.GetTitle());
            return path;
        });
        app->GetMainFrame()->RouteCommand(zelm::kNewRisk);
        auto* view = qobject_cast<CZELMRiskView*>(app->GetMainFrame()->GetActiveView());
        QVERIFY(view != nullptr);
        follow(view, folder.filePath("warns/"));
        QVERIFY(!view->GetDocument()->IsModified());
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QCOMPARE(asked, QStringList({QStringLiteral("ZELMRisk1")}));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(view->GetDocument()->GetTitle(), path);
        QCOMPARE(opened, QStringList({folder.filePath(QStringLiteral("fresh.UNC"))}));

        // Cancelling the name runs nothing.
        app->GetMainFrame()->RouteCommand(zelm::kNewRisk);
        auto* other = qobject_cast<CZELMRiskView*>(app->GetMainFrame()->GetActiveView());
        follow(other, folder.filePath("warns/"));
        docview::setSaveAsPathHandler([](const docview::Document&) { return QString(); });
        opened.clear();
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(opened.isEmpty());
    }

    void everyRiskExampleRunsWithTheRealModelIntoItsReport_data()
    {
        QTest::addColumn<QString>("example");
        for (const char* name : {"terrace-given-design", "bottomland-reliability-table", "polder-wheat-loss-function"})
            QTest::newRow(name) << name;
    }

    void everyRiskExampleRunsWithTheRealModelIntoItsReport()
    {
        QFETCH(QString, example);
        docview::MessageRecorder messages;
        CZELMRiskView* view = openView(example, kRealModelDirectory);
        // The report opens in its own window, as after a run in the program.
        view->openReport = [this](const QString& path) {
            opened.append(path);
            return app->OpenDocumentFile(path);
        };
        cancelTheRunSoon(30000);  // a hang fails the case instead of the whole program
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(!view->IsRunning());
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
        const QString report = folder.filePath(example + QStringLiteral(".UNC"));
        QCOMPARE(opened, QStringList({report}));
        QVERIFY(QFileInfo(report).size() > 0);
        QVERIFY(!view->GetDocument()->IsModified());
        auto* reportView = qobject_cast<CRiskOutputView*>(app->GetMainFrame()->GetActiveView());
        QVERIFY(reportView != nullptr);
        QCOMPARE(reportView->GetDocument()->GetPathName(), report);
        // Only the range with the reliability table has something to plot.
        QCOMPARE(reportView->findChild<QPushButton*>(QStringLiteral("plotButton"))->isEnabled(),
                 example == QLatin1String("bottomland-reliability-table"));
    }

private:
    void writeModel(const QString& name, const char* body)
    {
        QDir(folder.path()).mkdir(name);
        QFile model(folder.filePath(name + QStringLiteral("/uncertainty")));
        QVERIFY(model.open(QIODevice::WriteOnly));
        model.write(QByteArray("#!/bin/sh\n") + body);
        model.close();
        model.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The view's model comes from `modelFolder`; the reports it would open are kept in `opened`.
    void follow(CZELMRiskView* view, const QString& modelFolder)
    {
        view->GetRiskDocument()->SetExeDirectory(modelFolder);
        view->openReport = [this](const QString& path) -> docview::Document* {
            opened.append(path);
            return nullptr;
        };
    }

    CZELMRiskView* openView(const QString& example, const QString& modelFolder)
    {
        const QString path = risktest::copyExample(example, folder.path());
        auto* document = qobject_cast<CZELMRiskDoc*>(app->OpenDocumentFile(path));
        if (document == nullptr) return nullptr;
        auto* view = qobject_cast<CZELMRiskView*>(document->GetViews().constFirst());
        follow(view, modelFolder);
        return view;
    }

    QTemporaryDir folder;
    std::unique_ptr<CZelmViewApp> app;
    QStringList opened;
};

QTEST_MAIN(RiskRunTest)
#include "RiskRunTest.moc"
