// Helpers of the table's tests: opening the in-place editor with a click and typing into it, as
// the user does.
#pragma once

#include <QString>
#include <QTest>

#include "table/CTableInPlaceEdit.h"
#include "table/TableListCtrl.h"

namespace tabletest {

// Opens the editor on a cell with a click, as the user does.
inline CTableInPlaceEdit* clickCell(TableListCtrl& table, int row, int column)
{
    const QRect cell = table.visualRect(table.model()->index(row, column));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    return table.GetEditor();
}

// Types `text` into the open editor and ends the edit with `key`.
inline void typeIntoEditor(TableListCtrl& table, const QString& text, Qt::Key key = Qt::Key_Return)
{
    CTableInPlaceEdit* editor = table.GetEditor();
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, key);
}

}  // namespace tabletest
