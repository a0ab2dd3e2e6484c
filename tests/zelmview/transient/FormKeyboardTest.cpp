// The transient form by keyboard alone and with a screen reader: Tab goes round every control in
// reading order with the focus always in sight, an empty event table is passed by and a filled
// one is worked cell by cell, and every input is named by its label.
#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

#include "docview/KeyboardWalk.h"
#include "transient/EditorTestSupport.h"

using editortest::Form;

class FormKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    // In a new project at a small size: from the title round the form and back, the empty event
    // table passed by after the depth to the drain; Shift+Tab goes the same way back.
    void tabGoesRoundANewProjectInReadingOrderAndInSight()
    {
        Form form;
        form.view->resize(500, 340);
        form.showNew();
        QWidget* title = form.view->GetControl(CZelmViewView::kTitle);
        QCOMPARE(QApplication::focusWidget(), title);

        const QList<keywalk::Stop> stops = keywalk::walkTabs(title);
        keywalk::checkStops(stops);
        const QList<int> expected = {CZelmViewView::kDesignRadio,
                                     CZelmViewView::kUnitsList,
                                     CZelmViewView::kPermeability,
                                     CZelmViewView::kRootZoneRequirement,
                                     CZelmViewView::kDrainToBarrier,
                                     CZelmViewView::kSpecificYield,
                                     CZelmViewView::kSpecificYieldButton,
                                     CZelmViewView::kDrainRadius,
                                     CZelmViewView::kDepthToDrain,
                                     CZelmViewView::kBenchBottomlandCheck,
                                     CZelmViewView::kAddButton,
                                     CZelmViewView::kEventsToAdd,
                                     CZelmViewView::kDeleteButton,
                                     CZelmViewView::kPlotButton,
                                     CZelmViewView::kCriteriaRadio,
                                     CZelmViewView::kComment,
                                     CZelmViewView::kDoneButton,
                                     CZelmViewView::kHelpButton,
                                     CZelmViewView::kTitle};
        QCOMPARE(keywalk::stopIds(stops), expected);

        const QList<keywalk::Stop> back = keywalk::walkTabs(title, 300, true);
        keywalk::checkStops(back);
        QList<int> reversed(expected.rbegin() + 1, expected.rend());
        reversed.append(CZelmViewView::kTitle);
        QCOMPARE(keywalk::stopIds(back), reversed);
    }

    // With events and Bench & Bottomland on: Tab goes through the AWHC and every cell of the
    // table, the editor always in sight, and out to Add.
    void tabWorksTheEventsCellByCellAndNamesTheAwhc()
    {
        Form form;
        form.view->resize(500, 340);
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        if (!form.document->IsBenchBottomland())
            QTest::mouseClick(form.control<QCheckBox>(CZelmViewView::kBenchBottomlandCheck), Qt::LeftButton, {},
                              QPoint(5, 5));
        QVERIFY(form.document->IsBenchBottomland());
        const int cells = form.table().rowCount() * 3;

        QWidget* depth = form.view->GetControl(CZelmViewView::kDepthToDrain);
        const QList<keywalk::Stop> stops = keywalk::walkTabs(depth, 3 + cells);
        keywalk::checkStops(stops);
        QCOMPARE(keywalk::stopIds(stops.mid(0, 2)),
                 QList<int>({CZelmViewView::kBenchBottomlandCheck, CZelmViewView::kAwhc}));
        QCOMPARE(stops.at(1).spokenName, QStringLiteral("AWHC for top 5 ft of Soil"));
        QCOMPARE(stops.at(2).spokenName, form.table().GetColumnTitle(0) + QStringLiteral(", row 1"));
        for (int cell = 0; cell < cells; ++cell) {
            const keywalk::Stop& stop = stops.at(2 + cell);
            QVERIFY2(form.table().isAncestorOf(stop.widget), qPrintable(QString::number(cell)));
            QVERIFY2(stop.inSight, qPrintable(QString::number(cell)));
        }
        QCOMPARE(stops.at(2 + cells).widget.data(), form.view->GetControl(CZelmViewView::kAddButton));
        QVERIFY(stops.at(2 + cells).inSight);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(FormKeyboardTest)
#include "FormKeyboardTest.moc"
