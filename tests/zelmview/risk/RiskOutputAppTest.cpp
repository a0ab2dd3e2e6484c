// The risk report in the application: a report written by the real uncertainty model opens through
// File Open in either letter case of its extension, its chart opens, its menus have no Save and no
// Model menu, and its Help leads to the model's own help.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "app/HelpWindow.h"
#include "app/MenuBarText.h"
#include "chart/GraphDlg.h"
#include "data/CRiskOutputDoc.h"
#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/WorkingFolder.h"
#include "risk/CRiskOutputView.h"
#include "risk/RiskReports.h"

namespace {

const QStringList kNoSplash{QStringLiteral("--no-splash")};

}  // namespace

class RiskOutputAppTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void theTypeReadsItsSevenStrings();
    void aReportOfTheRealModelOpensWithAWorkingPlot();
    void theReportsMenusHaveNoSaveAndNoModelMenu();
    void bothLetterCasesOfTheExtensionOpen();
    void helpOpensAtTheReportAndLeadsToTheModelsHelp();

private:
    QTemporaryDir config;
    QTemporaryDir work;
    QString report;
};

void RiskOutputAppTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    docview::workingFolder().MoveTo(work.path());
    report = riskreports::RunExample(QStringLiteral("bottomland-reliability-table"), work.path());
    QVERIFY(!report.isEmpty());
}

void RiskOutputAppTest::theTypeReadsItsSevenStrings()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    const docview::DocTemplate* type = app.GetDocManager().FindTemplate(zelm::kRiskOutputType);
    QVERIFY(type != nullptr);
    using Index = docview::DocTemplate::DocStringIndex;
    QCOMPARE(type->GetDocString(Index::windowTitle), QString());
    QCOMPARE(type->GetDocString(Index::docName), QStringLiteral("RiskOu"));
    QCOMPARE(type->GetDocString(Index::fileNewName), QStringLiteral("RiskOutput"));
    QCOMPARE(type->GetDocString(Index::filterName), QStringLiteral("Risk Analysis Output Files (*.unc)"));
    QCOMPARE(type->GetDocString(Index::filterExt), QStringLiteral(".UNC"));
    QCOMPARE(type->GetDocString(Index::regFileTypeId), QStringLiteral("RiskOutput.Document"));
    QCOMPARE(type->GetDocString(Index::regFileTypeName), QStringLiteral("Risk Output Document"));
    QCOMPARE(type->FileDialogFilter(), QStringLiteral("Risk Analysis Output Files (*.unc *.UNC)"));
}

void RiskOutputAppTest::aReportOfTheRealModelOpensWithAWorkingPlot()
{
    docview::MessageRecorder messages;
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    auto* document = qobject_cast<CRiskOutputDoc*>(app.OpenDocumentFile(report));
    QVERIFY(document != nullptr);
    const int rows = int(document->GetOutput().reliabilityTable.size());
    QVERIFY(rows >= 5);
    auto* view = qobject_cast<CRiskOutputView*>(app.GetMainFrame()->GetActiveView());
    QVERIFY(view != nullptr);
    QVERIFY(static_cast<QPlainTextEdit*>(view->GetControl(CRiskOutputView::kReportEdit))
                ->toPlainText()
                .contains(QStringLiteral("TABLE OF RELIABILITY VS DEPTH AND SPACING")));
    auto* plot = static_cast<QPushButton*>(view->GetControl(CRiskOutputView::kPlotButton));
    QVERIFY(plot->isEnabled());
    plot->click();
    GraphDlg* chart = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<GraphDlg*>(widget); found != nullptr && found->isVisible()) chart = found;
    QVERIFY(chart != nullptr);
    QCOMPARE(chart->graph.pointCount, rows);
    QCOMPARE(chart->graph.rightTitle, QStringLiteral("Spacing (ft.)"));
    QCOMPARE(chart->graph.values.at(0, 0, rows - 1), document->GetOutput().reliabilityTable.constLast().value[3]);
    QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
    delete chart;

    // A rerun's report replaces the window.
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    QCOMPARE(app.GetDocManager().GetDocuments().size(), 1);
}

void RiskOutputAppTest::theReportsMenusHaveNoSaveAndNoModelMenu()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    CMainFrame* frame = app.GetMainFrame();
    QCOMPARE(frame->GetCurrentMenuId(), int(zelm::kRiskOutputType));
    QCOMPARE(menuTitles(frame->menuBar()),
             QStringList({QStringLiteral("&File"), QStringLiteral("&Report"), QStringLiteral("&View"),
                          QStringLiteral("&Window"), QStringLiteral("&Help")}));
    QMenu* file = menuTitled(frame->menuBar(), QStringLiteral("&File"));
    QVERIFY(file != nullptr);
    QStringList items;
    for (QAction* action : file->actions()) items.append(action->text());
    QVERIFY(items.contains(QStringLiteral("&Close")));
    QVERIFY(!items.contains(QStringLiteral("&Save")));
    QVERIFY(!items.contains(QStringLiteral("Save &As...")));
}

void RiskOutputAppTest::bothLetterCasesOfTheExtensionOpen()
{
    const QString lower = work.filePath(QStringLiteral("lower.unc"));
    QFile::remove(lower);
    QVERIFY(QFile::copy(report, lower));
    QFile::copy(work.filePath(QStringLiteral("bottomland-reliability-table.rsk")),
                work.filePath(QStringLiteral("lower.rsk")));
    docview::MessageRecorder messages;
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    for (const QString& path : {report, lower}) {
        auto* document = qobject_cast<CRiskOutputDoc*>(app.OpenDocumentFile(path));
        QVERIFY2(document != nullptr, qPrintable(path));
        QCOMPARE(document->GetTitle(), path);
    }
    QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
}

void RiskOutputAppTest::helpOpensAtTheReportAndLeadsToTheModelsHelp()
{
    CZelmViewApp app;
    QVERIFY(app.InitInstance(kNoSplash));
    QVERIFY(app.OpenDocumentFile(report) != nullptr);
    auto* view = qobject_cast<CRiskOutputView*>(app.GetMainFrame()->GetActiveView());
    QVERIFY(view != nullptr);
    static_cast<QPushButton*>(view->GetControl(CRiskOutputView::kHelpButton))->click();
    auto* help = QApplication::activeWindow() != nullptr
                     ? QApplication::activeWindow()->findChild<QTextBrowser*>(QStringLiteral("helpText"))
                     : nullptr;
    if (help == nullptr) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<HelpWindow*>(widget); window != nullptr && window->isVisible())
                help = window->GetBrowser();
    }
    QVERIFY(help != nullptr);
    const QString page = help->toPlainText();
    QVERIFY(page.contains(QStringLiteral("The risk output window and the reliability chart")));
    // The section is in view.
    QVERIFY(help->verticalScrollBar()->value() > 0);

    // The link to the model's help leads to its page.
    QVERIFY(help->toHtml().contains(QStringLiteral("uncertainty.html")));
    help->setSource(help->source().resolved(QUrl(QStringLiteral("uncertainty.html"))));
    QVERIFY(
        help->toPlainText().contains(QStringLiteral("The uncertainty model: drain designs under uncertain soil data")));
    QVERIFY(help->toPlainText().contains(QStringLiteral("TABLE OF RELIABILITY")) ||
            help->toPlainText().contains(QStringLiteral("Table of reliability vs depth and spacing")));
    help->backward();
    QVERIFY(help->toPlainText().contains(QStringLiteral("The risk output window and the reliability chart")));
}

QTEST_MAIN(RiskOutputAppTest)
#include "RiskOutputAppTest.moc"
