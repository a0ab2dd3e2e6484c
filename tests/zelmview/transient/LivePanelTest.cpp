// The live panel beside the transient form: it shows what the model makes of the project with the
// number being typed, at every key press, and stores nothing; a project the model refuses shows
// the model's message in the panel and no dialog; folded, it computes nothing and stays folded in
// the next window.
#include <qcustomplot.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

#include "docview/MessageSink.h"
#include "model/TransientModel.h"
#include "transient/EditorTestSupport.h"
#include "transient/SensitivityWindow.h"
#include "transient/TransientLivePanel.h"
#include "transient/XEdit.h"

using editortest::Form;

namespace {

QString shown(const TransientLivePanel& panel, const char* name)
{
    return panel.GetLabel(QLatin1String(name))->text();
}

// Types `keys` at the end of what the field holds, without leaving it.
void typeKeys(Form& form, int controlId, const QString& keys, bool replace = false)
{
    auto* edit = form.control<XEdit>(controlId);
    edit->setFocus();
    if (replace) edit->selectAll();
    QTest::keyClicks(edit, keys);
}

}  // namespace

class LivePanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    void followsEveryKeyPressAndStoresNothing()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        const TransientLivePanel& panel = *form.view->GetLivePanel();
        const ZELMData stored = form.document->GetData();
        QCOMPARE(panel.GetResult().spacing, model::runTransient(stored).spacing);
        QCOMPARE(shown(panel, "spacingValue"), QStringLiteral("<b>151.000 ft</b>"));

        // "3", then "3.", then "3.5": each press shows the spacing of the number typed so far.
        typeKeys(form, CZelmViewView::kPermeability, QStringLiteral("3"), true);
        ZELMData typed = stored;
        typed.permeability = 3.0;
        const double atThree = model::runTransient(typed).spacing;
        QCOMPARE(panel.GetResult().spacing, atThree);
        QVERIFY(atThree > 151.0);  // the spacing grows with the permeability
        typeKeys(form, CZelmViewView::kPermeability, QStringLiteral(".5"));
        typed.permeability = 3.5;
        QCOMPARE(panel.GetResult().spacing, model::runTransient(typed).spacing);
        QVERIFY(panel.GetResult().spacing > atThree);

        QCOMPARE(form.document->GetUndoStack()->count(), 0);
        QVERIFY(!form.document->IsModified());
        QCOMPARE(form.document->GetData().permeability, stored.permeability);
        QVERIFY(messages.messages().isEmpty());

        // The panel's button opens the sensitivity study of the project.
        QTest::mouseClick(panel.GetSensitivityButton(), Qt::LeftButton);
        QVERIFY(form.view->GetSensitivityWindow() != nullptr);
        QVERIFY(form.view->GetSensitivityWindow()->isVisible());

        // Leaving the field stores the number as one step; the panel goes on showing it.
        QTest::keyClick(form.control<XEdit>(CZelmViewView::kPermeability), Qt::Key_Tab);
        QCOMPARE(form.document->GetUndoStack()->count(), 1);
        QCOMPARE(panel.GetResult().spacing, model::runTransient(typed).spacing);
    }

    void followsTheDocumentInAnalysisMode()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("polder-analysis"), folder.path())));
        const TransientLivePanel& panel = *form.view->GetLivePanel();
        const model::TransientResult expected = model::runTransient(form.document->GetData());
        QCOMPARE(shown(panel, "modeValue"), QStringLiteral("analysis"));
        QCOMPARE(shown(panel, "verdictValue"),
                 QStringLiteral("Verdict: ") + zelm::verdictText(expected.assessment, ZELMData::Units::Metric));
        QVERIFY(shown(panel, "verdictValue").startsWith(QStringLiteral("Verdict: exceeds it by 0.126 m on")));
        QCOMPARE(panel.GetChart()->graph(0)->dataCount(), int(expected.dailyHeight.size()));

        // A change of the document (here an undone one) shows at once.
        form.document->StoreData(QStringLiteral("Spacing"), [](ZELMData& project) { project.drainSpacing = 10.0; });
        QVERIFY(panel.GetResult().assessment.peakHeight < expected.assessment.peakHeight);
        form.document->GetUndoStack()->undo();
        QCOMPARE(panel.GetResult().assessment.peakHeight, expected.assessment.peakHeight);
    }

    void aRefusedInputShowsTheModelsMessageAndNoDialog()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        const TransientLivePanel& panel = *form.view->GetLivePanel();
        const QLabel* message = panel.GetLabel(QStringLiteral("panelMessage"));

        typeKeys(form, CZelmViewView::kSpecificYield, QStringLiteral("0"), true);
        QCOMPARE(message->text(), QStringLiteral("ERROR - THE SPECIFIC YIELD MUST LIE IN (0, 1]"));
        QVERIFY(message->isVisible());
        QVERIFY(!panel.GetChart()->isVisible());
        // Typing on to a number the model takes shows its result again.
        typeKeys(form, CZelmViewView::kSpecificYield, QStringLiteral(".06"));
        QVERIFY(!panel.GetResult().failed());
        QVERIFY(panel.GetChart()->isVisible());

        // A text that is no number leaves the stored value in the run, and says so.
        typeKeys(form, CZelmViewView::kSpecificYield, QStringLiteral("x"));
        QCOMPARE(panel.GetResult().spacing, model::runTransient(form.document->GetData()).spacing);
        QVERIFY(message->text().contains(QStringLiteral("is no number")));
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(form.document->GetUndoStack()->count(), 0);
    }

    void foldedItComputesNothingAndStaysFoldedInTheNextWindow()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        TransientLivePanel& panel = *form.view->GetLivePanel();
        const double before = panel.GetResult().spacing;
        QTest::mouseClick(panel.GetFoldButton(), Qt::LeftButton);
        QVERIFY(!panel.IsOpen());
        QVERIFY(!panel.GetContent()->isVisible());
        typeKeys(form, CZelmViewView::kPermeability, QStringLiteral("3"), true);
        QCOMPARE(panel.GetResult().spacing, before);

        Form next;
        QVERIFY(next.open(editortest::copyExample(QStringLiteral("polder-analysis"), folder.path())));
        QVERIFY(!next.view->GetLivePanel()->IsOpen());
        // Opened again, it shows the project as typed at once.
        QTest::mouseClick(panel.GetFoldButton(), Qt::LeftButton);
        QVERIFY(panel.IsOpen());
        QVERIFY(panel.GetResult().spacing > before);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(LivePanelTest)
#include "LivePanelTest.moc"
