// The sensitivity window as the user meets it: opened from the Model menu's command on what the form
// holds (typed text included), following the stored changes, showing a refused change as refused,
// sweeping one input, and exporting and copying the page shown.
#include <qcustomplot.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

#include "docview/MessageSink.h"
#include "transient/EditorTestSupport.h"
#include "transient/SensitivityWindow.h"

using editortest::Form;

namespace {

// The text of the tick a tornado's row stands at.
QString tickLabel(const SensitivityWindow& window, int row)
{
    auto* ticker = dynamic_cast<QCPAxisTickerText*>(window.GetTornadoPlot()->yAxis->ticker().data());
    return ticker == nullptr ? QString() : ticker->ticks().value(int(window.GetStudy().tornado.bars.size()) - row);
}

int rowOf(const QTableWidget& table, const QString& inputName)
{
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text().startsWith(inputName)) return row;
    return -1;
}

}  // namespace

class SensitivityWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    // Typed text counts, as it does for Run: the window studies a permeability of 3 that was never
    // tabbed out of; the command stores it first, one undo step.
    void theMenuCommandStudiesWhatTheFormHolds()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        auto* permeability = form.control<QLineEdit>(CZelmViewView::kPermeability);
        permeability->setFocus();
        permeability->selectAll();
        QTest::keyClicks(permeability, QStringLiteral("3"));
        QVERIFY(form.view->HandlesCommand(CZelmViewView::kSensitivityCommand));
        QVERIFY(form.view->OnCommand(CZelmViewView::kSensitivityCommand));
        SensitivityWindow* window = form.view->GetSensitivityWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(form.document->GetData().permeability, 3.0);
        QCOMPARE(form.document->GetUndoStack()->count(), 1);

        const model::Tornado expected = model::tornado(form.document->GetData(), 20.0);
        const model::Tornado& shown = window->GetStudy().tornado;
        QCOMPARE(shown.base.value, expected.base.value);
        QCOMPARE(int(shown.bars.size()), 7);
        QTableWidget& table = *window->GetTornadoTable();
        QCOMPARE(table.rowCount(), 7);
        for (int row = 0; row < 7; ++row) {
            const model::TornadoBar& bar = expected.bars[std::size_t(row)];
            QVERIFY(table.item(row, 0)->text().startsWith(model::inputName(bar.input)));
            QCOMPARE(table.item(row, 2)->text(), sensitivity::resultText(bar.low.value));
            QCOMPARE(table.item(row, 4)->text(), sensitivity::resultText(bar.high.value));
            QVERIFY(tickLabel(*window, row).startsWith(model::inputName(bar.input)));
        }
        auto* base = window->findChild<QLabel*>(QStringLiteral("baseLabel"));
        QVERIFY(base->text().contains(sensitivity::resultText(expected.base.value) + QStringLiteral(" ft")));

        // A second Sensitivity brings the same window up to date.
        QVERIFY(form.view->OnCommand(CZelmViewView::kSensitivityCommand));
        QCOMPARE(form.view->GetSensitivityWindow(), window);
    }

    void itFollowsStoredChangesAndThePerCent()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        form.view->ShowSensitivity();
        SensitivityWindow& window = *form.view->GetSensitivityWindow();
        const double before = window.GetStudy().tornado.base.value;
        editortest::typeIntoField(*form.view, CZelmViewView::kPermeability, QStringLiteral("2.5"));
        QVERIFY(window.GetStudy().tornado.base.value > before);
        QCOMPARE(window.GetStudy().project.permeability, 2.5);

        window.SetPercent(5.0);
        const model::TornadoBar& bar = window.GetStudy().tornado.bars.front();
        QCOMPARE(bar.highInput, model::inputValue(form.document->GetData(), bar.input) * 1.05);

        // Analysis of the example's spacing 0 is refused as a whole; of 60 ft it studies the
        // spacing instead of the maximum water table.
        editortest::clickRadio(form.control<QRadioButton>(CZelmViewView::kAnalysisRadio));
        QCOMPARE(window.GetStudy().project.inputMode, ZELMData::InputMode::Analysis);
        QVERIFY(window.GetStudy().tornado.base.refused());
        QCOMPARE(window.GetTornadoTable()->rowCount(), 0);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("baseLabel"))
                    ->text()
                    .startsWith(QStringLiteral("The model refuses the project as it stands: ERROR")));
        editortest::typeIntoField(*form.view, CZelmViewView::kDrainSpacing, QStringLiteral("60"));
        QVERIFY(rowOf(*window.GetTornadoTable(), QStringLiteral("Drain spacing")) >= 0);
        QCOMPARE(rowOf(*window.GetTornadoTable(), QStringLiteral("Maximum water table")), -1);
    }

    void aRefusedChangeShowsTheModelsMessage()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        editortest::typeIntoField(*form.view, CZelmViewView::kSpecificYield, QStringLiteral("0.9"));
        form.view->ShowSensitivity();
        SensitivityWindow& window = *form.view->GetSensitivityWindow();
        const QTableWidget& table = *window.GetTornadoTable();
        const int row = rowOf(table, QStringLiteral("Specific yield"));
        QVERIFY(row >= 0);
        QCOMPARE(table.item(row, 4)->text(), QStringLiteral("refused"));
        QCOMPARE(table.item(row, 4)->toolTip(), QStringLiteral("ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]"));
        QVERIFY(table.item(row, 2)->text() != QStringLiteral("refused"));
        QVERIFY(tickLabel(window, row).endsWith(QStringLiteral("raised: refused")));

        // A sweep past 1 keeps a gap and says why.
        window.SetSweep(model::StudyInput::SpecificYield, 0.5, 1.5, 11);
        QCOMPARE(int(window.GetStudy().sweep.size()), 11);
        auto* note = window.findChild<QLabel*>(QStringLiteral("sweepNote"));
        QVERIFY(note->text().startsWith(QStringLiteral("The model refuses 5 of the 11 values, first at 1.1: ERROR")));
        QVERIFY(std::isnan(window.GetSweepPlot()->graph(0)->data()->at(10)->value));
        QVERIFY(messages.messages().isEmpty());
    }

    void theSweepMarksTheProjectsValue()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("polder-analysis"), folder.path())));
        form.view->ShowSensitivity();
        SensitivityWindow& window = *form.view->GetSensitivityWindow();
        window.ShowPage(SensitivityWindow::kSweepPage);
        auto* inputs = window.findChild<QComboBox*>(QStringLiteral("sweepInputBox"));
        inputs->setCurrentIndex(inputs->findText(QStringLiteral("Drain spacing")));
        const double spacing = form.document->GetData().drainSpacing;
        const std::vector<model::SweepPoint>& sweep = window.GetStudy().sweep;
        QCOMPARE(int(sweep.size()), 50);
        QCOMPARE(sweep.front().input, spacing * 0.5);
        QCOMPARE(sweep.back().input, spacing * 1.5);
        QCustomPlot& plot = *window.GetSweepPlot();
        QCOMPARE(plot.graph(0)->dataCount(), 50);
        QCOMPARE(plot.graph(1)->data()->at(0)->key, spacing);
        QCOMPARE(plot.graph(1)->data()->at(0)->value, window.GetStudy().tornado.base.value);
    }

    void everyPageExportsAndCopies()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        form.view->ShowSensitivity();
        SensitivityWindow& window = *form.view->GetSensitivityWindow();
        QVERIFY(window.ExportPage(folder.filePath(QStringLiteral("tornado.csv"))));
        QFile tornado(folder.filePath(QStringLiteral("tornado.csv")));
        QVERIFY(tornado.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = tornado.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + 1 + 7 + 1);  // header, base, bars, the end of the last line
        QCOMPARE(lines[0], QByteArray("Input,Unit,Lowered to,Drain spacing (ft) lowered,Raised to,"
                                      "Drain spacing (ft) raised,Effect"));
        QVERIFY(lines[2].startsWith(model::inputName(window.GetStudy().tornado.bars[0].input).toUtf8() + ','));
        for (const char* suffix : {"png", "svg", "pdf"}) {
            const QString path = folder.filePath(QStringLiteral("tornado.") + QLatin1String(suffix));
            QVERIFY(window.ExportPage(path));
            QVERIFY(QFileInfo(path).size() > 1000);
        }
        QString suggested;
        const QString chosen = folder.filePath(QStringLiteral("chosen.csv"));
        window.chooseExportFile = [&](const QString& filter, const QString& path) {
            suggested = path;
            return filter.contains(QStringLiteral("csv")) ? chosen : QString();
        };
        window.ShowPage(SensitivityWindow::kSweepPage);
        QMenu* exports = window.findChild<QMenu*>(QStringLiteral("exportMenu"));
        exports->actions().at(0)->trigger();
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("hillcrest-design-sweep.csv"));
        QFile sweep(chosen);
        QVERIFY(sweep.open(QIODevice::ReadOnly));
        QCOMPARE(sweep.readAll().count('\n'), 1 + 50);
        window.CopyChart();
        QCOMPARE(QApplication::clipboard()->image().size(), window.GetSweepPlot()->size());
        QVERIFY(messages.messages().isEmpty());
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(SensitivityWindowTest)
#include "SensitivityWindowTest.moc"
