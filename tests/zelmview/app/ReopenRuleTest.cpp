// Opening by path: a report that is already open is closed and shown afresh, so a model rerun
// replaces its window; a path that is only part of another open report's path closes that one
// too; every document opened by path carries the path as its title; recent files reopen.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/WorkingFolder.h"
#include "forms/ReportView.h"
#include "output/TestReports.h"

using docview::Document;

class ReopenRuleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reopeningAReportClosesTheOldWindowAndShowsAFreshOne();
    void aRerunAsksBeforeNotesTypedIntoTheReportAreThrownAway();
    void aPathThatIsPartOfAnOpenReportsPathClosesThatReport();
    void aReportThatCannotBeOpenedLeavesTheOthersAlone();
    void recentFilesReopenAReport();
    void filesDroppedOnTheMainWindowOpen();

private:
    QList<QMdiSubWindow*> frames() const { return app->GetMainFrame()->GetMdiArea()->subWindowList(); }
    QList<Document*> reports() const
    {
        return app->GetDocManager().FindTemplate(zelm::kTransientOutputType)->GetDocuments();
    }

    QTemporaryDir config;
    QTemporaryDir work;
    QString startDirectory;
    QString firstReport;
    QString secondReport;
    std::unique_ptr<CZelmViewApp> app;
};

void ReopenRuleTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    startDirectory = docview::workingFolder().Path();
    QDir(work.path()).mkpath(QStringLiteral("other"));
    firstReport = testreports::RunExample(QStringLiteral("hillcrest-design"), work.path());
    secondReport = testreports::RunExample(QStringLiteral("hillcrest-design"), work.filePath(QStringLiteral("other")));
    QVERIFY(!firstReport.isEmpty() && !secondReport.isEmpty());
}

void ReopenRuleTest::init()
{
    docview::openProfileStore()->clear();
    app = std::make_unique<CZelmViewApp>();
    QVERIFY(app->InitInstance({QStringLiteral("--no-splash")}));
}

void ReopenRuleTest::cleanup()
{
    app.reset();
    docview::workingFolder().MoveTo(startDirectory);
}

void ReopenRuleTest::reopeningAReportClosesTheOldWindowAndShowsAFreshOne()
{
    QPointer<Document> first = app->OpenDocumentFile(firstReport);
    QVERIFY(first);
    QCOMPARE(first->GetTitle(), firstReport);
    QPointer<QMdiSubWindow> firstFrame = frames().value(0);
    // The frame shows the file's name before its folder.
    QCOMPARE(firstFrame->windowTitle(), QFileInfo(firstReport).fileName() + QStringLiteral(" - ") + work.path());

    QPointer<Document> again = app->OpenDocumentFile(firstReport);
    QVERIFY(again && again != first);
    QCOMPARE(reports(), QList<Document*>{again.data()});
    QTRY_VERIFY(firstFrame.isNull());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(frames().size(), 1);
    QVERIFY(frames().constFirst()->isVisible());
    QCOMPARE(again->GetTitle(), firstReport);
}

void ReopenRuleTest::aRerunAsksBeforeNotesTypedIntoTheReportAreThrownAway()
{
    docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
    QPointer<Document> first = app->OpenDocumentFile(firstReport);
    QVERIFY(first);
    auto* view = qobject_cast<forms::ReportView*>(first->GetViews().constFirst());
    QVERIFY(view != nullptr);
    auto* box = static_cast<QPlainTextEdit*>(view->GetControl(forms::ReportView::kReportEdit));
    QTest::keyClicks(box, QStringLiteral("drains checked in March"));
    int asked = 0;
    view->askAboutTypedText = [&asked] {
        ++asked;
        return docview::SaveAnswer::Cancel;
    };
    // The user keeps the notes: the old window stays, with them, and the status bar says how to
    // see the new report.
    QCOMPARE(app->OpenDocumentFile(firstReport), first.data());
    QCOMPARE(asked, 1);
    QCOMPARE(reports(), QList<Document*>{first.data()});
    QVERIFY(!first->IsClosing());
    QVERIFY(box->toPlainText().contains(QStringLiteral("drains checked in March")));
    QCOMPARE(notes.messages().size(), 1);
    QVERIFY(notes.messages().constFirst().contains(firstReport));

    // The user lets them go: the window is replaced.
    view->askAboutTypedText = [&asked] {
        ++asked;
        return docview::SaveAnswer::Discard;
    };
    Document* again = app->OpenDocumentFile(firstReport);
    QCOMPARE(asked, 2);
    QVERIFY(again != nullptr);
    QTRY_VERIFY(first.isNull());
    QCOMPARE(reports(), QList<Document*>{again});
}

void ReopenRuleTest::aPathThatIsPartOfAnOpenReportsPathClosesThatReport()
{
    Document* first = app->OpenDocumentFile(firstReport);
    QVERIFY(first != nullptr);
    // The bare name, opened in the other folder, is part of the first report's full path.
    docview::workingFolder().MoveTo(work.filePath(QStringLiteral("other")));
    Document* second = app->OpenDocumentFile(QStringLiteral("hillcrest-design.OTR"));
    QVERIFY(second != nullptr);
    QCOMPARE(reports(), QList<Document*>{second});
    QCOMPARE(second->GetPathName(), secondReport);
    QCOMPARE(second->GetTitle(), QStringLiteral("hillcrest-design.OTR"));
}

void ReopenRuleTest::aReportThatCannotBeOpenedLeavesTheOthersAlone()
{
    docview::MessageRecorder messages;
    Document* first = app->OpenDocumentFile(firstReport);
    QCOMPARE(app->OpenDocumentFile(work.filePath(QStringLiteral("missing.OTR"))), nullptr);
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(reports(), QList<Document*>{first});
    // An empty path is no part of anything: it must not close what is open.
    QCOMPARE(app->OpenDocumentFile(QString()), nullptr);
    QCOMPARE(reports(), QList<Document*>{first});
}

void ReopenRuleTest::recentFilesReopenAReport()
{
    app->OpenDocumentFile(firstReport);
    app->GetMainFrame()->GetCommandAction(docview::kFileClose)->trigger();
    QTRY_VERIFY(reports().isEmpty());
    QCOMPARE(app->GetDocManager().GetRecentFiles().GetFiles(), QStringList(firstReport));
    app->GetMainFrame()->RouteCommand(docview::kFileMruFirst);
    QCOMPARE(reports().size(), 1);
    QCOMPARE(reports().constFirst()->GetTitle(), firstReport);
}

void ReopenRuleTest::filesDroppedOnTheMainWindowOpen()
{
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(firstReport), QUrl::fromLocalFile(secondReport)});
    CMainFrame* frame = app->GetMainFrame();
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    QStringList titles;
    for (Document* document : reports()) titles.append(document->GetTitle());
    QCOMPARE(titles, QStringList({firstReport, secondReport}));
}

QTEST_MAIN(ReopenRuleTest)
#include "ReopenRuleTest.moc"
