// The report window: its text with and without the seasonal-high-water-table summary, the line
// that judges the run above it, the files
// that Write and Print via Wordpad leave (and a failed save that keeps the old file), printing to
// PDF, Done with the question about typed text, and the resizing rule.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "data/CZELMOutputDoc.h"
#include "data/SaveFailures.h"
#include "docview/MessageSink.h"
#include "output/CZELMOutputView.h"
#include "output/OutputReportText.h"
#include "output/TestReports.h"

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

// A document of twelve events whose thirteen build-ups (the last one closing the year) are
// deepest except at positions 3, 7 and 12: the daily rows come in pairs, before (1.0x ft) and
// after (the build-up) each event.
void fillTwelveEventDocument(CZELMOutputDoc& document, const QString& reportPath)
{
    writeFile(reportPath, "REPORT LINE   \nSECOND LINE\n");
    TransientOutputData& output = document.GetOutput();
    output.path = reportPath;
    for (int p = 0; p <= 12; ++p) {
        output.dailyDepth.append(1.0 + p / 100.0);
        output.dailyDepth.append(p == 3 ? 0.5 : p == 7 ? 0.7 : p == 12 ? 0.9 : 3.0);
        output.eventRows.append(2 * p + 1);
    }
    ZELMData& input = document.GetInput();
    input.benchBottomland = true;
    for (int event = 1; event <= 12; ++event) input.events.append({event, 2 * event, 1.0});
}

}  // namespace

class OutputViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutTheBenchFlagTheTextIsTheReportAlone();
    void withTheBenchFlagTheSummaryNamesThreeEventsWithDatedDepths();
    void fileTargetUsesLineFeedsAndTheReportAsItStands();
    void anEventOutsideTheListEndsTheSummaryWithOneMessage();
    void exampleReportsOpenIntoTheirWindow();
    void printViaWordpadWritesTitleDotTxtAndOpensIt();
    void writeSavesTheBoxWithTheUsersEdits();
    void printingToPdfWritesAFile();
    void resizingGrowsTheBoxAndMovesTheControlsDown();
    void doneClosesTheDocumentAfterTheClick();
    void doneAsksBeforeTextTheUserTypedIsThrownAway();
    void printViaWordpadSaysSoWhenNoApplicationOpensTheFile();
    void writeAndPrintViaWordpadKeepTheOldFileWhenASaveFails();
    void theWriteDialogSuggestsTheReportsName();

private:
    QTemporaryDir folder;
};

void OutputViewTest::initTestCase()
{
    QVERIFY(folder.isValid());
}

void OutputViewTest::withoutTheBenchFlagTheTextIsTheReportAlone()
{
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("plain.otr")));
    document.GetInput().benchBottomland = false;
    QCOMPARE(zelm::FillReport(document, zelm::ReportTarget::Screen), QStringLiteral("REPORT LINE\r\nSECOND LINE\r\n"));
}

void OutputViewTest::withTheBenchFlagTheSummaryNamesThreeEventsWithDatedDepths()
{
    docview::MessageRecorder messages;
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("bench.otr")));
    const QString text = zelm::FillReport(document, zelm::ReportTarget::Screen);
    // Mean of 1.03, 0.5, 1.07, 0.7, 1.12 and, for the year's closing build-up, row 0 (1.0).
    const QString expected = QStringLiteral(
        "REPORT LINE\r\nSECOND LINE\r\n"
        "\r\nSeasonal High Water Table = 0.90 ft.\r\n\r\n"
        "Deep percolation events used were 3, 7, and 12.\r\n"
        "Water table depths used to compute SHWT:\r\n"
        "March 06: 1.03\r\nMarch 06: 0.5\r\n"
        "July 14: 1.07\r\nJuly 14: 0.7\r\n"
        "December 24: 1.12\r\nDecember 24: 1\r\n");
    QCOMPARE(text, expected);
    QVERIFY(messages.messages().isEmpty());
}

