// The editable table on its own: copy and paste text, editing by click and keys, the wrap rules
// of the moves, and the Delete chooser.
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "docview/MessageSink.h"
#include "table/DeleteItemsDlg.h"
#include "table/TableTestSupport.h"
#include "table/TableText.h"

using tabletest::clickCell;
using tabletest::typeIntoEditor;

namespace {

struct Edit {
    int row;
    int column;
    QString text;
    bool cancelled;
};

// A window with a line edit, a table and another line edit; the window stores every edit in the
// cell, as an owner does, and records it.
struct TableWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    TableListCtrl* table = new TableListCtrl(77, true, &window);
    QLineEdit* after = new QLineEdit(&window);
    QList<Edit> edits;

    TableWindow(int rows, int columns)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(table);
        layout->addWidget(after);
        for (int column = 0; column < columns; ++column)
            table->InsertColumn(column, QStringLiteral("C%1").arg(column), 60);
        for (int row = 0; row < rows; ++row) table->InsertItem(row, QString());
        QObject::connect(table, &TableListCtrl::endEdit, table,
                         [this](TableListCtrl* sender, int row, int column, const QString& text, bool cancelled) {
                             edits.append({row, column, text, cancelled});
                             if (!cancelled) sender->SetCellText(row, column, text);
                         });
        window.resize(400, 300);
        window.show();
    }
    void fill(const QStringList& values)
    {
        for (int index = 0; index < values.size(); ++index)
            table->SetCellText(index / table->columnCount(), index % table->columnCount(), values.at(index));
    }
    QStringList cells() const
    {
        QStringList values;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                values.append(table->GetCellText(row, column));
        return values;
    }
};

}  // namespace

class TableListCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void copyByRowsAndByColumnsGiveTheExactText()
    {
        TableWindow table(2, 2);
        table.fill({"1", "2", "3", "4"});
        QCOMPARE(table.table->CopyText(false, false), QStringLiteral("1\t2\r\n3\t4"));
        QCOMPARE(table.table->CopyText(true, false), QStringLiteral("1\t3\r\n2\t4"));
        QCOMPARE(table.table->CopyText(false, true), QStringLiteral("C0\tC1\r\n1\t2\r\n3\t4"));
        table.table->CopyToClipboard(false, false);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2\r\n3\t4"));
    }

    void pastingACopyRestoresTheCellsAndNeverGrowsTheTable()
    {
        TableWindow source(2, 2);
        source.fill({"1", "2", "3", "4"});
        source.table->CopyToClipboard(false, false);

        TableWindow same(2, 2);
        same.table->PasteFromClipboard();
        QCOMPARE(same.cells(), QStringList({"1", "2", "3", "4"}));

        docview::MessageRecorder notes(docview::MessageChannel::StatusBar);
        TableWindow oneRow(1, 2);
        oneRow.table->PasteFromClipboard(QStringLiteral("1\t2\r\n3\t4"));
        QCOMPARE(oneRow.cells(), QStringList({"1", "2"}));
        QCOMPARE(oneRow.table->rowCount(), 1);
        // What finds no cell is not dropped without a word.
        QCOMPARE(notes.messages(),
                 QStringList({QStringLiteral("2 pasted value(s) found no cell in the table and were left out.")}));
    }

    void aPasteStartsAtTheCurrentCellAndARightClickMakesItCurrent()
    {
        TableWindow table(3, 2);
        table.fill({"1", "2", "3", "4", "5", "6"});
        clickCell(*table.table, 1, 1);
        table.table->EndEdit();
        table.table->PasteFromClipboard(QStringLiteral("x\ty"));
        QCOMPARE(table.cells(), QStringList({"1", "2", "3", "x", "y", "6"}));

        const QRect cell = table.table->visualRect(table.table->model()->index(0, 1));
        QTest::mouseClick(table.table->viewport(), Qt::RightButton, {}, cell.center());
        QCOMPARE(table.table->GetCursorRow(), 0);
        QCOMPARE(table.table->GetCursorColumn(), 1);
        QVERIFY(table.table->GetEditor() == nullptr);  // a right-click opens no editor
        table.table->PasteFromClipboard(QStringLiteral("z"));
        QCOMPARE(table.cells(), QStringList({"1", "z", "3", "x", "y", "6"}));

        // Emptied and filled again, the table has no current cell: a whole table pastes back whole.
        table.table->DeleteAllItems();
        for (int row = 0; row < 3; ++row) table.table->InsertItem(row, QString());
        table.table->PasteFromClipboard(QStringLiteral("a\tb\r\nc\td\r\ne\tf"));
        QCOMPARE(table.cells(), QStringList({"a", "b", "c", "d", "e", "f"}));
    }

    void anEmptyPastedCellShiftsTheFollowingValuesLeftAndBlanksAreTrimmed()
    {
        TableWindow table(1, 3);
        table.table->PasteFromClipboard(QStringLiteral(" 1 \t\t3\t"));
        QCOMPARE(table.cells(), QStringList({"1", "3", ""}));
        QCOMPARE(zelm::SplitTokens(QStringLiteral("\ta\t\tb\r\n"), QStringLiteral("\t\r\n")), QStringList({"a", "b"}));
        QCOMPARE(zelm::TrimText(QStringLiteral("\r\n x \t")), QStringLiteral("x"));
    }

    void aReadOnlyColumnUsesUpItsPastedValue()
    {
        TableWindow table(1, 3);
        table.table->SetColumnMode(1, TableListCtrl::ColumnMode::ReadOnly);
        table.table->PasteFromClipboard(QStringLiteral("a\tb\tc"));
        QCOMPARE(table.cells(), QStringList({"a", "", "c"}));
    }

    void oneClickEditsAndEnterMovesToTheNextCell()
    {
        TableWindow table(2, 2);
        QSignalSpy begins(table.table, &TableListCtrl::beginEdit);
        CTableInPlaceEdit* editor = clickCell(*table.table, 1, 0);
        QVERIFY(editor != nullptr);
        QCOMPARE(begins.count(), 1);
        QCOMPARE(editor->property("controlId").toInt(), 77);
        typeIntoEditor(*table.table, QStringLiteral("x"));
        QCOMPARE(table.table->GetCellText(1, 0), QStringLiteral("x"));
        QVERIFY(table.table->GetEditor() != nullptr);
        QCOMPARE(table.table->GetEditor()->GetRow(), 1);
        QCOMPARE(table.table->GetEditor()->GetColumn(), 1);
    }

    void escapeLeavesTheCellAlone()
    {
        TableWindow table(1, 2);
        table.fill({"keep", "b"});
        clickCell(*table.table, 0, 0);
        QTest::keyClicks(table.table->GetEditor(), QStringLiteral("other"));
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Escape);
        QCOMPARE(table.table->GetCellText(0, 0), QStringLiteral("keep"));
        QCOMPARE(table.edits.size(), 1);
        QVERIFY(table.edits.constFirst().cancelled);
    }

    void tabAndEnterOnTheLastCellLeaveTheTable()
    {
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
            TableWindow table(2, 2);
            QApplication::setActiveWindow(&table.window);
            QVERIFY(QTest::qWaitForWindowActive(&table.window));
            clickCell(*table.table, 1, 1);
            QTest::keyClick(table.table->GetEditor(), key);
            QTRY_COMPARE(QApplication::focusWidget(), table.after);
            QCOMPARE(table.table->GetCursorRow(), 0);
            QCOMPARE(table.table->GetCursorColumn(), 0);
        }
    }

    void movesWrapAroundTheTable()
    {
        TableWindow table(2, 3);
        clickCell(*table.table, 0, 0);
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Up);  // wraps to the last row, previous column
        QCOMPARE(table.table->GetCursorRow(), 1);
        QCOMPARE(table.table->GetCursorColumn(), 2);
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Down);  // past the last row: row 0, next column
        QCOMPARE(table.table->GetCursorRow(), 0);
        QCOMPARE(table.table->GetCursorColumn(), 0);
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Down);
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Backtab);  // before column 0: the row above's last
        QCOMPARE(table.table->GetCursorRow(), 0);
        QCOMPARE(table.table->GetCursorColumn(), 2);
    }

    // Tab and Shift+Tab go through a table as through the window: into its first (or last) cell,
    // cell by cell, and out again; a table without a cell to edit holds no one.
    void theKeyboardGoesIntoAndOutOfTheTable()
    {
        TableWindow table(2, 2);
        QApplication::setActiveWindow(&table.window);
        QVERIFY(QTest::qWaitForWindowActive(&table.window));
        table.before->setFocus();
        QTest::keyClick(table.before, Qt::Key_Tab);
        QVERIFY(table.table->GetEditor() != nullptr);
        QCOMPARE(std::pair(table.table->GetCursorRow(), table.table->GetCursorColumn()), std::pair(0, 0));
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Backtab);
        QTRY_COMPARE(QApplication::focusWidget(), table.before);

        table.after->setFocus();
        QTest::keyClick(table.after, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(table.table->GetEditor() != nullptr);
        QCOMPARE(std::pair(table.table->GetCursorRow(), table.table->GetCursorColumn()), std::pair(1, 1));

        // Without rows it is passed by; read-only, Tab leaves it.
        table.table->DeleteAllItems();
        table.before->setFocus();
        QTest::keyClick(table.before, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), table.after);
        table.table->InsertItem(0, QStringLiteral("x"));
        for (int column = 0; column < 2; ++column)
            table.table->SetColumnMode(column, TableListCtrl::ColumnMode::ReadOnly);
        table.before->setFocus();
        QTest::keyClick(table.before, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), table.table);
        QTest::keyClick(table.table, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), table.after);
    }

    void aMoveOntoAReadOnlyColumnGoesOnToTheNextEditableCell()
    {
        TableWindow table(2, 3);
        table.table->SetColumnMode(2, TableListCtrl::ColumnMode::ReadOnly);
        clickCell(*table.table, 0, 1);
        QTest::keyClick(table.table->GetEditor(), Qt::Key_Tab);
        QCOMPARE(table.table->GetCursorRow(), 1);
        QCOMPARE(table.table->GetCursorColumn(), 0);
        QVERIFY(clickCell(*table.table, 0, 2) == nullptr);  // a click there opens nothing
    }

    void noCellIsEditedWhereThereIsNone()
    {
        TableWindow table(1, 2);
        QVERIFY(table.table->EditCell(3, 0) == nullptr);
        QVERIFY(table.table->EditCell(0, 2) == nullptr);
        table.table->setColumnWidth(1, 4);
        QVERIFY(table.table->EditCell(0, 1) == nullptr);
        QCOMPARE(table.table->HitTestCell(QPoint(10, 1000)).first, -1);
    }

    void deleteChooserReturnsTheChosenRowsHighestFirst()
    {
        DeleteItemsDlg dialog({"1/1", "2/2", "3/3", "4/4", "5/5", "6/6"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose Items to Delete"));
        dialog.show();
        QListWidget* list = dialog.GetList();
        for (int row : {0, 2, 5}) {
            const QRect rect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
        }
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetChosenIndices(), QList<int>({5, 2, 0}));

        // Started on a row, Enter deletes that row alone.
        DeleteItemsDlg started({"1/1", "1/1", "3/3"});
        started.StartOn(1);
        started.StartOn(7);  // no such row: the start stays
        started.show();
        QTest::keyClick(started.GetList(), Qt::Key_Return);
        QCOMPARE(started.result(), int(QDialog::Accepted));
        QCOMPARE(started.GetChosenIndices(), QList<int>({1}));
    }
};

QTEST_MAIN(TableListCtrlTest)
#include "TableListCtrlTest.moc"
