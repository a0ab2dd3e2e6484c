// Undo and redo on the transient form: every kind of change the form stores is one step, undone
// and redone in sequence back to exactly the state before and after it, with the project clean
// again where it was opened; and a field shows a value without ever changing it.
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "transient/EditorTestSupport.h"
#include "transient/XEdit.h"

using editortest::clickCell;
using editortest::clickRadio;
using editortest::Form;
using editortest::typeIntoField;
using tabletest::typeIntoEditor;

namespace {

QString fieldText(const Form& form, int controlId)
{
    return form.control<QLineEdit>(controlId)->text();
}

}  // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    void everyKindOfChangeUndoesAndRedoesExactlyInSequence()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        const CZelmViewView& view = *form.view;
        QList<ZELMData> states{form.document->GetData()};
        QStringList shownPermeability{fieldText(form, CZelmViewView::kPermeability)};
        const auto stored = [&] {
            states.append(form.document->GetData());
            shownPermeability.append(fieldText(form, CZelmViewView::kPermeability));
        };

        typeIntoField(*form.view, CZelmViewView::kPermeability, QStringLiteral("3.25"));
        stored();
        typeIntoField(*form.view, CZelmViewView::kTitle, QStringLiteral("Another title"));
        stored();
        auto* comment = form.control<QPlainTextEdit>(CZelmViewView::kComment);
        comment->setFocus();
        QTest::keyClicks(comment, QStringLiteral("one more line"));
        form.control<XEdit>(CZelmViewView::kPermeability)->setFocus();
        stored();
        QComboBox* units = form.control<QComboBox>(CZelmViewView::kUnitsList);
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Down);
        stored();
        clickRadio(form.control<QRadioButton>(CZelmViewView::kAnalysisRadio));
        stored();
        clickRadio(form.control<QRadioButton>(CZelmViewView::kOnBarrierRadio));
        stored();
        form.view->OnCommand(zelm::kBenchBottomland);
        stored();
        clickCell(form.table(), 1, 2);
        typeIntoEditor(form.table(), QStringLiteral("9.5"));
        form.table().EndEdit();
        stored();
        form.control<QSpinBox>(CZelmViewView::kEventsToAdd)->setValue(2);
        QTest::mouseClick(form.control<QPushButton>(CZelmViewView::kAddButton), Qt::LeftButton);
        stored();
        clickCell(form.table(), 1, 0);
        form.view->OnCommand(zelm::kInsertRow);
        form.table().EndEdit();  // an editor closed untouched stores nothing
        stored();
        form.view->chooseItemsToDelete = [](const QStringList&) { return QList<int>({2, 0}); };
        form.view->DeleteEvents();
        stored();
        clickCell(form.table(), 0, 0);
        form.table().EndEdit();
        form.table().PasteFromClipboard(QStringLiteral("4\t12\t0.5\r\n5\t20\t0.25"));
        stored();

        QCOMPARE(form.document->GetUndoStack()->count(), states.size() - 1);
        for (qsizetype step = 1; step < states.size(); ++step)
            QVERIFY2(!(states.at(step) == states.at(step - 1)), qPrintable(QString::number(step)));
        QVERIFY(form.document->IsModified());

        for (qsizetype step = states.size() - 1; step > 0; --step) {
            form.document->Undo();
            QVERIFY2(form.document->GetData() == states.at(step - 1), qPrintable(QString::number(step)));
            QCOMPARE(fieldText(form, CZelmViewView::kPermeability), shownPermeability.at(step - 1));
        }
        QVERIFY(!form.document->IsModified());
        QCOMPARE(fieldText(form, CZelmViewView::kTitle), states.constFirst().title);
        QCOMPARE(form.table().rowCount(), states.constFirst().events.size());
        QCOMPARE(form.control<QComboBox>(CZelmViewView::kUnitsList)->currentIndex(), 0);

        for (qsizetype step = 1; step < states.size(); ++step) {
            form.document->Redo();
            QVERIFY2(form.document->GetData() == states.at(step), qPrintable(QString::number(step)));
        }
        QVERIFY(form.document->IsModified());
        QCOMPARE(view.GetControl(CZelmViewView::kAwhc)->isVisible(), states.last().benchBottomland);
        QCOMPARE(form.table().GetCellText(0, 0), QStringLiteral("4"));
        QVERIFY(messages.messages().isEmpty());
    }

    void savingMakesTheStateCleanAndUndoLeavesIt()
    {
        Form form;
        const QString path = editortest::copyExample(QStringLiteral("polder-analysis"), folder.path());
        QVERIFY(form.open(path));
        typeIntoField(*form.view, CZelmViewView::kDrainRadius, QStringLiteral("0.3"));
        QVERIFY(form.document->OnSaveDocument(path));
        QVERIFY(!form.document->IsModified());
        form.document->Undo();
        QVERIFY(form.document->IsModified());
        form.document->Redo();
        QVERIFY(!form.document->IsModified());
    }

    void fieldsShowTheDigitsTheFileKeepsAndShowingChangesNothing()
    {
        Form form;
        form.showNew();
        form.document->GetData().metricUnits = ZELMData::Units::Metric;
        form.document->GetData().depthToDrain = 1.2192;
        form.document->GetData().drainRadius = 0.1393546;
        form.view->RefreshFromDocument();
        QComboBox* units = form.control<QComboBox>(CZelmViewView::kUnitsList);
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Up);
        QCOMPARE(form.document->GetData().metricUnits, ZELMData::Units::English);
        QCOMPARE(fieldText(form, CZelmViewView::kDepthToDrain), QStringLiteral("4"));
        QCOMPARE(fieldText(form, CZelmViewView::kDrainRadius), QStringLiteral("0.4572"));

        // Tabbing through every field and saving stores none of the shown roundings.
        const ZELMData converted = form.document->GetData();
        QVERIFY(converted.depthToDrain != 4.0);
        const qsizetype steps = form.document->GetUndoStack()->count();
        form.control<QLineEdit>(CZelmViewView::kTitle)->setFocus();
        for (int tab = 0; tab < 12; ++tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(form.view->CommitToDocument());
        QVERIFY(form.document->GetData() == converted);
        QCOMPARE(form.document->GetUndoStack()->count(), steps);
    }

    void showingAProjectLeavesItAsItsFileHasIt()
    {
        // 6.3 - (6.3 - 2.1) is not 2.1 in binary: a form that recomputed the maximum water table
        // as it showed the project would change it.
        ZELMData project;
        project.depthToDrain = 6.3;
        project.maxWaterTable = 2.1;
        project.inputMode = ZELMData::InputMode::Analysis;
        const QString path = folder.filePath(QStringLiteral("rounding.trn"));
        QVERIFY(project.WriteData(path));
        QVERIFY(project.ReadData(path));
        Form form;
        QVERIFY(form.open(path));
        form.view->RefreshFromDocument();
        QVERIFY(form.document->GetData() == project);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(UndoRedoTest)
#include "UndoRedoTest.moc"
