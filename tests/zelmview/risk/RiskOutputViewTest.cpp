// The risk report window: its text and when Plot is offered, Plot on an empty table, the chart of
// a metric project and of a report without its project, the resizing rule, Write, Print via
// Wordpad and Done with the question about typed text.
#include <qcustomplot.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "chart/ChartComponent.h"
#include "chart/GraphDlg.h"
#include "data/CRiskOutputDoc.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"
#include "risk/CRiskOutputView.h"
#include "risk/RiskReports.h"

namespace {

QPlainTextEdit* reportBox(const CRiskOutputView& view)
{
    return static_cast<QPlainTextEdit*>(view.GetControl(CRiskOutputView::kReportEdit));
}

QPushButton* button(const CRiskOutputView& view, int controlId)
{
    return static_cast<QPushButton*>(view.GetControl(controlId));
}

QList<GraphDlg*> openCharts()
{
    QList<GraphDlg*> charts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* chart = qobject_cast<GraphDlg*>(widget); chart != nullptr && chart->isVisible()) charts.append(chart);
    return charts;
}

void closeCharts()
{
    for (GraphDlg* chart : openCharts()) delete chart;
}

QStringList xTickLabels(const chart::ChartComponent& chart)
{
    auto ticker = chart.Plot()->xAxis->ticker().dynamicCast<QCPAxisTickerText>();
    return ticker ? QStringList(ticker->ticks().values()) : QStringList();
}

}  // namespace

class RiskOutputViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void theFormCarriesItsIdsAndTexts();
    void aReportWithoutTheTableShowsItsTextWithPlotDisabled();
    void anEmptyTableEnablesPlotWhichSaysSo();
    void plotChartsCostAndSpacingOfAMetricProjectInMetres();
    void aReportWithoutItsProjectOpensAndChartsInFeet();
    void enlargingByHundredByFiftyGrowsTheBoxAndMovesTheButtonsDown();
    void writeWritesTheTextOfTheBox();
    void printViaWordpadHandsOverTheReportAsItStands();
    void doneAsksWhenTheTextWasEdited();

private:
    // The report `name` of tests/data/unc as `base`.unc in the folder, with the metric project
    // beside it when `withProject`.
    QString placeReport(const QString& name, const QString& base, bool withProject);

    QTemporaryDir folder;
};

void RiskOutputViewTest::initTestCase()
{
    QVERIFY(folder.isValid());
    // The charts keep their settings files in the working folder.
    docview::workingFolder().MoveTo(folder.path());
}

void RiskOutputViewTest::cleanup()
{
    closeCharts();
}

QString RiskOutputViewTest::placeReport(const QString& name, const QString& base, bool withProject)
{
    const QString report = folder.filePath(base + QStringLiteral(".unc"));
    if (!riskreports::CopyTestReport(name, report)) return {};
    QFile::remove(folder.filePath(base + QStringLiteral(".rsk")));
    if (withProject && !riskreports::CopyMetricProject(folder.filePath(base + QStringLiteral(".rsk")))) return {};
    return report;
}

void RiskOutputViewTest::theFormCarriesItsIdsAndTexts()
{
    CRiskOutputDoc document;
    CRiskOutputView view(&document);
    QCOMPARE(docview::controlIdOf(&view), 237);
    const QList<std::tuple<int, QString, QString>> buttons{{1020, "Plot", "plotButton"},
                                                           {1023, "Print via Wordpad", "printViaWordpadButton"},
                                                           {1022, "Write", "writeButton"},
                                                           {1084, "Done", "doneButton"},
                                                           {1086, "Help", "helpButton"}};
    for (const auto& [id, text, name] : buttons) {
        auto* found = docview::findByControlId<QPushButton>(&view, id);
        QVERIFY2(found != nullptr, qPrintable(text));
        // The texts as they stand, each with a mnemonic.
        QCOMPARE(QString(found->text()).remove(QLatin1Char('&')), text);
        QVERIFY(found->text().contains(QLatin1Char('&')));
        QCOMPARE(found->objectName(), name);
    }
    QPlainTextEdit* box = docview::findByControlId<QPlainTextEdit>(&view, 1019);
    QVERIFY(box != nullptr);
    // Some monospaced fonts do not call themselves fixed pitch; what the report's columns need is
    // that every character takes the same width.
    const QFontMetrics metrics(box->font());
    for (QChar glyph : QStringLiteral("iW.1 m|"))
        QCOMPARE(metrics.horizontalAdvance(glyph), metrics.horizontalAdvance(QLatin1Char('0')));
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(view.findChild<QLabel*>() != nullptr);
    QCOMPARE(view.findChild<QLabel*>()->text(), QStringLiteral("Drainage Design Under Uncertainty"));
}

