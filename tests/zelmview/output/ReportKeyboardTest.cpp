// The report window, the daily table and the chart of a run by keyboard alone and with a screen
// reader: Tab goes round every control and out of the report text with the focus in sight, every
// button has a mnemonic of its own that presses it, and every input is named.
#include <QAbstractButton>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "TestReports.h"
#include "chart/GraphDlg.h"
#include "data/CZELMOutputDoc.h"
#include "docview/KeyboardWalk.h"
#include "docview/MessageSink.h"
#include "output/CZELMOutputView.h"
#include "output/TableDlg.h"
#include "table/DeleteItemsDlg.h"
#include "table/TableListCtrl.h"

namespace {

// The mnemonic letters of the labelled buttons of `window` (not a table's corner button); fails
// when one has none or two share one.
QString mnemonicsOf(QWidget* window)
{
    QString letters;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) continue;
        const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= button->text().size()) {
            QTest::qFail(qPrintable(button->text() + QStringLiteral(" has no mnemonic")), __FILE__, __LINE__);
            return {};
        }
        const QChar letter = button->text().at(amp + 1).toLower();
        if (letters.contains(letter)) {
            QTest::qFail(qPrintable(button->text() + QStringLiteral(" shares its mnemonic")), __FILE__, __LINE__);
            return {};
        }
        letters.append(letter);
    }
    return letters;
}

// Every item of `actions` and of their submenus reads with a mnemonic, none shared within a menu.
void checkMenuMnemonics(const QList<QAction*>& actions)
{
    QString letters;
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0 && amp + 1 < action->text().size(),
                 qPrintable(action->text() + QStringLiteral(" has no mnemonic")));
        const QChar letter = action->text().at(amp + 1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(action->text() + QStringLiteral(" shares its mnemonic")));
        letters.append(letter);
        if (action->menu() != nullptr) checkMenuMnemonics(action->menu()->actions());
    }
}

}  // namespace

class ReportKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        report = testreports::RunExample(QStringLiteral("hillcrest-design"), folder.path());
        QVERIFY(!report.isEmpty());
    }

    // From the report text round the buttons and the Graphing radios and back: Tab leaves the
    // text, which keeps what was in it; Alt+P plots, from the text too.
    void tabGoesRoundTheReportWindowAndAltPressesItsButtons()
    {
        docview::MessageRecorder messages;
        auto* document = new CZELMOutputDoc;
        QVERIFY(document->OnOpenDocument(report));
        CZELMOutputView view(document);
        view.resize(640, 400);
        view.show();
        view.OnInitialUpdate();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* text = static_cast<QPlainTextEdit*>(view.GetControl(CZELMOutputView::kReportEdit));
        const QString before = text->toPlainText();

        const QList<keywalk::Stop> stops = keywalk::walkTabs(text);
        keywalk::checkStops(stops);
        QCOMPARE(text->toPlainText(), before);  // no tab went into the report
        const QList<int> ids = keywalk::stopIds(stops);
        for (int button :
             {CZELMOutputView::kPlotButton, CZELMOutputView::kWriteButton, CZELMOutputView::kPrintViaWordpadButton,
              CZELMOutputView::kDoneButton, CZELMOutputView::kHelpButton})
            QVERIFY2(ids.contains(button), qPrintable(QString::number(button)));
        QCOMPARE(ids.constLast(), int(CZELMOutputView::kReportEdit));
        QVERIFY(stops.constLast().spokenName.length() > 0);
        QCOMPARE(mnemonicsOf(&view).size(), view.findChildren<QAbstractButton*>().size());

        // Alt+P from the report text draws the chart, as the Plot button does.
        text->setFocus();
        QTest::keyClick(text, Qt::Key_P, Qt::AltModifier);
        GraphDlg* chart = nullptr;
        QTRY_VERIFY((chart = view.findChild<GraphDlg*>()) != nullptr || [&chart] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<GraphDlg*>(widget)) chart = found;
            return chart != nullptr;
        }());
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.messages().join('\n')));

        // The chart window is worked from its menu: every item has a letter of its own, and the
        // keyboard closes the window.
        auto* menuBar = chart->findChild<QMenuBar*>(QStringLiteral("chartMenuBar"));
        QVERIFY(menuBar != nullptr);
        checkMenuMnemonics(menuBar->actions());
        QPointer<GraphDlg> shown(chart);
        chart->activateWindow();
        QTest::keySequence(chart, QKeySequence::Close);
        QTRY_VERIFY(shown.isNull() || !shown->isVisible());
        delete shown.data();
    }

    // The daily table: Tab from the table to its buttons and back, each named and with a mnemonic.
    void tabGoesRoundTheDailyTable()
    {
        CZELMOutputDoc document;
        QVERIFY(document.OnOpenDocument(report));
        TableDlg dialog(&document.GetOutput());
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<keywalk::Stop> stops = keywalk::walkTabs(dialog.GetTable());
        keywalk::checkStops(stops);
        QCOMPARE(keywalk::stopIds(stops),
                 QList<int>({TableDlg::kHelpButton, TableDlg::kSaveCsvButton, TableDlg::kCloseButton,
                             TableDlg::kExportButton, TableDlg::kTable}));
        QVERIFY(stops.constLast().spokenName.startsWith(QStringLiteral("Daily Water Table Heights")));
        QCOMPARE(mnemonicsOf(&dialog).size(), 4);
    }

    // The Delete chooser: its list named, Enter takes the row it starts on.
    void theDeleteChooserIsWorkedByKeyboard()
    {
        DeleteItemsDlg dialog({QStringLiteral("3/12 - row 1, amount 1.2"), QStringLiteral("3/13 - row 2, amount 0.5")});
        dialog.StartOn(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.GetList());
        QCOMPARE(keywalk::spokenName(dialog.GetList()), QStringLiteral("Items to delete"));
        QTest::keyClick(dialog.GetList(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(dialog.GetList(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetChosenIndices(), QList<int>({1, 0}));
    }

private:
    QTemporaryDir folder;
    QString report;
};

QTEST_MAIN(ReportKeyboardTest)
#include "ReportKeyboardTest.moc"
