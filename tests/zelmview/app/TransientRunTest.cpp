// A transient project in the whole application: New and Open of ".trn" files, and Run Transient
// Model from the form with the real model, through to the report window; a model that reports an
// error, and one that never ends, which Cancel Run, the time limit or closing the window stop.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "docview/DocTemplate.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"
#include "output/CZELMOutputView.h"
#include "transient/EditorTestSupport.h"
#include "transient/XEdit.h"

namespace {

const QString kModelDirectory = QFileInfo(QStringLiteral(ZELM_BINARY)).absolutePath() + QLatin1Char('/');

// The children this process has not yet waited for: a stopped run leaves none.
QString childProcesses()
{
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(QCoreApplication::applicationPid()));
    if (!children.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(children.readAll()).trimmed();
}

}  // namespace

class TransientRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        // A model that never ends and never prints.
        QDir(folder.path()).mkdir(QStringLiteral("stuck"));
        QFile stuck(folder.filePath(QStringLiteral("stuck/zelm")));
        QVERIFY(stuck.open(QIODevice::WriteOnly));
        stuck.write("#!/bin/sh\nexec sleep 60\n");
        stuck.close();
        stuck.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        docview::setSaveChangesHandler([](const QString&) { return docview::SaveAnswer::Save; });
    }

    void init()
    {
        docview::workingFolder().MoveTo(folder.path());
        app = std::make_unique<CZelmViewApp>();
        QVERIFY(app->InitInstance({QStringLiteral("--no-splash")}));
    }

    void cleanup()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void newAndOpenMakeATransientForm()
    {
        app->GetMainFrame()->RouteCommand(zelm::kNewTransient);
        auto* fresh = qobject_cast<CZelmViewView*>(app->GetMainFrame()->GetActiveView());
        QVERIFY(fresh != nullptr);
        QCOMPARE(fresh->GetDocument()->GetTitle(), QStringLiteral("Transient1"));
        QVERIFY(app->GetMainFrame()->menuBar()->actions().at(1)->text() == QStringLiteral("&Model"));

        const QString path = editortest::copyExample(QStringLiteral("polder-analysis"), folder.path());
        docview::Document* opened = app->OpenDocumentFile(path);
        QVERIFY(qobject_cast<CZelmViewDoc*>(opened) != nullptr);
        QCOMPARE(opened->GetTitle(), path);
        // The dialog starts on every file of the suite, then offers each kind.
        QCOMPARE(app->GetDocManager().FileOpenFilters().constFirst(),
                 QStringLiteral("All Drainage Files (*.trn *.TRN *.rsk *.RSK *.otr *.OTR *.unc *.UNC)"));
        QCOMPARE(app->GetDocManager().FileOpenFilters().at(1), QStringLiteral("Transient Input Files (*.trn *.TRN)"));
    }

    void everyExampleRunsFromTheFormIntoItsReportWindow_data()
    {
        QTest::addColumn<QString>("example");
        for (const char* name : {"hillcrest-design", "polder-analysis", "terrace-on-barrier"})
            QTest::newRow(name) << name;
    }

    void everyExampleRunsFromTheFormIntoItsReportWindow()
    {
        QFETCH(QString, example);
        docview::MessageRecorder messages;
        CZelmViewView* view = openForm(example);
        // The run moves the working folder to the project's, where the model writes its report.
        QVERIFY(docview::workingFolder().MoveTo(folder.filePath(QStringLiteral("stuck"))));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(view->IsRunning());
        QVERIFY(!view->HandlesCommand(zelm::kRunModel));
        QTRY_VERIFY_WITH_TIMEOUT(!reports().isEmpty(), 10000);
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
        QVERIFY(qobject_cast<CZELMOutputView*>(app->GetMainFrame()->GetActiveView()) != nullptr);
        QCOMPARE(docview::workingFolder().Path(), QDir(folder.path()).canonicalPath());
        QTRY_VERIFY(!view->IsRunning());
        QVERIFY(!view->GetDocument()->IsModified());
    }

    void aModelThatReportsAnErrorOpensNothing()
    {
        docview::MessageRecorder messages;
        CZelmViewView* view = openForm(QStringLiteral("hillcrest-design"));
        auto* specificYield = qobject_cast<XEdit*>(view->GetControl(CZelmViewView::kSpecificYield));
        specificYield->setText(QStringLiteral("0"));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QTRY_VERIFY_WITH_TIMEOUT(!view->IsRunning(), 10000);
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(
            messages.messages().constFirst().startsWith(QStringLiteral("Error detected, project file not opened:\n")));
        QVERIFY(reports().isEmpty());
    }

    void cancelRunStopsAModelThatNeverEnds()
    {
        CZelmViewView* view = openForm(QStringLiteral("hillcrest-design"), QStringLiteral("stuck/"));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(view->IsRunning());
        QVERIFY(!childProcesses().isEmpty());
        QVERIFY(app->GetMainFrame()->GetCommandAction(CZelmViewView::kCancelRunCommand)->isEnabled());
        QVERIFY(!app->GetMainFrame()->GetCommandAction(zelm::kRunModel)->isEnabled());
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);  // a second Run leaves the first alone
        QVERIFY(view->IsRunning());

        app->GetMainFrame()->RouteCommand(CZelmViewView::kCancelRunCommand);
        QVERIFY(!view->IsRunning());
        QCOMPARE(childProcesses(), QString());
        QVERIFY(app->GetMainFrame()->GetCommandAction(zelm::kRunModel)->isEnabled());
        QVERIFY(reports().isEmpty());
    }

    void aRunThatTakesTooLongIsStoppedWithAMessage()
    {
        docview::MessageRecorder messages;
        CZelmViewView* view = openForm(QStringLiteral("hillcrest-design"), QStringLiteral("stuck/"));
        view->GetRunSession().timeLimitMs = 300;
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QTRY_VERIFY_WITH_TIMEOUT(!view->IsRunning(), 5000);
        QCOMPARE(messages.messages(),
                 QStringList({QStringLiteral("The model did not finish within 0.3 seconds and was stopped.")}));
        QCOMPARE(childProcesses(), QString());
    }

    void closingTheFormStopsItsRun()
    {
        CZelmViewView* view = openForm(QStringLiteral("hillcrest-design"), QStringLiteral("stuck/"));
        app->GetMainFrame()->RouteCommand(zelm::kRunModel);
        QVERIFY(view->IsRunning());
        view->GetDocument()->OnCloseDocument();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_COMPARE(childProcesses(), QString());
    }

private:
    QList<docview::Document*> reports() const
    {
        return app->GetDocManager().FindTemplate(zelm::kTransientOutputType)->GetDocuments();
    }

    // Opens a copy of an example; the model is taken from `modelFolder` under the test folder,
    // or the real one when empty.
    CZelmViewView* openForm(const QString& example, const QString& modelFolder = {})
    {
        const QString path = editortest::copyExample(example, folder.path());
        auto* document = qobject_cast<CZelmViewDoc*>(app->OpenDocumentFile(path));
        if (document == nullptr) return nullptr;
        document->SetExeDirectory(modelFolder.isEmpty() ? kModelDirectory : folder.filePath(modelFolder));
        return qobject_cast<CZelmViewView*>(document->GetViews().constFirst());
    }

    QTemporaryDir folder;
    std::unique_ptr<CZelmViewApp> app;
};

QTEST_MAIN(TransientRunTest)
#include "TransientRunTest.moc"