void RiskOutputViewTest::aReportWithoutTheTableShowsItsTextWithPlotDisabled()
{
    docview::MessageRecorder messages;
    CRiskOutputDoc document;
    QVERIFY(document.OnOpenDocument(placeReport(QStringLiteral("fixed-design.unc"), QStringLiteral("fixed"), true)));
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    const QString shown = reportBox(view)->toPlainText();
    QVERIFY(shown.startsWith(QStringLiteral(" DRAINAGE DESIGN UNDER UNCERTAINTY\n =====")));
    QVERIFY(shown.contains(QStringLiteral("   Annual cost per acre ..............    121.81\n")));
    QCOMPARE(view.GetReportText(), document.LoadOutputText(ReportTextMode::Display));
    QVERIFY(!button(view, CRiskOutputView::kPlotButton)->isEnabled());
    QVERIFY(messages.messages().isEmpty());
}

void RiskOutputViewTest::anEmptyTableEnablesPlotWhichSaysSo()
{
    const QString report = folder.filePath(QStringLiteral("empty.unc"));
    writeFile(report, riskreports::ReportWithTable(0));
    QVERIFY(riskreports::CopyMetricProject(folder.filePath(QStringLiteral("empty.rsk"))));
    CRiskOutputDoc document;
    QVERIFY(document.OnOpenDocument(report));
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    QPushButton* plot = button(view, CRiskOutputView::kPlotButton);
    QVERIFY(plot->isEnabled());

    docview::MessageRecorder messages;
    plot->click();
    QCOMPARE(messages.messages(), QStringList(QStringLiteral("Reliability range table is empty.")));
    QVERIFY(openCharts().isEmpty());
}

