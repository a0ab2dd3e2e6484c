// The pages of a risk project as the user works them: which pages the selectors show and in which
// order, what the choices enable, a field holding letters, leaving a field unchanged, the pipe
// cost table, the critical depth on its two pages, the units, undo, two windows of one project, and
// the comments that describe the project.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "data/UnitFactors.h"
#include "docview/CommandIds.h"
#include "docview/MessageSink.h"
#include "risk/CostDataPage.h"
#include "risk/LossFunctionPage.h"
#include "risk/LossFunctionPictures.h"
#include "risk/RiskPages.h"
#include "risk/RiskTestSupport.h"
#include "table/TableListCtrl.h"
#include "table/TableTestSupport.h"

using risktest::Form;
using risktest::Page;
using risktest::typeInto;

namespace {

const QStringList kFirstPages = {QStringLiteral("Field Data"), QStringLiteral("Cost Data"),
                                 QStringLiteral("Trenching Machines"), QStringLiteral("Single Design Evaluation"),
                                 QStringLiteral("Risk Analysis")};

}  // namespace

class RiskSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(folder.isValid());
    }

    void theSelectorsSwapPagesAtTheEndAndMakeThemCurrent()
    {
        Form form;
        form.showNew();
        QCOMPARE(form.sheet().TabCaptions(), kFirstPages);
        QCOMPARE(form.sheet().currentIndex(), 0);

        form.choose(CZELMRiskView::kEvaluationList, 1);
        QCOMPARE(form.document->GetData().evaluation, RiskData::Evaluation::DesignRange);
        QCOMPARE(form.sheet().TabCaptions(), QStringList({"Field Data", "Cost Data", "Trenching Machines",
                                                          "Risk Analysis", "Analysis of a Range of Designs"}));
        QCOMPARE(form.sheet().GetCurrentPage(), form.page(Page::kDesignRange));

        form.choose(CZELMRiskView::kOptionList, 1);
        QCOMPARE(form.sheet().TabCaptions(), QStringList({"Field Data", "Cost Data", "Trenching Machines",
                                                          "Analysis of a Range of Designs", "Loss Function Analysis"}));
        QCOMPARE(form.sheet().GetCurrentPage(), form.page(Page::kLossFunction));

        form.choose(CZELMRiskView::kEvaluationList, 0);
        QCOMPARE(form.sheet().TabCaptions().last(), QStringLiteral("Single Design Evaluation"));
        QCOMPARE(form.sheet().count(), 5);
    }

    void theSameSelectorItemAgainChangesNothing()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        for (int selector : {CZELMRiskView::kEvaluationList, CZELMRiskView::kOptionList, CZELMRiskView::kUnitsList}) {
            form.choose(selector, 0);
            // Nor does a wheel turned over the closed list, as when the user scrolls the form.
            formtest::turnWheel(form.view->GetSelector(selector), -1);
        }
        QVERIFY(!form.document->IsModified());
        QCOMPARE(form.document->GetUndoStack()->count(), 0);
        QCOMPARE(form.sheet().TabCaptions(), kFirstPages);
    }

    void aGivenDesignDisablesEveryRiskAnalysisFieldButNotItsRadios()
    {
        Form form;
        form.showNew();
        RiskPage* page = form.show(Page::kRiskAnalysis);
        for (int id : {1042, 1045, 1046, 1047, 1048})
            QVERIFY2(!page->GetControl(id)->isEnabled(), qPrintable(QString::number(id)));
        auto* table = form.control<QRadioButton>(Page::kRiskAnalysis, RiskAnalysisPage::kReliabilityTableRadio);
        QVERIFY(table->isEnabled());
        risktest::clickRadio(table);
        QCOMPARE(form.document->GetData().reliabilityOption, RiskData::ReliabilityOption::ReliabilityTable);
        QVERIFY(!page->GetControl(1046)->isEnabled());

        // A range of designs lets the choice rule the fields.
        form.choose(CZELMRiskView::kEvaluationList, 1);
        form.show(Page::kRiskAnalysis);
        QVERIFY(page->GetControl(1042)->isEnabled());
        QVERIFY(!page->GetControl(1045)->isEnabled());
        for (int id : {1046, 1047, 1048}) QVERIFY(page->GetControl(id)->isEnabled());
        risktest::clickRadio(form.control<QRadioButton>(Page::kRiskAnalysis, RiskAnalysisPage::kGivenReliabilityRadio));
        QVERIFY(page->GetControl(1045)->isEnabled());
        QVERIFY(!page->GetControl(1048)->isEnabled());
    }

    void theTrenchingAndLossFunctionChoicesRuleTheirFields()
    {
        Form form;
        form.showNew();
        RiskPage* trench = form.show(Page::kTrenchData);
        QVERIFY(trench->GetControl(1075)->isEnabled());
        QVERIFY(!trench->GetControl(1080)->isEnabled());
        risktest::clickRadio(form.control<QRadioButton>(Page::kTrenchData, TrenchDataPage::kVariableSpeedRadio));
        QCOMPARE(form.document->GetData().trenchSpeed, RiskData::TrenchSpeed::Variable);
        QVERIFY(!trench->GetControl(1076)->isEnabled());
        for (int id : {1077, 1078, 1079, 1080}) QVERIFY(trench->GetControl(id)->isEnabled());

        form.choose(CZELMRiskView::kOptionList, 1);
        RiskPage* loss = form.page(Page::kLossFunction);
        QVERIFY(loss->GetControl(1067)->isEnabled());
        risktest::clickRadio(form.control<QRadioButton>(Page::kLossFunction, LossFunctionPage::kLossFunction3Radio));
        QCOMPARE(form.document->GetData().lossFunction, RiskData::LossFunction::Dome);
        for (int id : {1067, 1068, 1069}) QVERIFY(!loss->GetControl(id)->isEnabled());

        // Each picture has a caption, which names its button too; the chosen shape is described.
        auto* caption = loss->findChild<QLabel*>(QStringLiteral("lossFunction3Caption"));
        QVERIFY(caption != nullptr);
        QTest::qWait(0);  // the sheet, made after the window was shown, shows with the next events
        QVERIFY(caption->isVisible());
        QCOMPARE(
            form.control<QRadioButton>(Page::kLossFunction, LossFunctionPage::kLossFunction3Radio)->accessibleName(),
            QStringLiteral("Loss function ") + caption->text());
        auto* description = loss->findChild<QLabel*>(QStringLiteral("lossFunctionDescription"));
        QVERIFY(description->text().startsWith(QStringLiteral("Shape 3:")));
        risktest::clickRadio(form.control<QRadioButton>(Page::kLossFunction, LossFunctionPage::kLossFunction2Radio));
        QVERIFY(description->text().contains(QStringLiteral("0.7")));
    }

    void lettersInAFieldPromptAndShowTheStoredValueSelectedAndStoreNothing()
    {
        docview::MessageRecorder messages;
        Form form;
        const QString path = risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path());
        QVERIFY(form.open(path));
        const double radius = form.document->GetData().drainRadius;
        QLineEdit* edit = form.edit(Page::kFieldData, 1030);
        typeInto(edit, QStringLiteral("abc"));
        QCOMPARE(messages.messages(), QStringList({QStringLiteral("Please enter a number.")}));
        QCOMPARE(edit->text(), QStringLiteral("0.25"));
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("0.25"));
        QVERIFY(edit->hasFocus());
        QCOMPARE(form.document->GetData().drainRadius, radius);
        QVERIFY(!form.document->IsModified());

        // Numbers the project file cannot hold are no numbers either: saved, they would make the
        // file unreadable.
        for (const QString& unreadable : {QStringLiteral("1e999"), QStringLiteral("nan"), QStringLiteral("-inf")}) {
            messages.clear();
            typeInto(edit, unreadable);
            QCOMPARE(messages.messages(), QStringList({QStringLiteral("Please enter a number.")}));
            QCOMPARE(form.document->GetData().drainRadius, radius);
        }

        // Letters still in a field when Run is chosen stop the run before anything is started.
        messages.clear();
        edit->setText(QStringLiteral("xyz"));
        form.view->RunUncertaintyModel();
        QVERIFY(!form.view->IsRunning());
        QCOMPARE(messages.messages(), QStringList({QStringLiteral("Please enter a number.")}));
        QCOMPARE(form.document->GetData().drainRadius, radius);
        QVERIFY(!form.document->IsModified());

        // So does Save: the file keeps what it held and the project stays modified.
        typeInto(form.edit(Page::kFieldData, 1029), QStringLiteral("2.5"));
        edit->setText(QStringLiteral("xyz"));
        form.document->OnCommand(docview::kFileSave);
        QVERIFY(form.document->IsModified());
        RiskData saved;
        QVERIFY(saved.ReadData(path));
        QCOMPARE(saved.permeability, 1.2);
    }

    void leavingAFieldUnchangedStoresNothingAndATypedValueIsOneStep()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        QLineEdit* permeability = form.edit(Page::kFieldData, 1029);
        permeability->setFocus();
        QTest::keyClick(permeability, Qt::Key_Tab);
        QVERIFY(!form.document->IsModified());

        typeInto(permeability, QStringLiteral("2.5"));
        QCOMPARE(form.document->GetData().permeability, 2.5);
        QVERIFY(form.document->IsModified());
        QCOMPARE(form.document->GetUndoStack()->undoText(), QStringLiteral("Hydraulic conductivity of soil [K]"));

        form.document->Undo();
        QCOMPARE(form.document->GetData().permeability, 1.2);
        QCOMPARE(permeability->text(), QStringLiteral("1.2"));
        QVERIFY(!form.document->IsModified());
    }

    void thePipeCostTableStoresLeadingNumbersAndMarksAnOpenedCell()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        form.show(Page::kCostData);
        TableListCtrl* table = static_cast<CostDataPage*>(form.page(Page::kCostData))->GetPipeCostTable();
        QCOMPARE(table->GetColumnTitle(0), QStringLiteral("Pipe diameter (in)"));
        QCOMPARE(table->GetCellText(0, 0), QStringLiteral("4"));
        QCOMPARE(table->GetCellText(6, 0), QStringLiteral("LARGER"));
        QVERIFY(!table->IsColumnEditable(0));

        // Only the pipe costs of the chosen kind can be edited: here the average.
        QLineEdit* average = form.edit(Page::kCostData, CostDataPage::kAveragePipeCost);
        QVERIFY(!table->isEnabled() && average->isEnabled());
        formtest::clickRadio(form.control<QRadioButton>(Page::kCostData, CostDataPage::kDistributionRadio));
        QVERIFY(table->isEnabled() && !average->isEnabled());
        QVERIFY(form.document->OnSaveDocument(form.document->GetPathName()));
        const int steps = form.document->GetUndoStack()->count();

        QVERIFY(tabletest::clickCell(*table, 2, 1) != nullptr);
        QVERIFY(form.document->IsModified());
        QTest::keyClick(table->GetEditor(), Qt::Key_Escape);
        QCOMPARE(form.document->GetUndoStack()->count(), steps);

        tabletest::clickCell(*table, 2, 1);
        tabletest::typeIntoEditor(*table, QStringLiteral("12abc"));
        QCOMPARE(form.document->GetData().pipeCost[2], 12.0);
        QCOMPARE(table->GetCellText(2, 1), QStringLiteral("12"));

        // A number the file cannot keep is refused with the prompt.
        docview::MessageRecorder messages;
        tabletest::clickCell(*table, 2, 1);
        tabletest::typeIntoEditor(*table, QStringLiteral("info"));
        QCOMPARE(messages.messages(), QStringList({QStringLiteral("Please enter a number.")}));
        QCOMPARE(form.document->GetData().pipeCost[2], 12.0);
        QCOMPARE(table->GetCellText(2, 1), QStringLiteral("12"));

        tabletest::clickCell(*table, 4, 3);
        tabletest::typeIntoEditor(*table, QStringLiteral("many"));
        QCOMPARE(form.document->GetData().lateralPercent[4], 0.0);
        QCOMPARE(table->GetCellText(4, 3), QStringLiteral("0"));

        // A paste is one step.
        const int beforePaste = form.document->GetUndoStack()->count();
        tabletest::clickCell(*table, 0, 1);
        table->EndEdit();
        table->PasteFromClipboard(QStringLiteral("1.5\t2.5\t30"));
        QCOMPARE(form.document->GetUndoStack()->count(), beforePaste + 1);
        QCOMPARE(form.document->GetData().gravelCost[0], 2.5);
        QCOMPARE(form.document->GetData().lateralPercent[0], 30.0);

        // Edit > Copy on the table takes the whole table.
        table->setFocus();
        QVERIFY(form.view->HandlesCommand(docview::kEditCopy));
        form.view->OnCommand(docview::kEditCopy);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("4\t1.5\t2.5\t30\r\n6\t")));
    }

    void theCriticalDepthIsOneValueOnTwoPages()
    {
        Form form;
        form.showNew();
        form.show(Page::kDesignSingle);
        typeInto(form.edit(Page::kDesignSingle, 1038), QStringLiteral("1.75"));
        form.show(Page::kRiskAnalysis);
        QCOMPARE(form.edit(Page::kRiskAnalysis, 1042)->text(), QStringLiteral("1.75"));
        QCOMPARE(form.document->GetData().criticalDepth, 1.75);

        // A loss function analysis measures the reliability against it as well: of a range of
        // designs it is on the loss function page; of a given design the design's page has it.
        form.choose(CZELMRiskView::kOptionList, 1);
        QCOMPARE(form.sheet().GetCurrentPage(), form.page(Page::kLossFunction));
        QLineEdit* lossCriticalDepth = form.edit(Page::kLossFunction, LossFunctionPage::kCriticalDepth);
        QCOMPARE(lossCriticalDepth->text(), QStringLiteral("1.75"));
        QVERIFY(!lossCriticalDepth->isEnabled());
        form.choose(CZELMRiskView::kEvaluationList, 1);
        form.show(Page::kLossFunction);
        QVERIFY(lossCriticalDepth->isEnabled());
        typeInto(lossCriticalDepth, QStringLiteral("2.5"));
        QCOMPARE(form.document->GetData().criticalDepth, 2.5);
    }

    void switchingUnitsConvertsAndRelabelsEveryPage()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        QCOMPARE(form.page(Page::kFieldData)->GetUnitLabel(1028)->text(), QStringLiteral("ft"));
        form.choose(CZELMRiskView::kUnitsList, 1);
        QCOMPARE(form.document->GetData().units, RiskData::Units::Metric);
        QCOMPARE(form.edit(Page::kFieldData, 1030)->text(), QStringLiteral("0.0762"));
        QCOMPARE(form.page(Page::kFieldData)->GetUnitLabel(1036)->text(), QStringLiteral("m/day"));
        QCOMPARE(form.page(Page::kCostData)->GetUnitLabel(1051)->text(), QStringLiteral("per linear meter"));
        QCOMPARE(form.page(Page::kTrenchData)->GetUnitLabel(1083)->text(), QStringLiteral("meters"));
        QCOMPARE(form.page(Page::kDesignRange)->GetUnitLabel(1047)->text(), QStringLiteral("m"));
        QCOMPARE(form.page(Page::kLossFunction)->GetUnitLabel(1085)->text(), QStringLiteral("per hectare"));
        QCOMPARE(form.page(Page::kTrenchData)->GetUnitLabel(1082)->text(), QString());
        QCOMPARE(form.page(Page::kLossFunction)->GetUnitLabel(1044)->text(), QStringLiteral("m"));
        form.show(Page::kCostData);
        TableListCtrl* table = static_cast<CostDataPage*>(form.page(Page::kCostData))->GetPipeCostTable();
        QCOMPARE(table->GetColumnTitle(0), QStringLiteral("Pipe diameter (mm)"));
        QCOMPARE(table->GetCellText(0, 0), QStringLiteral("102"));  // 4 in
        QCOMPARE(table->GetCellText(5, 0), QStringLiteral("356"));  // 14 in

        // Leaving a field that shows a rounded converted value keeps the exact value behind it.
        const double radius = form.document->GetData().drainRadius;
        QLineEdit* edit = form.edit(Page::kFieldData, 1030);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(form.document->GetData().drainRadius, radius);

        form.document->Undo();
        QCOMPARE(form.document->GetData().units, RiskData::Units::English);
        QCOMPARE(form.view->GetSelector(CZELMRiskView::kUnitsList)->currentIndex(), 0);
        QCOMPARE(form.edit(Page::kFieldData, 1030)->text(), QStringLiteral("0.25"));
        QCOMPARE(form.page(Page::kFieldData)->GetUnitLabel(1028)->text(), QStringLiteral("ft"));

        // A cost the other units would take past what the file keeps leaves the units as they are.
        docview::MessageRecorder messages;
        form.document->StoreData(QStringLiteral("cost"), [](RiskData& project) { project.omCost = 1e308; });
        form.choose(CZELMRiskView::kUnitsList, 1);
        QCOMPARE(messages.messages(), QStringList({zelm::kConversionTooLargeText}));
        QCOMPARE(form.document->GetData().units, RiskData::Units::English);
        QCOMPARE(form.view->GetSelector(CZELMRiskView::kUnitsList)->currentIndex(), 0);
    }

    void twoWindowsOfOneProjectAgreeAndUndoMovesBoth()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        Form second(form.document);
        typeInto(form.edit(Page::kFieldData, 1032), QStringLiteral("0.05"));
        QCOMPARE(second.edit(Page::kFieldData, 1032)->text(), QStringLiteral("0.05"));
        form.choose(CZELMRiskView::kEvaluationList, 1);
        QCOMPARE(second.view->GetSelector(CZELMRiskView::kEvaluationList)->currentIndex(), 1);
        QCOMPARE(second.sheet().TabCaptions().last(), QStringLiteral("Analysis of a Range of Designs"));

        form.document->Undo();
        form.document->Undo();
        // The single design page comes back at the end.
        QCOMPARE(second.sheet().TabCaptions(), QStringList({"Field Data", "Cost Data", "Trenching Machines",
                                                            "Risk Analysis", "Single Design Evaluation"}));
        QCOMPARE(second.edit(Page::kFieldData, 1032)->text(), QStringLiteral("0.03"));
    }

    void theCropNameTakesTenCharactersAndThePipeTypeItsIndex()
    {
        Form form;
        form.showNew();
        form.choose(CZELMRiskView::kOptionList, 1);
        QLineEdit* crop = form.edit(Page::kLossFunction, LossFunctionPage::kCropName);
        typeInto(crop, QStringLiteral("Winter wheat"));
        QCOMPARE(form.document->GetData().cropName, QStringLiteral("Winter whe"));

        form.show(Page::kFieldData);
        auto* pipeType = form.control<QComboBox>(Page::kFieldData, FieldDataPage::kPipeTypeList);
        QCOMPARE(pipeType->count(), 3);
        pipeType->setFocus();
        QTest::keyClick(pipeType, Qt::Key_Down);
        QCOMPARE(form.document->GetData().pipeType, RiskData::PipeType::Concrete);
    }

    void theSelectorsAndPagesShowTheProjectsCodes()
    {
        Form form;
        form.showNew();
        form.document->StoreData(QStringLiteral("codes"), [](RiskData& project) {
            project.units = RiskData::Units::Metric;
            project.evaluation = RiskData::Evaluation::DesignRange;
            project.uncertaintyOption = RiskData::UncertaintyOption::LossFunctionAnalysis;
            project.pipeType = RiskData::PipeType::Clay;
            project.pipeCostType = RiskData::PipeCostType::SizeTable;
            project.trenchSpeed = RiskData::TrenchSpeed::Variable;
            project.reliabilityOption = RiskData::ReliabilityOption::ReliabilityTable;
            project.lossFunction = RiskData::LossFunction::Dome;
        });
        const auto shown = [&form](int selectorId) { return form.view->GetSelector(selectorId)->currentText(); };
        QCOMPARE(shown(CZELMRiskView::kEvaluationList),
                 QStringLiteral("Analysis of a range of designs for a certain risk"));
        QCOMPARE(shown(CZELMRiskView::kOptionList), QStringLiteral("Loss function analysis"));
        QCOMPARE(shown(CZELMRiskView::kUnitsList), QStringLiteral("Metric"));
        const auto checked = [&form](Page page, int radioId) {
            form.show(page);
            return form.control<QRadioButton>(page, radioId)->isChecked();
        };
        QVERIFY(checked(Page::kCostData, CostDataPage::kDistributionRadio));
        QVERIFY(checked(Page::kTrenchData, TrenchDataPage::kVariableSpeedRadio));
        QVERIFY(checked(Page::kLossFunction, LossFunctionPage::kLossFunction3Radio));
        form.show(Page::kFieldData);
        QCOMPARE(form.control<QComboBox>(Page::kFieldData, FieldDataPage::kPipeTypeList)->currentText(),
                 QStringLiteral("Clay"));
        form.choose(CZELMRiskView::kOptionList, 0);
        QVERIFY(checked(Page::kRiskAnalysis, RiskAnalysisPage::kReliabilityTableRadio));
    }

    void theCommentsShowTheLinesThatDescribeTheProjectAndSaveAnEdit()
    {
        Form form;
        const QString path = risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path());
        QVERIFY(form.open(path));
        auto* comments = qobject_cast<QPlainTextEdit*>(form.view->GetComments());
        QVERIFY(comments->toPlainText().startsWith(QStringLiteral("Risk evaluation of one design")));
        comments->setFocus();
        comments->moveCursor(QTextCursor::End);
        QTest::keyClicks(comments, QStringLiteral(" Asked in March."));
        form.document->OnCommand(docview::kFileSave);
        RiskData saved;
        QVERIFY(saved.ReadData(path));
        QVERIFY(saved.comment.endsWith(QStringLiteral("per acre per year? Asked in March.")));
        QCOMPARE(form.document->GetUndoStack()->undoText(), QStringLiteral("Comments"));
    }

    void theLossFunctionPicturesAreBlackCurvesOnCyan()
    {
        using Shape = RiskData::LossFunction;
        for (Shape shape : {Shape::Cubic, Shape::PeakAndDrop, Shape::Dome}) {
            const QImage picture = lossFunctionPicture(shape).toImage();
            QCOMPARE(picture.size(), QSize(48, 48));
            QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::cyan));
            QVERIFY(picture.pixelColor(44, 44) != QColor(Qt::black) || shape == Shape::Dome);
        }
        // 1 ends level high up, 2 level lower down, 3 is its own mirror image.
        const QImage first = lossFunctionPicture(Shape::Cubic).toImage();
        const QImage second = lossFunctionPicture(Shape::PeakAndDrop).toImage();
        QCOMPARE(first.pixelColor(40, 10), QColor(Qt::black));
        QCOMPARE(second.pixelColor(40, 30), QColor(Qt::black));
        QCOMPARE(second.pixelColor(40, 10), QColor(Qt::cyan));
        const QImage dome = lossFunctionPicture(Shape::Dome).toImage();
        QCOMPARE(dome.mirrored(true, false), dome);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(RiskSheetTest)
#include "RiskSheetTest.moc"
