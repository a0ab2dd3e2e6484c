// Every window opens inside its screen: the main window (also from a saved place off the screen
// and after tiling three documents), the chart windows, which also step down from each other, the
// help window, the daily table and the About box; the report window shows its controls whole. The
// test runs on a screen of 1024 by 768, at scale factors 1 and 2.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "app/HelpWindow.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/View.h"
#include "docview/WorkingFolder.h"
#include "forms/ScreenFit.h"
#include "output/CZELMOutputView.h"
#include "output/TableDlg.h"
#include "output/TestReports.h"
#include "output/WaterTableChart.h"

namespace {

const QStringList kNoSplash{QStringLiteral("--no-splash")};
const QStringList kExamples{QStringLiteral("hillcrest-design"), QStringLiteral("polder-analysis"),
                            QStringLiteral("terrace-on-barrier")};

QRect availableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// What the window area shows when scrolled, in the coordinates of its child windows.
QRect reachableArea(const QMdiArea& windows)
{
    const QScrollBar* across = windows.horizontalScrollBar();
    const QScrollBar* down = windows.verticalScrollBar();
    return {-across->value(), -down->value(), windows.viewport()->width() + across->maximum(),
            windows.viewport()->height() + down->maximum()};
}

}  // namespace

class WindowGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void theScreenIsTheOneConfigured();
    void theMainWindowOpensInsideTheScreen();
    void aSavedPlaceOffTheScreenIsPulledBackIn();
    void arrangingManyWindowsKeepsThemInsideTheScreen();
    void chartWindowsOpenInsideTheScreenEachAStepFromTheLast();
    void theHelpTheDailyTableAndTheAboutBoxOpenInsideTheScreen();
    void theReportWindowShowsItsGraphingGroupWhole();

private:
    // Checks that `window`'s frame lies inside the screen's available area.
    static bool insideScreen(const QWidget* window);

    QTemporaryDir config;
    QTemporaryDir work;
};

void WindowGeometryTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // As the program does, for the windows this test opens without it.
    qApp->installEventFilter(new forms::ScreenFitFilter(qApp));
    for (const QString& name : kExamples) QVERIFY(!testreports::RunExample(name, work.path()).isEmpty());
}

void WindowGeometryTest::init()
{
    docview::openProfileStore()->clear();
    docview::writeProfileString(docview::kProfileSection, docview::kWorkingFolderKey, work.path());
}

bool WindowGeometryTest::insideScreen(const QWidget* window)
{
    const bool inside = availableArea().contains(window->frameGeometry());
    if (!inside) qWarning() << window->objectName() << window->frameGeometry() << "is not inside" << availableArea();
    return inside;
}

void WindowGeometryTest::theScreenIsTheOneConfigured()
{
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(availableArea().size(), QSize(qRound(1024 / scale), qRound(768 / scale)));
}

void WindowGeometryTest::theMainWindowOpensInsideTheScreen()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QVERIFY(QTest::qWaitForWindowExposed(app.GetMainFrame()));
    QVERIFY(insideScreen(app.GetMainFrame()));
    // With a project open too.
    QVERIFY(app.OpenDocumentFile(work.filePath(QStringLiteral("hillcrest-design.trn"))) != nullptr);
    QCoreApplication::processEvents();
    QVERIFY(insideScreen(app.GetMainFrame()));
}

void WindowGeometryTest::aSavedPlaceOffTheScreenIsPulledBackIn()
{
    {
        // A window last closed on a screen far to the right and larger than this one.
        QWidget elsewhere;
        elsewhere.setGeometry(QRect(QPoint(3000, 2400), availableArea().size() + QSize(300, 200)));
        const std::unique_ptr<QSettings> store = docview::openProfileStore();
        store->beginGroup(docview::kProfileSection);
        store->setValue(QStringLiteral("Main Window Geometry"), elsewhere.saveGeometry());
    }
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QVERIFY(QTest::qWaitForWindowExposed(app.GetMainFrame()));
    QVERIFY(insideScreen(app.GetMainFrame()));
}