void OutputViewTest::fileTargetUsesLineFeedsAndTheReportAsItStands()
{
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("file.otr")));
    const QString text = zelm::FillReport(document, zelm::ReportTarget::File);
    QVERIFY(text.startsWith(QStringLiteral("REPORT LINE   \nSECOND LINE\n\nSeasonal High Water Table = 0.90 ft.\n\n")));
    QVERIFY(!text.contains(QLatin1Char('\r')));
}

void OutputViewTest::anEventOutsideTheListEndsTheSummaryWithOneMessage()
{
    docview::MessageRecorder messages;
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("short.otr")));
    document.GetInput().events.resize(6);  // events 7 and 12 are no longer in the project
    const QString text = zelm::FillReport(document, zelm::ReportTarget::Screen);
    QVERIFY(text.endsWith(QStringLiteral("March 06: 1.03\r\nMarch 06: 0.5\r\n")));
    QCOMPARE(messages.messages().size(), 1);
}

void OutputViewTest::exampleReportsOpenIntoTheirWindow()
{
    for (const QString& name : {QStringLiteral("hillcrest-design"), QStringLiteral("polder-analysis"),
                                QStringLiteral("terrace-on-barrier")}) {
        docview::MessageRecorder messages;
        const QString report = testreports::RunExample(name, folder.path());
        QVERIFY2(!report.isEmpty(), qPrintable(name));
        CZELMOutputDoc document;
        QVERIFY(document.OnOpenDocument(report));
        CZELMOutputView view(&document);
        view.OnInitialUpdate();
        const QString shown =
            static_cast<QPlainTextEdit*>(view.GetControl(CZELMOutputView::kReportEdit))->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("TRANSIENT-STATE DRAIN SPACING")), qPrintable(name));
        QCOMPARE(shown.contains(QStringLiteral("Seasonal High Water Table = ")), document.GetInput().benchBottomland);
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join(QLatin1Char('\n'))));
        // Above the report, which stays as the model wrote it: the run judged.
        QVERIFY(!view.GetAssessmentLabel()->isHidden());
        const QString line = view.GetAssessmentLabel()->text();
        const bool analysis = document.GetInput().inputMode == ZELMData::InputMode::Analysis;
        QVERIFY2(line.startsWith(analysis ? QStringLiteral("<b>Analysis: peak ") : QStringLiteral("<b>Design: peak ")),
                 qPrintable(line));
    }
    // The analysis example's peak, 0.626 m, stands above the allowed 0.5 m on three days.
    CZELMOutputDoc document;
    QVERIFY(document.OnOpenDocument(folder.filePath(QStringLiteral("polder-analysis.OTR"))));
    QCOMPARE(
        document.AssessmentLine(),
        QStringLiteral("Analysis: peak 0.626 m above the drain, allowed 0.500 m: exceeds it by 0.126 m on 3 days."));
}

void OutputViewTest::printViaWordpadWritesTitleDotTxtAndOpensIt()
{
    CZELMOutputDoc document;
    const QString report = folder.filePath(QStringLiteral("wordpad.otr"));
    fillTwelveEventDocument(document, report);
    document.SetTitle(report);
    CZELMOutputView view(&document);
    QList<QUrl> opened;
    view.openWithDesktop = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };
    writeFile(report + QStringLiteral(".txt"), "an earlier, longer file that must be replaced entirely\n");
    QCOMPARE(view.PrintViaWordpad(), report + QStringLiteral(".txt"));
    QCOMPARE(readFile(report + QStringLiteral(".txt")), zelm::FillReport(document, zelm::ReportTarget::File).toUtf8());
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(report + QStringLiteral(".txt"))});
}

void OutputViewTest::writeSavesTheBoxWithTheUsersEdits()
{
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("write.otr")));
    document.GetInput().benchBottomland = false;
    CZELMOutputView view(&document);
    view.OnInitialUpdate();
    auto* box = static_cast<QPlainTextEdit*>(view.GetControl(CZELMOutputView::kReportEdit));
    box->appendPlainText(QStringLiteral("my note"));
    const QString target = folder.filePath(QStringLiteral("written.txt"));
    view.chooseOutputFile = [&] { return target; };
    docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
    static_cast<QPushButton*>(view.GetControl(CZELMOutputView::kWriteButton))->click();
    QCOMPARE(readFile(target), QByteArray("REPORT LINE\nSECOND LINE\n\nmy note"));
    // The status bar says where it went.
    QCOMPARE(notes.messages(), QStringList(QStringLiteral("The report was written to ") + target + '.'));

    // Cancelling the dialog writes nothing, and says nothing.
    QFile::remove(target);
    view.chooseOutputFile = [] { return QString(); };
    view.WriteReport();
    QVERIFY(!QFile::exists(target));
    QCOMPARE(notes.messages().size(), 1);
}

