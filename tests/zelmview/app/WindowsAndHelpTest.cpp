// The windows of the program as a user meets them: the splash above the main window and centred
// on it, the Window menu's list of open windows, the keys that step through them, File New with
// only the types a user can create, and each window's Help opening the help at its own section,
// which Escape closes.
#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/CZelmViewApp.h"
#include "app/HelpWindow.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/DocTemplate.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/View.h"
#include "docview/WorkingFolder.h"
#include "output/CZELMOutputView.h"
#include "output/TableDlg.h"
#include "output/TestReports.h"
#include "output/WaterTableChart.h"
#include "transient/CZelmViewView.h"

namespace {

const QStringList kNoSplash{QStringLiteral("--no-splash")};

QMenu* windowMenu(CMainFrame* frame)
{
    for (QAction* entry : frame->menuBar()->actions())
        if (entry->menu() != nullptr && entry->menu()->objectName() == QLatin1String("windowMenu"))
            return entry->menu();
    return nullptr;
}

// The open-window entries of the Window menu, filled as when it opens.
QList<QAction*> windowEntries(QMenu* menu)
{
    emit menu->aboutToShow();
    QList<QAction*> entries;
    for (QAction* entry : menu->actions())
        if (entry->objectName().startsWith(QLatin1String("windowEntry"))) entries.append(entry);
    return entries;
}

HelpWindow* helpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(window); help != nullptr && help->isVisible()) return help;
    return nullptr;
}

// Where the help stands: the value of its scroll bar.
int helpPosition()
{
    HelpWindow* help = helpWindow();
    return help != nullptr ? help->GetBrowser()->verticalScrollBar()->value() : -1;
}

}  // namespace

class WindowsAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void theSplashIsShownAboveTheMainWindowAndCentredOnIt();
    void theWindowMenuListsTheOpenWindowsWithTheActiveOneChecked();
    void theNextAndPreviousWindowKeysStepThroughTheWindows();
    void theCloseKeyClosesAMaximizedWindow();
    void fileNewOffersOnlyTheTypesAUserCanCreate();
    void eachWindowsHelpOpensTheHelpAtItsOwnSection();
    void quittingOrClosingTheWindowAsksAboutTextTypedIntoAReport();

private:
    QTemporaryDir config;
    QTemporaryDir work;
    QString report;
};

void WindowsAndHelpTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    report = testreports::RunExample(QStringLiteral("hillcrest-design"), work.path());
    QVERIFY(!report.isEmpty());
}

void WindowsAndHelpTest::init()
{
    docview::openProfileStore()->clear();
    docview::writeProfileString(docview::kProfileSection, docview::kWorkingFolderKey, work.path());
}

void WindowsAndHelpTest::theSplashIsShownAboveTheMainWindowAndCentredOnIt()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance({}));
    CMainFrame* frame = app.GetMainFrame();
    CSplashWnd* splash = frame->GetSplash();
    QVERIFY(splash != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    // Shown after the main window, as its own window kept above it.
    QVERIFY(frame->isVisible());
    QCOMPARE(splash->windowHandle()->transientParent(), frame->windowHandle());
    const auto offCentre = [&] { return (splash->frameGeometry().center() - frame->frameGeometry().center()); };
    QVERIFY2(offCentre().manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre().x()).arg(offCentre().y())));
    // Placed again by the window manager, the main window keeps the splash in its middle.
    frame->move(frame->pos() + QPoint(40, 30));
    QTRY_VERIFY(offCentre().manhattanLength() <= 2);
    QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void WindowsAndHelpTest::theWindowMenuListsTheOpenWindowsWithTheActiveOneChecked()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    frame->RouteCommand(zelm::kNewTransient);
    QMenu* menu = windowMenu(frame);
    QVERIFY(menu != nullptr);

    QList<QAction*> entries = windowEntries(menu);
    QCOMPARE(entries.size(), 2);
    // The file's name comes first, then its folder.
    const QFileInfo reportFile(report);
    QCOMPARE(entries.at(0)->text(),
             QStringLiteral("&1 ") + reportFile.fileName() + QStringLiteral(" - ") + reportFile.path());
    QCOMPARE(entries.at(1)->text(), QStringLiteral("&2 Transient1"));
    QVERIFY(!entries.at(0)->isChecked());
    QVERIFY(entries.at(1)->isChecked());
    // An unsaved change is marked as in the window's own title bar, not by the raw "[*]".
    frame->RouteCommand(zelm::kBenchBottomland);
    QCOMPARE(windowEntries(menu).at(1)->text(), QStringLiteral("&2 Transient1*"));
    entries = windowEntries(menu);

    // Choosing an entry brings its window to the front; the menu follows.
    entries.at(0)->trigger();
    QCOMPARE(frame->GetActiveView()->GetDocument()->GetTitle(), report);
    entries = windowEntries(windowMenu(frame));
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries.at(0)->isChecked());
    QVERIFY(!entries.at(1)->isChecked());

    // The arranging commands stand above the list.
    QStringList commands;
    for (QAction* entry : windowMenu(frame)->actions())
        if (!entry->isSeparator() && !entries.contains(entry)) commands.append(entry->text());
    QCOMPARE(commands, QStringList({QStringLiteral("&New Window"), QStringLiteral("&Cascade"), QStringLiteral("&Tile"),
                                    QStringLiteral("&Arrange Icons"), QStringLiteral("Ne&xt Window"),
                                    QStringLiteral("Pre&vious Window")}));
}

