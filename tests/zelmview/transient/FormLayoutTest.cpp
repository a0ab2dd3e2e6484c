// The transient form at the sizes a window takes: at 640 by 480 every control can be scrolled
// into sight, and at a large size the table and the comments take the room, the table in whole
// rows.
#include <QDir>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "transient/EditorTestSupport.h"

using editortest::Form;

namespace {

const QList<int> kEveryControl = {
    CZelmViewView::kTitle,           CZelmViewView::kDesignRadio,   CZelmViewView::kAnalysisRadio,
    CZelmViewView::kUnitsList,       CZelmViewView::kPermeability,  CZelmViewView::kRootZoneRequirement,
    CZelmViewView::kDrainToBarrier,  CZelmViewView::kSpecificYield, CZelmViewView::kSpecificYieldButton,
    CZelmViewView::kDrainRadius,     CZelmViewView::kDepthToDrain,  CZelmViewView::kDrainSpacing,
    CZelmViewView::kEventTable,      CZelmViewView::kAddButton,     CZelmViewView::kEventsToAdd,
    CZelmViewView::kDeleteButton,    CZelmViewView::kPlotButton,    CZelmViewView::kOnBarrierRadio,
    CZelmViewView::kOffBarrierRadio, CZelmViewView::kCriteriaRadio, CZelmViewView::kComment,
    CZelmViewView::kDoneButton,      CZelmViewView::kHelpButton,
};

// Whether `control` lies inside the scroll area's viewport: wholly, or, where it is wider than
// the viewport (the title and the comment span the form), over its whole height and at least half
// the viewport's width.
bool inSight(const QScrollArea& scroll, const QWidget& control)
{
    const QRect shown(control.mapTo(scroll.viewport(), QPoint(0, 0)), control.size());
    const QRect viewport = scroll.viewport()->rect();
    if (shown.width() <= viewport.width()) return viewport.contains(shown);
    return shown.top() >= viewport.top() && shown.bottom() <= viewport.bottom() &&
           (shown & viewport).width() >= viewport.width() / 2;
}

// Scrolls the middle of `control` to the middle of the viewport: the whole control, not only its
// text cursor as ensureWidgetVisible would.
void bringIntoSight(QScrollArea& scroll, const QWidget& control)
{
    const QRect place(control.mapTo(scroll.widget(), QPoint(0, 0)), control.size());
    scroll.horizontalScrollBar()->setValue(place.center().x() - scroll.viewport()->width() / 2);
    scroll.verticalScrollBar()->setValue(place.center().y() - scroll.viewport()->height() / 2);
}

}  // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editortest::beginCase(folder); }

    void atSixForty480EveryControlScrollsIntoSight()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        form.view->resize(640, 480);
        QTest::qWait(0);
        auto* scroll = form.view->findChild<QScrollArea*>();
        QVERIFY(scroll != nullptr);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        for (int id : kEveryControl) {
            QWidget* control = form.view->GetControl(id);
            QVERIFY2(control != nullptr, qPrintable(QString::number(id)));
            bringIntoSight(*scroll, *control);
            QVERIFY2(inSight(*scroll, *control), qPrintable(QString::number(id)));
        }
    }

    void atALargeSizeTheTableAndTheCommentsGrowAndTheTableShowsWholeRows()
    {
        Form form;
        QVERIFY(form.open(editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path())));
        TableListCtrl& table = form.table();
        auto* comment = form.control<QPlainTextEdit>(CZelmViewView::kComment);
        form.view->resize(form.view->sizeHint());
        QTest::qWait(0);
        const int rowHeight = table.verticalHeader()->defaultSectionSize();
        QCOMPARE(table.viewport()->height() % rowHeight, 0);
        const int tableHeight = table.height();
        const int commentHeight = comment->height();

        form.view->resize(1400, 1000);
        QTest::qWait(0);
        QVERIFY(table.height() > tableHeight + 3 * rowHeight);
        QVERIFY(comment->height() > commentHeight);
        QVERIFY(table.width() > 400);
        QCOMPARE(table.viewport()->height() % rowHeight, 0);
        auto* scroll = form.view->findChild<QScrollArea*>();
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(FormLayoutTest)
#include "FormLayoutTest.moc"