void OutputViewTest::printingToPdfWritesAFile()
{
    CZELMOutputDoc document;
    fillTwelveEventDocument(document, folder.filePath(QStringLiteral("print.otr")));
    CZELMOutputView view(&document);
    view.OnInitialUpdate();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    printer.setOutputFileName(pdf);
    view.PrintReport(printer);
    QVERIFY(readFile(pdf).startsWith("%PDF"));
}

void OutputViewTest::resizingGrowsTheBoxAndMovesTheControlsDown()
{
    CZELMOutputDoc document;
    CZELMOutputView view(&document);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QRect box = view.GetControl(CZELMOutputView::kReportEdit)->geometry();
    const QRect done = view.GetControl(CZELMOutputView::kDoneButton)->geometry();
    const QRect calendar = view.GetControl(CZELMOutputView::kCalendarRadio)->geometry();
    QVERIFY(view.GetAssessmentLabel()->isHidden());  // nothing read, nothing judged
    view.resize(view.size() + QSize(120, 80));
    QCoreApplication::processEvents();
    QCOMPARE(view.GetControl(CZELMOutputView::kReportEdit)->geometry(), box.adjusted(0, 0, 120, 80));
    QCOMPARE(view.GetControl(CZELMOutputView::kDoneButton)->geometry(), done.translated(0, 80));
    QCOMPARE(view.GetControl(CZELMOutputView::kCalendarRadio)->geometry(), calendar.translated(0, 80));
    view.resize(view.size() - QSize(200, 30));
    QCoreApplication::processEvents();
    QCOMPARE(view.GetControl(CZELMOutputView::kReportEdit)->geometry(), box.adjusted(0, 0, -80, 50));
    QCOMPARE(view.GetControl(CZELMOutputView::kDoneButton)->geometry(), done.translated(0, 50));
}

void OutputViewTest::doneClosesTheDocumentAfterTheClick()
{
    QPointer<CZELMOutputDoc> document = new CZELMOutputDoc;
    QPointer<CZELMOutputView> view = new CZELMOutputView(document);
    static_cast<QPushButton*>(view->GetControl(CZELMOutputView::kDoneButton))->click();
    QVERIFY(!document->IsClosing());  // posted: nothing closes inside the click
    QTRY_VERIFY(document.isNull());
    QTRY_VERIFY(view.isNull());
}

void OutputViewTest::doneAsksBeforeTextTheUserTypedIsThrownAway()
{
    QPointer<CZELMOutputDoc> document = new CZELMOutputDoc;
    fillTwelveEventDocument(*document, folder.filePath(QStringLiteral("typed.otr")));
    QPointer<CZELMOutputView> view = new CZELMOutputView(document);
    view->OnInitialUpdate();
    QVERIFY(!view->HasTypedText());
    auto* box = static_cast<QPlainTextEdit*>(view->GetControl(CZELMOutputView::kReportEdit));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("my note"));
    QVERIFY(view->HasTypedText());

    QList<docview::SaveAnswer> answers{docview::SaveAnswer::Cancel, docview::SaveAnswer::Save,
                                       docview::SaveAnswer::Discard};
    int asked = 0;
    view->askAboutTypedText = [&] {
        ++asked;
        return answers.takeFirst();
    };
    auto* done = static_cast<QPushButton*>(view->GetControl(CZELMOutputView::kDoneButton));
    // Stay: the window keeps the text.
    done->click();
    QTest::qWait(50);
    QCOMPARE(asked, 1);
    QVERIFY(!document.isNull() && !document->IsClosing());
    // Write, but the dialog is cancelled: nothing is written, the window stays.
    view->chooseOutputFile = [] { return QString(); };
    done->click();
    QTest::qWait(50);
    QCOMPARE(asked, 2);
    QVERIFY(!document.isNull() && !document->IsClosing());
    // Discard: the window closes.
    done->click();
    QTRY_VERIFY(document.isNull());
    QCOMPARE(asked, 3);

    // Written text asks nothing more.
    document = new CZELMOutputDoc;
    fillTwelveEventDocument(*document, folder.filePath(QStringLiteral("typed.otr")));
    view = new CZELMOutputView(document);
    view->OnInitialUpdate();
    static_cast<QPlainTextEdit*>(view->GetControl(CZELMOutputView::kReportEdit))->appendPlainText(QStringLiteral("x"));
    const QString target = folder.filePath(QStringLiteral("typed.txt"));
    view->chooseOutputFile = [&] { return target; };
    view->askAboutTypedText = [] { return docview::SaveAnswer::Save; };
    QVERIFY(view->QueryClose());
    QVERIFY(readFile(target).endsWith("\nx"));
    QVERIFY(!view->HasTypedText());
    view->askAboutTypedText = [] { return docview::SaveAnswer::Cancel; };
    QVERIFY(view->QueryClose());
    delete view;
    delete document;
}

