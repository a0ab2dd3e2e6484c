// Start-up of the application: the working-directory rule, what the command line opens, the
// main window's menus, tool bar and status bar, the splash window and the About box.
#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/CZelmViewApp.h"
#include "app/MenuBarText.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/View.h"
#include "docview/WorkingFolder.h"
#include "output/TestReports.h"
#include "transient/CZelmViewView.h"

namespace {

const QStringList kNoSplash{QStringLiteral("--no-splash")};

}  // namespace

class AppStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void withNothingStoredTheProgramWorksInTheExamplesBesideItsStartFolder();
    void aStoredFolderIsUsedAndOneThatDoesNotExistIsIgnoredSilently();
    void aBareFileArgumentOpensAsTheOpenRequestDoes();
    void menuBarFollowsTheActiveDocumentType();
    void toolBarHoldsTheSixButtonsWithTheirTips();
    void splashClosesOnAClickWhichGoesNoFurther();
    void splashClosesItselfAfterFourSeconds();
    void theMainWindowComesBackWhereItWasClosedWithItsToolBar();
    void fileCommandsTakeThePlatformsStandardKeys();
    void theFormsHelpButtonOpensTheHelp();

private:
    QTemporaryDir config;
    QTemporaryDir work;
    QString startDirectory;
};

void AppStartupTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    startDirectory = docview::workingFolder().Path();
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("start")));
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("examples")));
}

void AppStartupTest::init()
{
    docview::openProfileStore()->clear();
    docview::workingFolder().MoveTo(work.filePath(QStringLiteral("start")));
}

void AppStartupTest::cleanup()
{
    docview::workingFolder().MoveTo(startDirectory);
}

void AppStartupTest::withNothingStoredTheProgramWorksInTheExamplesBesideItsStartFolder()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QCOMPARE(docview::workingFolder().Path(), QDir(work.filePath(QStringLiteral("examples"))).canonicalPath());
}

void AppStartupTest::aStoredFolderIsUsedAndOneThatDoesNotExistIsIgnoredSilently()
{
    docview::MessageRecorder messages;
    docview::writeProfileString(docview::kProfileSection, docview::kWorkingFolderKey,
                                work.filePath(QStringLiteral("gone")));
    {
        CZelmViewApp app;
        QVERIFY(app.InitInstance(kNoSplash));
        QCOMPARE(docview::workingFolder().Path(), QDir(work.filePath(QStringLiteral("start"))).canonicalPath());
    }
    QVERIFY(messages.messages().isEmpty());

    docview::writeProfileString(docview::kProfileSection, docview::kWorkingFolderKey, work.path());
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QCOMPARE(docview::workingFolder().Path(), QDir(work.path()).canonicalPath());
}

void AppStartupTest::aBareFileArgumentOpensAsTheOpenRequestDoes()
{
    const QString report =
        testreports::RunExample(QStringLiteral("polder-analysis"), work.filePath(QStringLiteral("start")));
    QVERIFY(!report.isEmpty());
    docview::MessageRecorder messages;
    const QList<QStringList> commandLines{
        {QStringLiteral("--no-splash"), QStringLiteral("polder-analysis.OTR")},
        {QStringLiteral("--no-splash"), QStringLiteral("--open"), QStringLiteral("polder-analysis.OTR")},
        {QStringLiteral("--no-splash"), QStringLiteral("--"), QStringLiteral("polder-analysis.OTR")}};
    for (const QStringList& arguments : commandLines) {
        docview::workingFolder().MoveTo(work.filePath(QStringLiteral("start")));
        CZelmViewApp app;
        QVERIFY(app.InitInstance(arguments));
        const auto documents = app.GetDocManager().GetDocuments();
        QCOMPARE(documents.size(), 1);
        QCOMPARE(documents.constFirst()->GetTitle(), report);
    }
    QVERIFY(messages.messages().isEmpty());
}

void AppStartupTest::menuBarFollowsTheActiveDocumentType()
{
    const QString report = testreports::RunExample(QStringLiteral("polder-analysis"), work.path());
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    QCOMPARE(frame->GetCurrentMenuId(), int(zelm::kMainFrameResource));
    QCOMPARE(menuTitles(frame->menuBar()),
             QStringList({QStringLiteral("&File"), QStringLiteral("&View"), QStringLiteral("&Help")}));

    docview::Document* document = app.OpenDocumentFile(report);
    QVERIFY(document != nullptr);
    QCOMPARE(frame->GetCurrentMenuId(), int(zelm::kTransientOutputType));
    QCOMPARE(menuTitles(frame->menuBar()),
             QStringList({QStringLiteral("&File"), QStringLiteral("&Report"), QStringLiteral("&Data"),
                          QStringLiteral("&View"), QStringLiteral("&Window"), QStringLiteral("&Help")}));
    // A maximised child adds its title to the main window's: the file's name, then its folder.
    const QFileInfo reportFile(report);
    QCOMPARE(frame->windowTitle(), QStringLiteral("ZELM - [") + reportFile.fileName() + QStringLiteral(" - ") +
                                       reportFile.path() + QLatin1Char(']'));
    QVERIFY(frame->GetActiveView()->parentWidget()->isMaximized());

    frame->GetCommandAction(docview::kFileClose)->trigger();
    QTRY_COMPARE(frame->GetCurrentMenuId(), int(zelm::kMainFrameResource));
    QVERIFY(app.GetDocManager().GetDocuments().isEmpty());
}

