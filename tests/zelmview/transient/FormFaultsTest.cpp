// What the user does on the transient form and must not lose or see wrong: a paste lands where the
// cursor is, two windows of one project agree and Save writes what they show, the drain-mode text
// follows every field it depends on, the bench switch counts as a change, an untouched project
// asks nothing when it closes, Save with a cell still being edited stores it on its own event,
// a paste near the end adds the rows it needs and skips a header line, a project never saved is
// named before it runs, and a run of the saved file without the form's changes says so.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "docview/CommandIds.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "transient/EditorTestSupport.h"
#include "transient/XEdit.h"

using editortest::clickCell;
using editortest::Form;
using editortest::typeIntoField;

namespace {

// A second window of the form's project, as Window > New Window opens it.
CZelmViewView* openSecondWindow(Form& form)
{
    auto* second = new CZelmViewView(form.document);
    second->show();
    second->OnInitialUpdate();
    return second;
}

void rightClickCell(TableListCtrl& table, int row, int column)
{
    const QRect cell = table.visualRect(table.model()->index(row, column));
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, cell.center());
}

}  // namespace

class FormFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    void aPasteStartsAtTheCurrentCell()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        const QList<IrrigationDataElement> before = form.document->GetData().events;
        QVERIFY(before.size() >= 3);

        clickCell(form.table(), 2, 2);
        form.table().EndEdit();
        form.table().PasteFromClipboard(QStringLiteral("7.25"));
        QCOMPARE(form.document->GetData().events.at(2).amount, 7.25);
        QCOMPARE(form.document->GetData().events.at(0).month, before.at(0).month);

        // A right-click makes its cell current, for Paste and for Insert Row at Cursor alike.
        rightClickCell(form.table(), 1, 0);
        QCOMPARE(form.table().GetCursorRow(), 1);
        QCOMPARE(form.table().GetCursorColumn(), 0);
        form.table().PasteFromClipboard(QStringLiteral("11\t5"));
        QCOMPARE(form.document->GetData().events.at(1).month, 11);
        QCOMPARE(form.document->GetData().events.at(1).day, 5);
        QCOMPARE(form.document->GetData().events.at(0).month, before.at(0).month);
        rightClickCell(form.table(), 0, 1);
        form.view->OnCommand(zelm::kInsertRow);
        QCOMPARE(form.document->GetData().events.at(0).month, 0);
        QCOMPARE(form.document->GetData().events.size(), before.size() + 1);
        form.table().EndEdit();
    }

    void twoWindowsOfAProjectAgreeAndSaveWritesWhatTheyShow()
    {
        docview::MessageRecorder messages;
        Form form;
        const QString path = editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path());
        QVERIFY(form.open(path));
        CZelmViewView* second = openSecondWindow(form);
        QApplication::setActiveWindow(second);
        QVERIFY(QTest::qWaitForWindowActive(second));

        typeIntoField(*second, CZelmViewView::kPermeability, QStringLiteral("2.5"));
        typeIntoField(*second, CZelmViewView::kTitle, QStringLiteral("Edited in the second window"));
        clickCell(*second->GetEventTable(), 0, 2);
        tabletest::typeIntoEditor(*second->GetEventTable(), QStringLiteral("1.75"));
        second->GetEventTable()->EndEdit();

        QCOMPARE(form.control<XEdit>(CZelmViewView::kPermeability)->text(), QStringLiteral("2.5"));
        QCOMPARE(form.control<QLineEdit>(CZelmViewView::kTitle)->text(), QStringLiteral("Edited in the second window"));
        QCOMPARE(form.table().GetCellText(0, 2), QStringLiteral("1.75"));

        QVERIFY(form.document->OnSaveDocument(path));
        ZELMData saved;
        QVERIFY(saved.ReadData(path));
        QCOMPARE(saved.permeability, 2.5);
        QCOMPARE(saved.title, QStringLiteral("Edited in the second window"));
        QVERIFY(messages.messages().isEmpty());
        delete second;
    }

    void theDrainModeTextFollowsTheDepthToTheDrain()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        typeIntoField(*form.view, CZelmViewView::kDepthToDrain, QStringLiteral("6"));
        typeIntoField(*form.view, CZelmViewView::kRootZoneRequirement, QStringLiteral("1"));
        typeIntoField(*form.view, CZelmViewView::kDrainToBarrier, QStringLiteral("100"));
        const auto* criteria = form.control<QRadioButton>(CZelmViewView::kCriteriaRadio);
        QCOMPARE(criteria->text(), QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = 0.05)"));
        typeIntoField(*form.view, CZelmViewView::kDepthToDrain, QStringLiteral("1011"));
        QCOMPARE(criteria->text(), QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = 10.10)"));
        QCOMPARE(form.document->GetData().maxWaterTable, 1010.0);
    }

    void theBenchSwitchIsAChangeAndAnUntouchedProjectAsksNothing()
    {
        editortest::SaveQuestionRecorder questions;
        auto* form = new Form;
        QVERIFY(form->open(editortest::copyExample(QStringLiteral("polder-analysis"), folder.path())));
        QVERIFY(!form->document->IsModified());
        QVERIFY(form->document->SaveModified());
        QVERIFY(questions.asked.isEmpty());

        form->view->OnCommand(zelm::kBenchBottomland);
        QVERIFY(form->document->IsModified());
        editortest::closeWithDone(form);
        QCOMPARE(questions.asked.size(), 1);
    }

    void saveWithACellStillBeingEditedStoresTheEditOnItsOwnEvent()
    {
        Form form;
        const QString path = editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path());
        QVERIFY(form.open(path));
        const double amount = form.document->GetData().events.at(0).amount;
        // The first event moves to December, and its day is still being typed when Save comes.
        clickCell(form.table(), 0, 0);
        tabletest::typeIntoEditor(form.table(), QStringLiteral("12"), Qt::Key_Tab);
        QTest::keyClicks(form.table().GetEditor(), QStringLiteral("30"));
        form.document->OnCommand(docview::kFileSave);

        ZELMData saved;
        QVERIFY(saved.ReadData(path));
        QCOMPARE(saved.events, form.document->GetData().events);
        QCOMPARE(saved.events.last(), (IrrigationDataElement{12, 30, amount}));
        QList<IrrigationDataElement> sorted = saved.events;
        QVERIFY(ZELMData::SortEventsByDate(sorted));
        QCOMPARE(sorted, saved.events);
        QVERIFY(!form.document->IsModified());
    }

    void aPasteBeyondTheLastRowAddsEventsAndSkipsAHeaderLine()
    {
        docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        const QList<IrrigationDataElement> before = form.document->GetData().events;
        clickCell(form.table(), 9, 0);
        form.table().EndEdit();
        form.table().PasteFromClipboard(
            QStringLiteral("Month\tDay\tDeep Perc (in)\r\n12\t20\t0.5\r\n12\t28\t0.75\r\n12\t31\t1"));
        const QList<IrrigationDataElement> pasted = {{12, 20, 0.5}, {12, 28, 0.75}, {12, 31, 1.0}};
        QCOMPARE(form.document->GetData().events, before.first(9) + pasted);
        QCOMPARE(form.table().rowCount(), 12);
        QCOMPARE(form.table().GetCellText(11, 1), QStringLiteral("31"));
        QCOMPARE(notes.messages(), QStringList({QStringLiteral("1 pasted line without a number was skipped.")}));
        form.document->Undo();  // the paste with its new rows is one step
        QCOMPARE(form.document->GetData().events, before);
    }

    void theTitleAndCommentAreStoredAsTheFileKeepsThem()
    {
        Form form;
        const QString path = editortest::copyExample(QStringLiteral("polder-analysis"), folder.path());
        QVERIFY(form.open(path));
        typeIntoField(*form.view, CZelmViewView::kTitle, QStringLiteral("  Padded title  "));
        auto* comment = form.control<QPlainTextEdit>(CZelmViewView::kComment);
        comment->setFocus();
        comment->selectAll();
        QTest::keyClicks(comment, QStringLiteral("  First line   "));
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClick(comment, Qt::Key_Return);
        form.document->OnCommand(docview::kFileSave);
        ZELMData saved;
        QVERIFY(saved.ReadData(path));
        QCOMPARE(form.document->GetData().title, QStringLiteral("Padded title"));
        QCOMPARE(form.document->GetData().comment, QStringLiteral("First line"));
        QVERIFY(form.document->GetData() == saved);
        QCOMPARE(comment->toPlainText(), saved.comment);
    }

    void aProjectNeverSavedIsNamedBeforeItRunsAndCancelEndsTheRunQuietly()
    {
        docview::MessageRecorder messages;
        int asked = 0;
        docview::setSaveAsPathHandler([&asked](const docview::Document&) {
            ++asked;
            return QString();
        });
        Form form;
        form.showNew();
        for (int run = 1; run <= 2; ++run) {
            form.view->OnCommand(zelm::kRunModel);
            QCOMPARE(asked, run);
            QVERIFY(!form.view->IsRunning());
        }
        QVERIFY(messages.messages().isEmpty());
        docview::setSaveAsPathHandler({});
    }

    void aRunOfTheSavedFileWithoutTheFormsChangesSaysSoInTheReport()
    {
        docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
        editortest::SaveQuestionRecorder questions;  // answers No
        Form form;
        const QString path = editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path());
        QVERIFY(form.open(path));
        form.document->SetExeDirectory(QFileInfo(QStringLiteral(ZELM_BINARY)).absolutePath() + QLatin1Char('/'));
        QPointer<docview::Document> report;
        form.view->openReport = [&report](const QString& reportPath) {
            report = new docview::Document;
            report->SetPathName(reportPath);
            return report.data();
        };
        typeIntoField(*form.view, CZelmViewView::kPermeability, QStringLiteral("9"));
        form.view->OnCommand(zelm::kRunModel);
        QTRY_VERIFY_WITH_TIMEOUT(!form.view->IsRunning(), 10000);
        QCOMPARE(questions.asked.size(), 1);
        QVERIFY(report);
        QVERIFY(report->GetTitle().endsWith(QStringLiteral(" (the saved file, not the form)")));
        QCOMPARE(notes.messages(), QStringList({QStringLiteral("The model ran on the saved file ") + path +
                                                QStringLiteral("; the changes in the form were not saved.")}));
        delete report;
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(FormFaultsTest)
#include "FormFaultsTest.moc"