void WindowsAndHelpTest::theNextAndPreviousWindowKeysStepThroughTheWindows()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    frame->RouteCommand(zelm::kNewTransient);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    const auto activeTitle = [frame] { return frame->GetActiveView()->GetDocument()->GetTitle(); };
    QCOMPARE(activeTitle(), QStringLiteral("Transient1"));
    for (const QKeySequence::StandardKey key : {QKeySequence::NextChild, QKeySequence::PreviousChild}) {
        const QString before = activeTitle();
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::keyBindings(key).constFirst());
        QCOMPARE(activeTitle(), before == report ? QStringLiteral("Transient1") : report);
    }
}

void WindowsAndHelpTest::theCloseKeyClosesAMaximizedWindow()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    frame->findChild<QMdiArea*>()->activeSubWindow()->showMaximized();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::keyBindings(QKeySequence::Close).constFirst());
    QTRY_VERIFY(app.GetDocManager().GetDocuments().isEmpty());
}

void WindowsAndHelpTest::fileNewOffersOnlyTheTypesAUserCanCreate()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QStringList offered;
    app.GetDocManager().chooseNewType = [&offered](const QStringList& names) {
        offered = names;
        return 0;
    };
    app.GetMainFrame()->RouteCommand(docview::kFileNew);
    // The two input types have New commands; the output types are only opened.
    QCOMPARE(offered, QStringList({QStringLiteral("Transient"), QStringLiteral("ZELMRisk")}));
    const auto documents = app.GetDocManager().GetDocuments();
    QCOMPARE(documents.size(), 1);
    QCOMPARE(documents.constFirst()->GetDocTemplate(), app.GetDocManager().FindTemplate(zelm::kTransientInputType));
}

void WindowsAndHelpTest::eachWindowsHelpOpensTheHelpAtItsOwnSection()
{
    docview::MessageRecorder messages;
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    const auto click = [](QWidget* window, int controlId) {
        auto* button = qobject_cast<QPushButton*>(docview::findByControlId(window, controlId));
        QVERIFY(button != nullptr);
        button->click();
    };

    app.ShowHelp(QString());
    QCOMPARE(helpPosition(), 0);
    frame->RouteCommand(zelm::kNewTransient);
    click(frame->GetActiveView(), CZelmViewView::kHelpButton);
    const int form = helpPosition();

    auto* output = qobject_cast<docview::View*>(app.OpenDocumentFile(report)->GetViews().constFirst());
    click(output, CZELMOutputView::kHelpButton);
    const int reportWindow = helpPosition();
    // F1 opens the section of the active window too.
    app.ShowHelp(QString());
    frame->RouteCommand(docview::kHelp);
    QCOMPARE(helpPosition(), reportWindow);

    auto* document = static_cast<CZELMOutputDoc*>(output->GetDocument());
    QPointer<GraphDlg> chart = zelm::PlotWaterTable(*document, zelm::YearMode::TraditionalDrainageYear);
    QVERIFY(chart);
    QAction* chartHelp = nullptr;
    for (QAction* action : chart->actions())
        if (action->text() == QLatin1String("&Help")) chartHelp = action;
    QVERIFY(chartHelp != nullptr);
    chartHelp->trigger();
    const int chartSection = helpPosition();

    frame->RouteCommand(zelm::kViewDailyData);
    auto* table = output->findChild<TableDlg*>();
    QVERIFY(table != nullptr);
    click(table, TableDlg::kHelpButton);
    const int dailyTable = helpPosition();

    // The sections follow each other down the page.
    QVERIFY2(0 < form && form < reportWindow && reportWindow < chartSection && chartSection < dailyTable,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(form).arg(reportWindow).arg(chartSection).arg(dailyTable)));

    HelpWindow* help = helpWindow();
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    delete chart;
    QVERIFY(messages.messages().isEmpty());
}

void WindowsAndHelpTest::quittingOrClosingTheWindowAsksAboutTextTypedIntoAReport()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    auto* view = qobject_cast<CZELMOutputView*>(app.OpenDocumentFile(report)->GetViews().constFirst());
    QVERIFY(view != nullptr);
    static_cast<QPlainTextEdit*>(view->GetControl(CZELMOutputView::kReportEdit))
        ->appendPlainText(QStringLiteral("note"));
    int asked = 0;
    view->askAboutTypedText = [&asked] {
        ++asked;
        return docview::SaveAnswer::Cancel;
    };
    QVERIFY(!frame->close());
    QVERIFY(!view->parentWidget()->close());
    QCOMPARE(asked, 2);
    QCOMPARE(app.GetDocManager().GetDocuments().size(), 1);
    view->askAboutTypedText = [&asked] {
        ++asked;
        return docview::SaveAnswer::Discard;
    };
    QVERIFY(frame->close());
    QCOMPARE(asked, 3);
}

QTEST_MAIN(WindowsAndHelpTest)
#include "WindowsAndHelpTest.moc"