void RiskOutputViewTest::plotChartsCostAndSpacingOfAMetricProjectInMetres()
{
    docview::MessageRecorder messages;
    CRiskOutputDoc document;
    QVERIFY(
        document.OnOpenDocument(placeReport(QStringLiteral("reliability-table.unc"), QStringLiteral("metric"), true)));
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    QPushButton* plot = button(view, CRiskOutputView::kPlotButton);
    QVERIFY(plot->isEnabled());
    plot->click();
    const QList<GraphDlg*> charts = openCharts();
    QCOMPARE(charts.size(), 1);
    GraphDlg* dialog = charts.constFirst();
    QVERIFY(dialog->parent() == nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Graph of Reliability vs Depth and Spacing"));
    QCustomPlot* chart = dialog->GetChart()->Plot();
    QCOMPARE(chart->xAxis->label(), QStringLiteral("Reliability %"));
    QCOMPARE(chart->yAxis->label(), QStringLiteral("cost (annual, per hectare)"));
    QVERIFY(chart->yAxis2->visible());
    QCOMPARE(chart->yAxis2->label(), QStringLiteral("Spacing (m.)"));
    QCOMPARE(xTickLabels(*dialog->GetChart()), QStringList({"50", "60", "70", "80", "90"}));
    // The cost axis reads nice numbers, and each cost point (not each spacing point) its depth.
    chart->replot();
    QVERIFY(chart->yAxis->tickVectorLabels().size() >= 4);
    for (const QString& label : chart->yAxis->tickVectorLabels())
        QVERIFY2(!label.contains(QRegularExpression(QStringLiteral("\\.\\d{3}"))), qPrintable(label));
    QCOMPARE(chart->itemCount(), chart->plottable(0)->interface1D()->dataCount());
    QVERIFY(qobject_cast<QCPItemText*>(chart->item(0))->text().startsWith(QStringLiteral("depth ")));

    // The left series holds the annual costs, the right one the spacings, point by point.
    QMap<QString, QList<double>> series;
    for (int k = 0; k < chart->plottableCount(); ++k) {
        QCPAbstractPlottable* plottable = chart->plottable(k);
        QList<double> values;
        for (int i = 0; i < plottable->interface1D()->dataCount(); ++i)
            values.append(plottable->interface1D()->dataMainValue(i));
        series.insert(plottable->name(), values);
        QCOMPARE(plottable->valueAxis(), plottable->name() == "Spacing" ? chart->yAxis2 : chart->yAxis);
    }
    QCOMPARE(series.keys(), QStringList({"Spacing", "Total Cost"}));
    QCOMPARE(series.value("Total Cost"), QList<double>({176.34, 201.95, 235.61, 269.18, 336.49}));
    QCOMPARE(series.value("Spacing"), QList<double>({30.0, 27.5, 25.0, 22.5, 17.5}));
    QVERIFY(messages.messages().isEmpty());
}

void RiskOutputViewTest::aReportWithoutItsProjectOpensAndChartsInFeet()
{
    const QString report = placeReport(QStringLiteral("reliability-table.unc"), QStringLiteral("alone"), false);
    const QString project = folder.filePath(QStringLiteral("alone.rsk"));
    docview::MessageRecorder messages;
    CRiskOutputDoc document;
    QVERIFY(document.OnOpenDocument(report));
    QVERIFY(messages.messages().contains(QStringLiteral("Error reading input from ") + project));
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    QVERIFY(reportBox(view)->toPlainText().contains(QStringLiteral("TABLE OF RELIABILITY VS DEPTH AND SPACING")));
    button(view, CRiskOutputView::kPlotButton)->click();
    QCOMPARE(openCharts().size(), 1);
    QCOMPARE(openCharts().constFirst()->GetChart()->Plot()->yAxis2->label(), QStringLiteral("Spacing (ft.)"));
}

void RiskOutputViewTest::enlargingByHundredByFiftyGrowsTheBoxAndMovesTheButtonsDown()
{
    CRiskOutputDoc document;
    CRiskOutputView view(&document);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QList<int> buttons{CRiskOutputView::kPlotButton, CRiskOutputView::kPrintViaWordpadButton,
                             CRiskOutputView::kWriteButton, CRiskOutputView::kDoneButton, CRiskOutputView::kHelpButton};
    const QRect box = view.GetControl(CRiskOutputView::kReportEdit)->geometry();
    QMap<int, QRect> before;
    for (int id : buttons) before.insert(id, view.GetControl(id)->geometry());
    // The buttons start below the box, clear of it.
    for (int id : buttons) QVERIFY(before.value(id).top() > box.bottom());

    view.resize(view.size() + QSize(100, 50));
    QCoreApplication::processEvents();
    QCOMPARE(view.GetControl(CRiskOutputView::kReportEdit)->geometry(), box.adjusted(0, 0, 100, 50));
    for (int id : buttons) QCOMPARE(view.GetControl(id)->geometry(), before.value(id).translated(0, 50));
}

void RiskOutputViewTest::writeWritesTheTextOfTheBox()
{
    CRiskOutputDoc document;
    QVERIFY(document.OnOpenDocument(placeReport(QStringLiteral("fixed-design.unc"), QStringLiteral("write"), true)));
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    reportBox(view)->appendPlainText(QStringLiteral("checked with the owner"));
    const QString target = folder.filePath(QStringLiteral("written.txt"));
    view.chooseOutputFile = [&] { return target; };
    button(view, CRiskOutputView::kWriteButton)->click();
    QCOMPARE(QString::fromUtf8(fileBytes(target)), reportBox(view)->toPlainText());
    QVERIFY(fileBytes(target).endsWith("END OF REPORT\n\nchecked with the owner"));
    QVERIFY(!view.HasTypedText());
}

void RiskOutputViewTest::printViaWordpadHandsOverTheReportAsItStands()
{
    CRiskOutputDoc document;
    // Blanks in the name reach the desktop as part of the one file.
    const QString report = placeReport(QStringLiteral("fixed-design.unc"), QStringLiteral("north field 2"), true);
    QVERIFY(document.OnOpenDocument(report));
    document.SetTitle(report);
    CRiskOutputView view(&document);
    view.OnInitialUpdate();
    QList<QUrl> opened;
    view.openWithDesktop = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };
    button(view, CRiskOutputView::kPrintViaWordpadButton)->click();
    const QString printed = report + QStringLiteral(".txt");
    QCOMPARE(fileBytes(printed), fileBytes(report));
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(printed)});
    QCOMPARE(opened.constFirst().toLocalFile(), printed);
}

void RiskOutputViewTest::doneAsksWhenTheTextWasEdited()
{
    QPointer<CRiskOutputDoc> document = new CRiskOutputDoc;
    QVERIFY(document->OnOpenDocument(placeReport(QStringLiteral("fixed-design.unc"), QStringLiteral("done"), true)));
    QPointer<CRiskOutputView> view = new CRiskOutputView(document);
    view->OnInitialUpdate();
    int asked = 0;
    view->askAboutTypedText = [&] {
        ++asked;
        return asked == 1 ? docview::SaveAnswer::Cancel : docview::SaveAnswer::Discard;
    };
    QPlainTextEdit* box = reportBox(*view);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("note"));
    QPushButton* done = button(*view, CRiskOutputView::kDoneButton);
    done->click();
    QTest::qWait(50);
    QCOMPARE(asked, 1);
    QVERIFY(!document.isNull() && !document->IsClosing());
    done->click();
    QTRY_VERIFY(document.isNull());
    QCOMPARE(asked, 2);
    QTRY_VERIFY(view.isNull());
}

QTEST_MAIN(RiskOutputViewTest)
#include "RiskOutputViewTest.moc"
