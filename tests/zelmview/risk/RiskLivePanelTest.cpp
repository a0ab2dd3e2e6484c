// The live panel beside the risk project's pages: a given design follows every key press at once
// and stores nothing; a range is computed in the background, and a burst of key presses shows
// only the outcome of the project as last typed; a range too large to compute unasked waits for
// the user's request; a project the model refuses shows the model's messages, never a dialog.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "docview/MessageSink.h"
#include "model/RiskModel.h"
#include "risk/RiskLivePanel.h"
#include "risk/RiskPages.h"
#include "risk/RiskTestSupport.h"

using risktest::Form;
using risktest::Page;

namespace {

// Types `keys` into a field of a page without leaving it.
void typeKeys(QLineEdit* edit, const QString& keys)
{
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

const uncertainty::DesignResult& shownDesign(const RiskLivePanel& panel)
{
    return *panel.GetOutcome()->results->fixedDesign;
}

const uncertainty::DesignResult& expectedDesign(const RiskData& project)
{
    static std::optional<model::RiskOutcome> outcome;
    outcome = model::analyseRisk(project);
    return *outcome->results->fixedDesign;
}

}  // namespace

class RiskLivePanelTest : public QObject {
    Q_OBJECT

private slots:
    void aGivenDesignFollowsEveryKeyPressAndStoresNothing()
    {
        docview::MessageRecorder messages;
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("terrace-given-design"), folder.path())));
        const RiskLivePanel& panel = *form.view->GetLivePanel();
        const RiskData stored = form.document->GetData();
        QVERIFY(panel.GetOutcome().has_value());
        const double reliability = expectedDesign(stored).reliability;
        QCOMPARE(shownDesign(panel).reliability, reliability);
        QCOMPARE(shownDesign(panel).cost.annualCost, expectedDesign(stored).cost.annualCost);
        QCOMPARE(panel.GetLabel(QStringLiteral("designValue"))->text(), QStringLiteral("4.50 ft deep, 60.0 ft apart"));

        // A closer spacing keeps the water table lower: more reliable, and dearer.
        form.show(Page::kDesignSingle);
        typeKeys(form.edit(Page::kDesignSingle, RiskDesignSinglePage::kDesignSpacing), QStringLiteral("40"));
        RiskData typed = stored;
        typed.designSpacing = 40.0;
        QCOMPARE(shownDesign(panel).reliability, expectedDesign(typed).reliability);
        QVERIFY(shownDesign(panel).reliability > reliability);
        QVERIFY(shownDesign(panel).cost.annualCost > expectedDesign(stored).cost.annualCost);
        QCOMPARE(form.document->GetUndoStack()->count(), 0);
        QVERIFY(!form.document->IsModified());
        QVERIFY(messages.messages().isEmpty());
    }

    void aRangeComputesInTheBackgroundAndShowsOnlyTheNewestProject()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("polder-wheat-loss-function"), folder.path())));
        RiskLivePanel& panel = *form.view->GetLivePanel();
        QTRY_VERIFY(!panel.IsComputing());
        const model::RiskOutcome expected = model::analyseRisk(form.document->GetData());
        QCOMPARE(shownDesign(panel).netBenefit, expected.results->fixedDesign->netBenefit);
        QCOMPARE(panel.GetOutcome()->results->chosen, expected.results->chosen);

        // A burst of key presses: the panel computes the first and the last, and shows the last.
        QSignalSpy shown(&panel, &RiskLivePanel::rangeShown);
        typeKeys(form.edit(Page::kFieldData, FieldDataPage::kPermeability), QStringLiteral("1.25"));
        QVERIFY(panel.IsComputing());
        QTRY_VERIFY(!panel.IsComputing());
        QCOMPARE(shown.count(), 1);
        RiskData typed = form.document->GetData();
        typed.permeability = 1.25;
        QCOMPARE(shownDesign(panel).netBenefit, expectedDesign(typed).netBenefit);
        QCOMPARE(form.document->GetUndoStack()->count(), 0);
    }

    void aLargeRangeWaitsForTheUsersRequest()
    {
        Form form;
        QVERIFY(form.open(risktest::copyExample(QStringLiteral("bottomland-reliability-table"), folder.path())));
        RiskLivePanel& panel = *form.view->GetLivePanel();
        QTRY_VERIFY(!panel.IsComputing());
        QVERIFY(panel.GetOutcome()->results->hasTable);
        form.document->StoreData(QStringLiteral("Spacing"),
                                 [](RiskData& project) { project.spacingIncrement = project.maxSpacing / 5000.0; });
        QVERIFY(!panel.IsComputing());
        QVERIFY(
            panel.GetLabel(QStringLiteral("panelMessage"))->text().startsWith(QStringLiteral("The range holds more")));
        QVERIFY(panel.GetComputeButton()->isVisible());
        QTest::mouseClick(panel.GetComputeButton(), Qt::LeftButton);
        QVERIFY(panel.IsComputing());
        QTRY_VERIFY_WITH_TIMEOUT(!panel.IsComputing(), 60000);
        QCOMPARE(panel.GetOutcome()->results->table.size(),
                 model::analyseRisk(form.document->GetData()).results->table.size());
    }

    void aRefusedProjectShowsTheModelsMessagesAndNoDialog()
    {
        docview::MessageRecorder messages;
        Form form;
        form.showNew();  // a new project holds 0 in every field
        const RiskLivePanel& panel = *form.view->GetLivePanel();
        const QString shown = panel.GetLabel(QStringLiteral("panelMessage"))->text();
        const std::vector<std::string> errors = model::analyseRisk(form.document->GetData()).errors;
        QVERIFY(errors.size() >= 3);
        QCOMPARE(shown.count(QStringLiteral("ERROR - ")), qsizetype(errors.size()));
        QVERIFY(messages.messages().isEmpty());
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(RiskLivePanelTest)
#include "RiskLivePanelTest.moc"