void WindowGeometryTest::arrangingManyWindowsKeepsThemInsideTheScreen()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    CMainFrame* frame = app.GetMainFrame();
    for (const QString& name : kExamples)
        QVERIFY(app.OpenDocumentFile(work.filePath(name + QStringLiteral(".trn"))) != nullptr);
    // And the report of one, in four windows.
    QVERIFY(app.OpenDocumentFile(work.filePath(QStringLiteral("hillcrest-design.OTR"))) != nullptr);
    for (int more = 0; more < 3; ++more) frame->RouteCommand(docview::kWindowNew);
    for (int command : {docview::kWindowTileHorizontal, docview::kWindowCascade, docview::kWindowArrange}) {
        frame->RouteCommand(command);
        QCoreApplication::processEvents();
        QVERIFY2(insideScreen(frame), qPrintable(QString::number(command)));
        // Every window inside the window area, none maximised; a window whose least size does not
        // fit is reached by scrolling the area.
        const QMdiArea* windows = frame->GetMdiArea();
        const QRect reachable = reachableArea(*windows);
        const QRect visible(QPoint(), windows->viewport()->size());
        for (QMdiSubWindow* window : windows->subWindowList()) {
            QVERIFY(!window->isMaximized());
            QVERIFY2(reachable.contains(window->geometry()), qPrintable(window->windowTitle()));
            // A window that can be as small as the visible part of the area lies inside it,
            // and never shrinks to its title bar.
            if (visible.size().expandedTo(window->minimumSizeHint()) == visible.size())
                QVERIFY2(visible.contains(window->geometry()), qPrintable(window->windowTitle()));
            QVERIFY(window->height() >= window->minimumSizeHint().height());
        }
    }
    QCOMPARE(frame->GetMdiArea()->subWindowList().size(), 7);
}

void WindowGeometryTest::chartWindowsOpenInsideTheScreenEachAStepFromTheLast()
{
    docview::MessageRecorder messages;
    CZELMOutputDoc document;
    QVERIFY(document.OnOpenDocument(work.filePath(QStringLiteral("hillcrest-design.OTR"))));
    QPointer<GraphDlg> first = zelm::PlotWaterTable(document, zelm::YearMode::TraditionalDrainageYear);
    QPointer<GraphDlg> second = zelm::PlotWaterTable(document, zelm::YearMode::CalendarYear);
    QVERIFY(first && second);
    for (GraphDlg* chart : {first.data(), second.data()}) {
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QVERIFY(insideScreen(chart));
    }
    QCOMPARE(first->pos(), availableArea().topLeft());
    QVERIFY(second->pos().x() > first->pos().x() && second->pos().y() > first->pos().y());
    QVERIFY(messages.messages().isEmpty());
    delete first;
    delete second;
}

void WindowGeometryTest::theHelpTheDailyTableAndTheAboutBoxOpenInsideTheScreen()
{
    HelpWindow* help = HelpWindow::ShowHelp(nullptr, QStringLiteral("chart"));
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QVERIFY(insideScreen(help));
    delete help;

    CZELMOutputDoc document;
    docview::MessageRecorder messages;
    QVERIFY(document.OnOpenDocument(work.filePath(QStringLiteral("hillcrest-design.OTR"))));
    auto* table = new TableDlg(&document.GetOutput());
    table->resize(2000, 1500);
    table->show();
    QVERIFY(QTest::qWaitForWindowExposed(table));
    QVERIFY(insideScreen(table));
    delete table;

    CAboutDlg about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(insideScreen(&about));
}

void WindowGeometryTest::theReportWindowShowsItsGraphingGroupWhole()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    docview::Document* report = app.OpenDocumentFile(work.filePath(QStringLiteral("hillcrest-design.OTR")));
    QVERIFY(report != nullptr);
    auto* view = qobject_cast<CZELMOutputView*>(report->GetViews().constFirst());
    QVERIFY(QTest::qWaitForWindowExposed(view));
    // The group and its radios lie whole in the window, however small the screen: the window keeps
    // the room of its form, and the window area scrolls to it.
    const QWidget* group = view->GetControl(CZELMOutputView::kGraphingGroup);
    QVERIFY(group->width() >= group->minimumSizeHint().width());
    QVERIFY(view->rect().contains(group->geometry()));
    for (int radio : {CZELMOutputView::kTraditionalYearRadio, CZELMOutputView::kCalendarRadio})
        QVERIFY(group->geometry().contains(view->GetControl(radio)->geometry()));
    QVERIFY(reachableArea(*app.GetMainFrame()->GetMdiArea()).contains(view->GetFrame()->geometry()));
}

QTEST_MAIN(WindowGeometryTest)
#include "WindowGeometryTest.moc"
