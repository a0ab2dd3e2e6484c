// The transient project form and its document: cell values and their clamps, the numeric fields,
// units, the barrier criterion text, the events' Add, Insert and Delete, saving, and the folder
// remembered between sessions.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "chart/GraphDlg.h"
#include "data/LeadingNumber.h"
#include "data/UnitFactors.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"
#include "transient/EditorTestSupport.h"
#include "transient/XEdit.h"

using editortest::clickCell;
using editortest::Form;
using editortest::typeIntoEditor;

namespace {

void addEvents(Form& form, int count)
{
    form.control<QSpinBox>(CZelmViewView::kEventsToAdd)->setValue(count);
    QTest::mouseClick(form.control<QPushButton>(CZelmViewView::kAddButton), Qt::LeftButton);
}

// Types into a numeric field and moves the focus on, as the user does.
void typeIntoField(Form& form, int controlId, const QString& text)
{
    editortest::typeIntoField(*form.view, controlId, text);
}

QString criteriaText(const Form& form)
{
    return form.control<QRadioButton>(CZelmViewView::kCriteriaRadio)->text();
}

}  // namespace

class TransientFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    void aDayIsHeldToItsMonthAndAMonthToTheCalendar()
    {
        docview::MessageRecorder messages;
        docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
        Form form;
        form.showNew();
        addEvents(form, 3);
        QCOMPARE(form.table().rowCount(), 3);
        QCOMPARE(form.table().GetCellText(2, 0), QStringLiteral("0"));
        QCOMPARE(form.table().GetEditor()->GetRow(), 0);  // the editor opens on the first new row

        typeIntoEditor(form.table(), QStringLiteral("2"), Qt::Key_Tab);
        typeIntoEditor(form.table(), QStringLiteral("31"), Qt::Key_Tab);
        typeIntoEditor(form.table(), QStringLiteral("3.5abc"), Qt::Key_Tab);
        typeIntoEditor(form.table(), QStringLiteral("0"), Qt::Key_Tab);
        clickCell(form.table(), 2, 1);  // month of row 2 is still 0: no upper limit
        typeIntoEditor(form.table(), QStringLiteral("45"));

        const QList<IrrigationDataElement>& events = form.document->GetData().events;
        QCOMPARE(events.at(0).month, 2);
        QCOMPARE(events.at(0).day, 28);  // the model's year has no 29 February
        QCOMPARE(events.at(0).amount, 3.5);
        QCOMPARE(form.table().GetCellText(0, 2), QStringLiteral("3.5"));
        QCOMPARE(events.at(1).month, 1);
        QCOMPARE(events.at(2).day, 45);
        QVERIFY(form.document->IsModified());
        // A month that lacks the day holds the day to its end, too.
        clickCell(form.table(), 2, 0);
        typeIntoEditor(form.table(), QStringLiteral("4"));
        QCOMPARE(events.at(2).day, 30);
        QCOMPARE(notes.messages(),
                 QStringList({QStringLiteral("Day 31 changed to 28: February has 28 days in the model's year."),
                              QStringLiteral("Month 0 changed to 1: months run from 1 to 12."),
                              QStringLiteral("Day 45 changed to 30: April has 30 days in the model's year.")}));
    }

    void escapeLeavesTheCellAndTheEventAlone()
    {
        Form form;
        form.showNew();
        addEvents(form, 1);
        QTest::keyClicks(form.table().GetEditor(), QStringLiteral("7"));
        QTest::keyClick(form.table().GetEditor(), Qt::Key_Escape);
        QCOMPARE(form.document->GetData().events.at(0).month, 0);
        QCOMPARE(form.table().GetCellText(0, 0), QStringLiteral("0"));
    }

    void pastingTheCopyOfTheEventsRestoresThemThroughTheSameChecks()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        form.view->OnCommand(zelm::kCopyRows);
        const QList<IrrigationDataElement> original = form.document->GetData().events;
        for (IrrigationDataElement& event : form.document->GetData().events) event = IrrigationDataElement{};
        form.view->FillEventTable();
        form.view->OnCommand(zelm::kPasteRows);
        const QList<IrrigationDataElement>& pasted = form.document->GetData().events;
        for (qsizetype index = 0; index < original.size(); ++index) {
            QCOMPARE(pasted.at(index).month, original.at(index).month);
            QCOMPARE(pasted.at(index).day, original.at(index).day);
            QCOMPARE(pasted.at(index).amount, original.at(index).amount);
        }
    }

    void insertAndDeleteWorkOnTheRowsChosen()
    {
        Form form;
        form.showNew();
        addEvents(form, 6);
        for (int row = 0; row < 6; ++row) form.document->GetData().events[row].month = row + 1;
        form.view->FillEventTable();

        clickCell(form.table(), 2, 1);
        form.view->OnCommand(zelm::kInsertRow);
        QCOMPARE(form.document->GetData().events.size(), 7);
        QCOMPARE(form.document->GetData().events.at(2).month, 0);
        QCOMPARE(form.document->GetData().events.at(3).month, 3);

        QStringList offered;
        form.view->chooseItemsToDelete = [&offered](const QStringList& texts) {
            offered = texts;
            return QList<int>({6, 2, 0});
        };
        QTest::mouseClick(form.control<QPushButton>(CZelmViewView::kDeleteButton), Qt::LeftButton);
        QCOMPARE(offered.at(1), QStringLiteral("2/0 - row 2, amount 0"));
        QList<int> months;
        for (const IrrigationDataElement& event : form.document->GetData().events) months.append(event.month);
        QCOMPARE(months, QList<int>({2, 3, 4, 5}));
        QCOMPARE(form.table().rowCount(), 4);

        // The cursor row may now lie past the end; the new row then goes last.
        form.table().EditCell(3, 0);
        form.table().EndEdit();
        form.view->chooseItemsToDelete = [](const QStringList&) { return QList<int>({3, 2, 1}); };
        form.view->DeleteEvents();
        form.view->InsertRowAtCursor();
        QCOMPARE(form.document->GetData().events.size(), 2);
    }

    void switchingToMetricConvertsAndRelabels()
    {
        Form form;
        form.showNew();
        addEvents(form, 2);
        form.document->GetData().events[0].amount = 1;
        form.document->GetData().events[1].amount = 2;
        form.document->GetData().depthToDrain = 6;
        form.view->RefreshFromDocument();

        QComboBox* units = form.control<QComboBox>(CZelmViewView::kUnitsList);
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Down);
        QCOMPARE(form.document->GetData().metricUnits, ZELMData::Units::Metric);
        QCOMPARE(form.table().GetCellText(0, 2), QStringLiteral("2.54"));
        QCOMPARE(form.table().GetCellText(1, 2), QStringLiteral("5.08"));
        QCOMPARE(form.table().GetColumnTitle(2), QStringLiteral("Deep Perc (cm)"));
        QCOMPARE(form.control<QLabel>(CZelmViewView::kPermeabilityUnit)->text(), QStringLiteral("m/day"));
        QCOMPARE(form.control<QLabel>(CZelmViewView::kAwhcUnit)->text(), QStringLiteral("cm"));
        QCOMPARE(form.control<QLabel>(CZelmViewView::kAwhcLabel)->text(),
                 QStringLiteral("AWHC for top 1.524 m of Soil"));
        QCOMPARE(form.document->GetData().depthToDrain, 6 / 3.2808398);
        QCOMPARE(form.control<XEdit>(CZelmViewView::kDepthToDrain)->text(), QStringLiteral("1.8288"));

        QTest::keyClick(units, Qt::Key_Up);
        QVERIFY(qAbs(form.document->GetData().depthToDrain - 6) < 1e-12);
        QVERIFY(qAbs(form.document->GetData().events.at(1).amount - 2) < 1e-12);
        form.document->ConvertUnits(ZELMData::Units::English);  // the same units convert nothing
        QVERIFY(qAbs(form.document->GetData().depthToDrain - 6) < 1e-12);
    }

    void unitsThatWouldTakeAValuePastTheFileStayAsTheyAre()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        auto* units = form.control<QComboBox>(CZelmViewView::kUnitsList);
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Down);
        typeIntoField(form, CZelmViewView::kPermeability, QStringLiteral("3e38"));  // 9.8e38 ft/day
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Up);
        QCOMPARE(messages.messages(), QStringList({zelm::kConversionTooLargeText}));
        QCOMPARE(form.document->GetData().metricUnits, ZELMData::Units::Metric);
        QCOMPARE(units->currentText(), QStringLiteral("Metric"));
        QCOMPARE(form.document->GetData().permeability, 3e38);
    }

    void aWheelTurnedOverTheClosedUnitsListConvertsNothing()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        auto* units = form.control<QComboBox>(CZelmViewView::kUnitsList);
        formtest::turnWheel(units, -1);
        QCOMPARE(units->currentIndex(), 0);
        QCOMPARE(form.document->GetData().metricUnits, ZELMData::Units::English);
        QVERIFY(!form.document->IsModified());
    }

    void barrierTextFollowsTheMaximumWaterTableAndTheBarrier()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        typeIntoField(form, CZelmViewView::kDepthToDrain, QStringLiteral("6"));
        typeIntoField(form, CZelmViewView::kRootZoneRequirement, QStringLiteral("1"));
        QCOMPARE(criteriaText(form), QStringLiteral("Drain is on Barrier (Depth To Barrier = 0)"));
        typeIntoField(form, CZelmViewView::kDrainToBarrier, QStringLiteral("100"));
        QCOMPARE(form.document->GetData().maxWaterTable, 5.0);
        QCOMPARE(criteriaText(form), QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = 0.05)"));
        typeIntoField(form, CZelmViewView::kDrainToBarrier, QStringLiteral("0.4"));
        QCOMPARE(criteriaText(form), QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = 12.50)"));
        typeIntoField(form, CZelmViewView::kDrainToBarrier, QStringLiteral("0.5"));
        QCOMPARE(criteriaText(form), QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = 10.00)"));
        // A root zone deeper than the drain (as in a new project before the depth to the drain is
        // typed) gives a negative ratio, shown once the barrier's distance is: it is not 0.
        typeIntoField(form, CZelmViewView::kRootZoneRequirement, QStringLiteral("7"));
        QCOMPARE(criteriaText(form), QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = -2.00)"));
        QCOMPARE(form.document->GetData().barrierMode,
                 ZELMData::BarrierMode::ByCriterion);  // the text never changes the mode
        QVERIFY(messages.messages().isEmpty());
    }

    void lettersInANumericFieldPromptAndShowTheStoredValueAgain()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        typeIntoField(form, CZelmViewView::kPermeability, QStringLiteral("1.5"));
        const qsizetype steps = form.document->GetUndoStack()->count();
        typeIntoField(form, CZelmViewView::kPermeability, QStringLiteral("abc"));
        QCOMPARE(form.control<XEdit>(CZelmViewView::kPermeability)->text(), QStringLiteral("1.5"));
        QCOMPARE(form.document->GetData().permeability, 1.5);
        QCOMPARE(messages.messages().size(), 1);
        // Leaving the field again changes nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.document->GetData().permeability, 1.5);
        QCOMPARE(form.document->GetUndoStack()->count(), steps);

        // A bad number elsewhere stops a save's commit at that field; the fields before it are in.
        form.control<XEdit>(CZelmViewView::kPermeability)->setText(QStringLiteral("x"));
        form.control<XEdit>(CZelmViewView::kDepthToDrain)->setText(QStringLiteral("4"));
        form.control<XEdit>(CZelmViewView::kAwhc)->setText(QStringLiteral("9"));
        QVERIFY(!form.view->CommitToDocument());
        QCOMPARE(form.document->GetData().depthToDrain, 4.0);
        QCOMPARE(form.document->GetData().awhc, 0.0);
    }

    void numbersTheFileCannotKeepAreRefusedInFieldsAndCells()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        typeIntoField(form, CZelmViewView::kPermeability, QStringLiteral("1e39"));  // beyond what the reader takes
        QCOMPARE(form.document->GetData().permeability, 1.5);
        const QStringList unreadable = {QStringLiteral("inf"), QStringLiteral("nan"), QStringLiteral("info"),
                                        QStringLiteral("nano"), QStringLiteral("-1e39")};
        for (const QString& text : unreadable) {
            clickCell(form.table(), 0, 2);
            typeIntoEditor(form.table(), text);
        }
        QCOMPARE(messages.messages(), QStringList(unreadable.size() + 1, zelm::kNotANumberPrompt));
        QCOMPARE(form.document->GetData().events.at(0).amount, 0.6);
        QCOMPARE(form.table().GetCellText(0, 2), QStringLiteral("0.6"));
        QVERIFY(!form.document->IsModified());
    }

    void inputModeAndBenchAndBottomlandShowTheirFields()
    {
        Form form;
        form.showNew();
        QVERIFY(form.control<XEdit>(CZelmViewView::kRootZoneRequirement)->isEnabled());
        QVERIFY(!form.control<XEdit>(CZelmViewView::kDrainSpacing)->isEnabled());
        editortest::clickRadio(form.control<QRadioButton>(CZelmViewView::kAnalysisRadio));
        QCOMPARE(form.document->GetData().inputMode, ZELMData::InputMode::Analysis);
        QVERIFY(form.control<XEdit>(CZelmViewView::kDrainSpacing)->isEnabled());

        QVERIFY(!form.control<XEdit>(CZelmViewView::kAwhc)->isVisible());
        form.document->SetModifiedFlag(false);
        form.view->OnCommand(zelm::kBenchBottomland);
        QVERIFY(form.control<XEdit>(CZelmViewView::kAwhc)->isVisible());
        QVERIFY(form.document->GetData().benchBottomland);
        QVERIFY(form.document->IsModified());
        // The form's switch agrees with the menu's, and works the same.
        auto* bench = form.control<QCheckBox>(CZelmViewView::kBenchBottomlandCheck);
        QVERIFY(bench->isChecked());
        bench->setFocus();
        QTest::keyClick(bench, Qt::Key_Space);
        QVERIFY(!form.document->GetData().benchBottomland);
        QVERIFY(!form.control<XEdit>(CZelmViewView::kAwhc)->isVisible());
        QVERIFY(!bench->isChecked());
        form.view->OnCommand(zelm::kBenchBottomland);
        QVERIFY(bench->isChecked());

        editortest::clickRadio(form.control<QRadioButton>(CZelmViewView::kOnBarrierRadio));
        QCOMPARE(form.document->GetData().barrierMode, ZELMData::BarrierMode::OnBarrier);
    }

    void theFormShowsTheProjectsCodes()
    {
        Form form;
        form.showNew();
        ZELMData& project = form.document->GetData();
        const auto checked = [&form](int radioId) { return form.control<QRadioButton>(radioId)->isChecked(); };
        auto* units = form.control<QComboBox>(CZelmViewView::kUnitsList);

        project.inputMode = ZELMData::InputMode::Analysis;
        project.metricUnits = ZELMData::Units::Metric;
        project.barrierMode = ZELMData::BarrierMode::OnBarrier;
        form.view->RefreshFromDocument();
        QVERIFY(checked(CZelmViewView::kAnalysisRadio));
        QCOMPARE(units->currentText(), QStringLiteral("Metric"));
        QVERIFY(checked(CZelmViewView::kOnBarrierRadio));

        project.inputMode = ZELMData::InputMode::Design;
        project.metricUnits = ZELMData::Units::English;
        project.barrierMode = ZELMData::BarrierMode::OffBarrier;
        form.view->RefreshFromDocument();
        QVERIFY(checked(CZelmViewView::kDesignRadio));
        QCOMPARE(units->currentText(), QStringLiteral("English"));
        QVERIFY(checked(CZelmViewView::kOffBarrierRadio));

        // A number of the file that is none of the three modes leaves the radios as they were.
        project.barrierMode = static_cast<ZELMData::BarrierMode>(13);
        form.view->RefreshFromDocument();
        QVERIFY(checked(CZelmViewView::kOffBarrierRadio));
        QCOMPARE(project.barrierMode, static_cast<ZELMData::BarrierMode>(13));
    }

    void specificYieldFromTheDialogGoesIntoItsField()
    {
        Form form;
        form.showNew();
        bool askedMetric = true;
        double askedPermeability = 0.0;
        form.view->askSpecificYield = [&](bool metric, double permeability) -> std::optional<double> {
            askedMetric = metric;
            askedPermeability = permeability;
            return 0.101255;
        };
        // The dialog starts from the permeability just typed; the estimate shows to three digits,
        // and what shows is what is stored.
        typeIntoField(form, CZelmViewView::kPermeability, QStringLiteral("2"));
        QTest::mouseClick(form.control<QPushButton>(CZelmViewView::kSpecificYieldButton), Qt::LeftButton);
        QVERIFY(!askedMetric);
        QCOMPARE(askedPermeability, 2.0);
        QCOMPARE(form.control<XEdit>(CZelmViewView::kSpecificYield)->text(), QStringLiteral("0.101"));
        form.view->CommitToDocument();
        QCOMPARE(form.document->GetData().specificYield, 0.101);
    }

    void plotShowsTheEventsInCalendarOrderOnceTheyAreComplete()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        addEvents(form, 2);
        QPushButton* plot = form.control<QPushButton>(CZelmViewView::kPlotButton);
        QTest::mouseClick(plot, Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages().constFirst().startsWith(QStringLiteral("You have not entered data")));
        QVERIFY(form.view->findChild<GraphDlg*>() == nullptr);

        form.table().PasteFromClipboard(QStringLiteral("12\t25\t1\r\n1\t10\t2"));
        QTest::mouseClick(plot, Qt::LeftButton);
        QCOMPARE(messages.messages().size(), 1);
        auto* chart = form.view->findChild<GraphDlg*>();
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->graph.xValues.at(0, 0, 0), 9.0);
        QCOMPARE(chart->graph.xValues.at(0, 0, 1), 358.0);
        QCOMPARE(form.table().GetCellText(0, 0), QStringLiteral("1"));
        chart->close();
    }

    void savingWritesTheEventsInCalendarOrder()
    {
        Form form;
        form.showNew();
        addEvents(form, 2);
        form.table().PasteFromClipboard(QStringLiteral("12\t25\t1\r\n1\t10\t2"));
        const QString path = folder.filePath(QStringLiteral("saved.trn"));
        QVERIFY(form.document->OnSaveDocument(path));
        QVERIFY(!form.document->IsModified());
        ZELMData saved;
        QVERIFY(saved.ReadData(path));
        QCOMPARE(saved.events.at(0).month, 1);
        QCOMPARE(saved.events.at(1).month, 12);
        QCOMPARE(form.table().GetCellText(0, 0), QStringLiteral("1"));  // the table follows the new order
    }

    void anEventWithoutAMonthStopsTheSave()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();
        addEvents(form, 1);
        const QString path = folder.filePath(QStringLiteral("incomplete.trn"));
        QVERIFY(!form.document->OnSaveDocument(path));
        QCOMPARE(messages.messages(),
                 QStringList({QStringLiteral(
                     "Please make sure that the irrigation data is initialized before running the model.")}));
        QVERIFY(!QFile::exists(path));
        QVERIFY(form.document->IsModified());

        form.document->GetData().events[0] = {13, 1, 1.0};
        QVERIFY(!form.document->OnSaveDocument(path));
        QCOMPARE(messages.messages().size(), 2);
        QVERIFY(!QFile::exists(path));
    }

    void theFormPrintsAndDoneClosesItAfterTheSaveQuestion()
    {
        auto* form = new Form;
        form->showNew();
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("form.pdf")));
        form->view->PrintForm(printer);
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("form.pdf"))).size() > 1000);

        editortest::SaveQuestionRecorder questions;
        typeIntoField(*form, CZelmViewView::kTitle, QStringLiteral("A change to save"));
        editortest::closeWithDone(form);
        QCOMPARE(questions.asked.size(), 1);
    }

    void theWorkingFolderIsRememberedWhenTheDocumentCloses()
    {
        QTemporaryDir other;
        {
            Form form;
            form.showNew();
            docview::workingFolder().MoveTo(other.path());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(docview::getProfileString(docview::kProfileSection, docview::kWorkingFolderKey),
                 QDir(other.path()).canonicalPath());
        docview::workingFolder().MoveTo(folder.path());
        Form next;
        QCOMPARE(docview::workingFolder().Path(), QDir(other.path()).canonicalPath());
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(TransientFormTest)
#include "TransientFormTest.moc"