void OutputViewTest::printViaWordpadSaysSoWhenNoApplicationOpensTheFile()
{
    CZELMOutputDoc document;
    const QString report = folder.filePath(QStringLiteral("noeditor.otr"));
    fillTwelveEventDocument(document, report);
    document.SetTitle(report);
    CZELMOutputView view(&document);
    view.openWithDesktop = [](const QUrl&) { return false; };
    docview::MessageRecorder messages;
    QCOMPARE(view.PrintViaWordpad(), report + QStringLiteral(".txt"));
    QCOMPARE(messages.messages(), QStringList(QStringLiteral("No application could open ") + report +
                                              QStringLiteral(".txt. The report was written there; open it with a "
                                                             "text editor.")));
    QVERIFY(QFile::exists(report + QStringLiteral(".txt")));
}

void OutputViewTest::writeAndPrintViaWordpadKeepTheOldFileWhenASaveFails()
{
    QTemporaryDir place;
    CZELMOutputDoc document;
    const QString report = place.filePath(QStringLiteral("full.otr"));
    fillTwelveEventDocument(document, report);
    document.SetTitle(report);
    CZELMOutputView view(&document);
    view.OnInitialUpdate();
    bool opened = false;
    view.openWithDesktop = [&opened](const QUrl&) { return opened = true; };
    const QString written = place.filePath(QStringLiteral("written.txt"));
    const QString printed = report + QStringLiteral(".txt");
    for (const QString& path : {written, printed}) writeFile(path, "the old file\n");
    view.chooseOutputFile = [&] { return written; };

    docview::MessageRecorder messages;
    {
        const FileSizeLimit full(8);
        QVERIFY(!view.WriteReport());
        QVERIFY(view.PrintViaWordpad().isEmpty());
    }
    {
        const WriteProtectedFolder readOnly(place.path());
        QVERIFY(!view.WriteReport());
        QVERIFY(view.PrintViaWordpad().isEmpty());
    }
    QCOMPARE(messages.messages(), QStringList({"Unable to write " + written, "Unable to write " + printed,
                                               "Unable to open " + written, "Unable to open " + printed}));
    for (const QString& path : {written, printed}) QCOMPARE(readFile(path), QByteArray("the old file\n"));
    // No editor is started on a file that was not written.
    QVERIFY(!opened);
}

void OutputViewTest::theWriteDialogSuggestsTheReportsName()
{
    CZELMOutputDoc document;
    const QString report = folder.filePath(QStringLiteral("suggested.OTR"));
    fillTwelveEventDocument(document, report);
    document.SetPathName(report);
    CZELMOutputView view(&document);
    QTimer::singleShot(0, &view, [report] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->selectedFiles().value(0), QFileInfo(report).absolutePath() + "/suggested.txt");
        dialog->reject();
    });
    QVERIFY(!view.WriteReport());
}

QTEST_MAIN(OutputViewTest)
#include "OutputViewTest.moc"
