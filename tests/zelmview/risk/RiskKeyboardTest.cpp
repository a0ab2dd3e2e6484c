// The risk project window by keyboard alone and with a screen reader: Tab goes from the lists to
// the tabs, through the page shown and on to the comments, with the focus always in sight and
// every input named by its label, on every page the lists can bring; the arrows change the page.
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include "docview/KeyboardWalk.h"
#include "risk/RiskTestSupport.h"

using risktest::Form;
using risktest::Page;

namespace {

// Walks the window from its first list round to it again, checks every stop, and returns the
// stops between the tabs and the comments: the page's.
QList<keywalk::Stop> walkAroundThePage(Form& form, QTabBar* tabs)
{
    QWidget* first = form.view->GetSelector(CZELMRiskView::kEvaluationList);
    const QList<keywalk::Stop> stops = keywalk::walkTabs(first);
    keywalk::checkStops(stops);
    if (QTest::currentTestFailed()) return {};
    QList<keywalk::Stop> page;
    const QList<int> ids = keywalk::stopIds(stops);
    [&] {
        QCOMPARE(ids.mid(0, 2), QList<int>({CZELMRiskView::kOptionList, CZELMRiskView::kUnitsList}));
        QCOMPARE(stops.at(2).widget.data(), tabs);
        QCOMPARE(ids.mid(ids.size() - 2), QList<int>({CZELMRiskView::kComment, CZELMRiskView::kEvaluationList}));
    }();
    return stops.mid(3, stops.size() - 5);
}

}  // namespace

class RiskKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(folder.isValid());
    }

    // Every page of a new project, reached by the arrows on the tabs and by the lists, at a small
    // size: Tab reaches every input the page shows, in sight and named.
    void tabGoesRoundEveryPageInSightAndNamed()
    {
        Form form;
        form.view->resize(520, 380);
        form.showNew();
        QTest::qWait(0);
        auto* tabs = form.sheet().findChild<QTabBar*>();
        QCOMPARE(QApplication::focusWidget(), form.view->GetSelector(CZELMRiskView::kEvaluationList));

        QStringList walked;
        for (int round = 0; round < 4; ++round) {
            if (round == 2) form.choose(CZELMRiskView::kEvaluationList, 1);
            if (round == 3) form.choose(CZELMRiskView::kOptionList, 1);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setFocus(Qt::TabFocusReason);
                QTest::keyClick(tabs, tab == 0 ? Qt::Key_Home : Qt::Key_Right);
                RiskPage* page = form.sheet().GetCurrentPage();
                walked.append(page->GetCaption());
                const QList<keywalk::Stop> stops = walkAroundThePage(form, tabs);
                if (QTest::currentTestFailed()) QFAIL(qPrintable(page->GetCaption()));
                int inputs = 0;
                for (QWidget* control : page->findChildren<QWidget*>())
                    if (keywalk::isInput(control) && control->isVisible() && control->isEnabled() &&
                        (control->focusPolicy() & Qt::TabFocus))
                        ++inputs;
                QVERIFY2(stops.size() == inputs, qPrintable(page->GetCaption()));
                for (const keywalk::Stop& stop : stops) QVERIFY(page->isAncestorOf(stop.widget));
            }
        }
        QVERIFY(walked.contains(QStringLiteral("Analysis of a Range of Designs")));
        QVERIFY(walked.contains(QStringLiteral("Loss Function Analysis")));
    }

private:
    QTemporaryDir folder;
};

QTEST_MAIN(RiskKeyboardTest)
#include "RiskKeyboardTest.moc"