void AppStartupTest::toolBarHoldsTheSixButtonsWithTheirTips()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    auto* toolBar = app.GetMainFrame()->findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(toolBar != nullptr);
    QList<int> ids;
    for (QAction* action : toolBar->actions())
        ids.append(action->isSeparator() ? 0 : action->property("controlId").toInt());
    QCOMPARE(ids, QList<int>({32779, 32780, 57601, 57603, 0, 32775}));
    QAction* run = app.GetMainFrame()->GetCommandAction(zelm::kRunModel);
    QCOMPARE(run->toolTip(), QStringLiteral("Run the ZELM Transient model"));
    QCOMPARE(run->statusTip(), QStringLiteral("Run the ZELM Transient model"));
    QCOMPARE(app.GetMainFrame()->GetCommandAction(zelm::kNewTransient)->statusTip(),
             QStringLiteral("Create a new Transient model input file."));
    QCOMPARE(app.GetMainFrame()->GetCommandAction(docview::kFileOpen)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+O")));
}

void AppStartupTest::splashClosesOnAClickWhichGoesNoFurther()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance({}));
    QPointer<CSplashWnd> splash = app.GetMainFrame()->GetSplash();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());

    QPushButton target(QStringLiteral("under the splash"));
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    QSignalSpy clicks(&target, &QPushButton::clicked);
    QTest::mouseClick(&target, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QTRY_VERIFY(splash.isNull());
    QTest::mouseClick(&target, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void AppStartupTest::splashClosesItselfAfterFourSeconds()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance({}));
    QPointer<CSplashWnd> splash = app.GetMainFrame()->GetSplash();
    QVERIFY(splash);
    QTest::qWait(CSplashWnd::kLifetimeMs - 500);
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
}

void AppStartupTest::theMainWindowComesBackWhereItWasClosedWithItsToolBar()
{
    {
        CZelmViewApp app;
        QVERIFY(app.InitInstance(kNoSplash));
        CMainFrame* frame = app.GetMainFrame();
        // The first start, as far as the screen allows, frame and all.
        const QSize frameExtra = frame->frameGeometry().size() - frame->size();
        QCOMPARE(frame->size(), QSize(1200, 800).boundedTo(frame->screen()->availableGeometry().size() - frameExtra));
        frame->resize(720, 530);
        frame->RouteCommand(docview::kViewToolBar);
        QVERIFY(!frame->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
        QVERIFY(frame->close());
    }
    CZelmViewApp again;
    QVERIFY(again.InitInstance(kNoSplash));
    QCOMPARE(again.GetMainFrame()->size(), QSize(720, 530));
    QVERIFY(!again.GetMainFrame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
    QVERIFY(!again.GetMainFrame()->GetCommandAction(docview::kViewToolBar)->isChecked());
}

void AppStartupTest::fileCommandsTakeThePlatformsStandardKeys()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    const CMainFrame* frame = app.GetMainFrame();
    const auto keys = [frame](int commandId) { return frame->GetCommandAction(commandId)->shortcuts(); };
    QCOMPARE(keys(docview::kFileNew), QKeySequence::keyBindings(QKeySequence::New));
    QCOMPARE(keys(docview::kFileSave), QKeySequence::keyBindings(QKeySequence::Save));
    QCOMPARE(keys(docview::kFileClose), QKeySequence::keyBindings(QKeySequence::Close));
    QCOMPARE(keys(docview::kAppExit), QKeySequence::keyBindings(QKeySequence::Quit));
    // The keys the help names.
    QVERIFY(keys(docview::kFileNew).contains(QKeySequence(QStringLiteral("Ctrl+N"))));
    QVERIFY(keys(docview::kFilePrint).contains(QKeySequence(QStringLiteral("Ctrl+P"))));
    QVERIFY(keys(docview::kHelp).contains(QKeySequence(QStringLiteral("F1"))));
    QVERIFY(keys(docview::kContextHelp).contains(QKeySequence(QStringLiteral("Shift+F1"))));
    QCOMPARE(keys(docview::kNextPane), QList<QKeySequence>{QKeySequence(QStringLiteral("F6"))} +
                                           QKeySequence::keyBindings(QKeySequence::NextChild));
    QCOMPARE(keys(docview::kPreviousPane), QList<QKeySequence>{QKeySequence(QStringLiteral("Shift+F6"))} +
                                               QKeySequence::keyBindings(QKeySequence::PreviousChild));
    QCOMPARE(keys(zelm::kRunModel), QList<QKeySequence>{QKeySequence(QStringLiteral("F5"))});
}

void AppStartupTest::theFormsHelpButtonOpensTheHelp()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    app.GetMainFrame()->RouteCommand(zelm::kNewTransient);
    docview::View* form = app.GetMainFrame()->GetActiveView();
    QVERIFY(form != nullptr);
    auto* help = qobject_cast<QPushButton*>(docview::findByControlId(form, CZelmViewView::kHelpButton));
    QVERIFY(help != nullptr);
    QTest::mouseClick(help, Qt::LeftButton);
    auto* window = app.GetMainFrame()->findChild<QWidget*>(QStringLiteral("helpWindow"));
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    delete window;
}

QTEST_MAIN(AppStartupTest)
#include "AppStartupTest.moc"
