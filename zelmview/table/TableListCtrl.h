// A table of titled text columns whose cells are edited in place: one click opens an editor on a
// cell, Tab, Enter and the arrow keys move it from cell to cell (a table reached by Tab edits its
// first cell, Tab on the last cell and Shift+Tab on the first leave it, and a table without a
// cell to edit is passed by or left as any control), Ctrl+C copies the whole table
// and Ctrl+V pastes text into it from the current cell (the top-left one while there is none).
// The table owns no data: when an edit ends it tells its owner which cell changed and the new
// text, and the owner checks the value, stores it and sets the cell's text. Pasted values arrive
// the same way, so they pass the same checks, between a signal before and one after the paste so
// that the owner can store them as one change. A paste drops nothing silently: a table whose owner
// adds rows grows for the values past its last row, and values that find no cell are counted in
// the status bar, as are the lines a table of numbers skips for having none (a header line).
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <map>

#include "table/CTableInPlaceEdit.h"

class QKeyEvent;

class TableListCtrl : public QTableWidget {
    Q_OBJECT

public:
    // Directions of MoveToCell.
    enum class Direction : int { Next = 0, Previous = -2, Up = -1, Down = 1 };
    // A column is editable unless its mode says otherwise.
    enum class ColumnMode : int { Editable = 0, ReadOnly = 1 };
    // How a paste treats its text: a table of numbers skips a line in which no cell begins with a
    // number; a table whose owner takes edits of rows it does not have yet adds rows for them.
    struct PasteRules {
        bool numbersOnly = false;
        bool addsRows = false;
    };

    // `editorId` is the controlId of the in-place editor; with `enterMovesRight` Enter moves to
    // the next cell, otherwise to the cell below.
    TableListCtrl(int editorId, bool enterMovesRight, QWidget* parent = nullptr);
    ~TableListCtrl() override;

    int InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment = Qt::AlignLeft);
    // Adds columns after the last one at once, all of `width` and `alignment`; far quicker than one
    // InsertColumn after another for a wide table.
    void AppendColumns(const QStringList& titles, int width, Qt::Alignment alignment = Qt::AlignLeft);
    void SetColumnTitle(int column, const QString& title);
    QString GetColumnTitle(int column) const;
    // Inserts a row at `row` with `text` in column 0; returns the row.
    int InsertItem(int row, const QString& text);
    void DeleteAllItems();

    QString GetCellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    void SetPasteRules(PasteRules rules) { pasteRules = rules; }
    void SetColumnMode(int column, ColumnMode mode);
    bool IsColumnEditable(int column) const;

    // Opens the editor on a cell and returns it; none for a row or column that does not exist or
    // a column too narrow to edit in.
    CTableInPlaceEdit* EditCell(int row, int column);
    // The editor of the edit under way; none once it has ended.
    CTableInPlaceEdit* GetEditor() const { return editor && !editor->IsFinished() ? editor.data() : nullptr; }
    // Ends a running edit as losing the focus does.
    void EndEdit();

    // The cell under `point` (viewport coordinates): row -1 when no row is there, column -1 beside
    // the last column.
    std::pair<int, int> HitTestCell(const QPoint& point) const;
    void MoveToCell(Direction direction);

    // The cell last clicked (with either button) or opened for editing; "Insert Row at Cursor"
    // inserts there and a paste starts there.
    int GetCursorRow() const { return cursorRow; }
    int GetCursorColumn() const { return cursorColumn; }
    // Whether a cell of the rows now shown was made current; emptying the table forgets it.
    bool HasCursor() const { return hasCursor && cursorRow < rowCount(); }

    // The whole table as text: cells separated by a tab, rows (or columns) by CR LF, no line end
    // after the last; column titles first when asked, by rows only.
    QString CopyText(bool byColumns, bool withTitles) const;
    // The cells of one row, separated by a tab.
    QString CopyRowText(int row) const;
    void CopyToClipboard(bool byColumns, bool withTitles);
    // Fills the cells from the current one (or the top-left one) with the values of `text`, or of
    // the clipboard when `text` is empty, on along the row and into the next row from its first
    // column; values for read-only columns are used up. Past the last row the table grows when
    // its paste rules say so; otherwise the values left over are counted in the status bar.
    void PasteFromClipboard(const QString& text = {});

    // The table's keys, also when its editor has the focus; true when the key was one of them.
    bool HandleTableKey(QKeyEvent* event);

    static constexpr int kMaxToolTip = 199;
    static constexpr int kMaxTitle = 99;

signals:
    void beginEdit(TableListCtrl* table, int row, int column);
    // `cancelled` edits bring no text: an edit ended by Escape, or one in which nothing was typed.
    void endEdit(TableListCtrl* table, int row, int column, const QString& text, bool cancelled);
    void pasteBegins(TableListCtrl* table);
    void pasteEnds(TableListCtrl* table);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void MarkRow(int row);
    void SetCursor(int row, int column);
    int FindEditableColumn(int from, bool forward, bool& wrapped) const;
    // The values of `text`, line by line, without the lines the paste rules skip; counts those.
    QList<QStringList> PastedLines(const QString& text, int& skipped) const;
    // Passes the focus on to the next control (the previous one when not `forward`).
    void LeaveTable(bool forward);
    // The first (or last) editable column; -1 when none is.
    int EdgeEditableColumn(bool first) const;
    bool HasEditableCell() const;
    QTableWidgetItem* CellItem(int row, int column);

    int editorId;
    bool enterMovesRight;
    int cursorRow = 0;
    int cursorColumn = 0;
    bool hasCursor = false;
    std::map<int, ColumnMode> columnModes;
    PasteRules pasteRules;
    QList<Qt::Alignment> alignments;
    QPointer<CTableInPlaceEdit> editor;
};
