#include "table/TableListCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "table/CTableInPlaceEdit.h"
#include "table/TableText.h"

namespace {

constexpr int kMinEditableWidth = 5;
const QString kCellSeparator = QStringLiteral("\t");
const QString kLineSeparator = QStringLiteral("\r\n");
const QString kLineDelimiters = QStringLiteral("\r\n");

}  // namespace

TableListCtrl::TableListCtrl(int editor, bool enterRight, QWidget* parent)
    : QTableWidget(parent), editorId(editor), enterMovesRight(enterRight)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    setMouseTracking(true);
}

TableListCtrl::~TableListCtrl()
{
    // An editor that loses the focus while the table is torn down reports to no one.
    if (editor) editor->disconnect(this);
}

int TableListCtrl::InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment)
{
    column = std::clamp(column, 0, columnCount());
    insertColumn(column);
    auto* header = new QTableWidgetItem(title);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    setColumnWidth(column, width);
    alignments.insert(column, alignment);
    return column;
}

void TableListCtrl::AppendColumns(const QStringList& titles, int width, Qt::Alignment alignment)
{
    const int first = columnCount();
    setColumnCount(first + int(titles.size()));
    for (int index = 0; index < titles.size(); ++index) {
        auto* header = new QTableWidgetItem(titles.at(index));
        header->setTextAlignment(alignment | Qt::AlignVCenter);
        setHorizontalHeaderItem(first + index, header);
        setColumnWidth(first + index, width);
        alignments.insert(first + index, alignment);
    }
}

void TableListCtrl::SetColumnTitle(int column, const QString& title)
{
    if (QTableWidgetItem* header = horizontalHeaderItem(column)) header->setText(title);
}

QString TableListCtrl::GetColumnTitle(int column) const
{
    const QTableWidgetItem* header = horizontalHeaderItem(column);
    return header != nullptr ? header->text() : QString();
}

int TableListCtrl::InsertItem(int row, const QString& text)
{
    row = std::clamp(row, 0, rowCount());
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) CellItem(row, column);
    SetCellText(row, 0, text);
    return row;
}

void TableListCtrl::DeleteAllItems()
{
    EndEdit();
    setRowCount(0);
    hasCursor = false;
}

QTableWidgetItem* TableListCtrl::CellItem(int row, int column)
{
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(alignments.value(column, Qt::AlignLeft) | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    return cell;
}

QString TableListCtrl::GetCellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void TableListCtrl::SetCellText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    CellItem(row, column)->setText(text);
}

void TableListCtrl::SetColumnMode(int column, ColumnMode mode)
{
    columnModes[column] = mode;
}

bool TableListCtrl::IsColumnEditable(int column) const
{
    const auto mode = columnModes.find(column);
    return mode == columnModes.end() || mode->second == ColumnMode::Editable;
}

CTableInPlaceEdit* TableListCtrl::EditCell(int row, int column)
{
    if (row < 0 || row >= rowCount()) return nullptr;
    if (column < 0 || column >= columnCount() || columnWidth(column) < kMinEditableWidth) return nullptr;
    EndEdit();
    // Brings the cell into view, sideways too, before the editor is laid over it.
    scrollTo(model()->index(row, column));

    QRect cell = visualRect(model()->index(row, column));
    cell.setRight(std::min(cell.right(), viewport()->width() - 1));
    SetCursor(row, column);

    editor = new CTableInPlaceEdit(this, row, column, GetCellText(row, column));
    docview::setControlId(editor, editorId);
    editor->setAlignment(alignments.value(column, Qt::AlignLeft) | Qt::AlignVCenter);
    editor->setGeometry(cell);
    connect(editor, &CTableInPlaceEdit::editFinished, this,
            [this](int editedRow, int editedColumn, const QString& text, bool cancelled) {
                emit endEdit(this, editedRow, editedColumn, text, cancelled);
            });
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    editor->selectAll();
    emit beginEdit(this, row, column);
    return editor;
}

void TableListCtrl::EndEdit()
{
    if (!editor || editor->IsFinished()) return;
    if (editor->hasFocus()) setFocus(Qt::OtherFocusReason);
    editor->Finish();
}

std::pair<int, int> TableListCtrl::HitTestCell(const QPoint& point) const
{
    return {rowAt(point.y()), columnAt(point.x())};
}

void TableListCtrl::SetCursor(int row, int column)
{
    cursorRow = row;
    cursorColumn = column;
    hasCursor = true;
}

void TableListCtrl::MarkRow(int row)
{
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TableListCtrl::LeaveTable(bool forward)
{
    EndEdit();
    QWidget::focusNextPrevChild(forward);
}

int TableListCtrl::EdgeEditableColumn(bool first) const
{
    for (int step = 0; step < columnCount(); ++step) {
        const int column = first ? step : columnCount() - 1 - step;
        if (IsColumnEditable(column)) return column;
    }
    return -1;
}

bool TableListCtrl::HasEditableCell() const
{
    return rowCount() > 0 && EdgeEditableColumn(true) >= 0;
}

void TableListCtrl::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return;
    // Reached by Tab, the table edits its first cell, by Shift+Tab its last, so that the focus is
    // always seen; an empty table passes it on, as there is nothing in it to reach.
    const bool forward = reason == Qt::TabFocusReason;
    if (rowCount() == 0) {
        QWidget::focusNextPrevChild(forward);
        return;
    }
    if (!HasEditableCell()) return;
    SetCursor(forward ? 0 : rowCount() - 1, EdgeEditableColumn(forward));
    EditCell(cursorRow, cursorColumn);
}

int TableListCtrl::FindEditableColumn(int from, bool forward, bool& wrapped) const
{
    const int columns = columnCount();
    wrapped = false;
    int column = from;
    for (int step = 0; step < columns; ++step) {
        if (IsColumnEditable(column)) return column;
        column += forward ? 1 : -1;
        if (column >= columns) {
            column = 0;
            wrapped = true;
        } else if (column < 0) {
            column = columns - 1;
            wrapped = true;
        }
    }
    return -1;
}

void TableListCtrl::MoveToCell(Direction direction)
{
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows == 0 || columns == 0) return;
    EndEdit();
    cursorRow = std::clamp(cursorRow, 0, rows - 1);
    cursorColumn = std::clamp(cursorColumn, 0, columns - 1);

    switch (direction) {
    case Direction::Next:
        if (cursorRow == rows - 1 && cursorColumn == columns - 1) {
            cursorRow = 0;
            cursorColumn = 0;
            LeaveTable(true);
            return;
        }
        cursorColumn = (cursorColumn + 1) % columns;
        if (cursorColumn == 0) MarkRow(++cursorRow);
        break;
    case Direction::Previous:
        // Shift+Tab on the first cell leaves the table backwards, as Tab on the last leaves it.
        if (cursorRow == 0 && cursorColumn <= EdgeEditableColumn(true)) {
            LeaveTable(false);
            return;
        }
        if (--cursorColumn < 0) {
            cursorColumn += columns;
            if (--cursorRow < 0) cursorRow = rows - 1;
            MarkRow(cursorRow);
        }
        break;
    case Direction::Up:
        if (--cursorRow < 0) {
            cursorRow += rows;
            if (--cursorColumn < 0) cursorColumn = columns - 1;
            MarkRow(cursorRow);
        }
        break;
    case Direction::Down:
        if (++cursorRow == rows) {
            cursorRow = 0;
            if (++cursorColumn == columns) cursorColumn = 0;
            MarkRow(0);
        }
        break;
    }

    // A read-only column passes the move on to the nearest editable cell in the direction of
    // travel: Tab to the right (on into the next row), Shift+Tab to the left (back into the
    // previous row), Up and Down to the right within their row.
    const bool forward = direction != Direction::Previous;
    bool wrapped = false;
    const int column = FindEditableColumn(cursorColumn, forward, wrapped);
    if (column < 0) return;
    if (wrapped && direction == Direction::Next) cursorRow = (cursorRow + 1) % rows;
    if (wrapped && direction == Direction::Previous) cursorRow = (cursorRow - 1 + rows) % rows;
    cursorColumn = column;
    setFocus(Qt::OtherFocusReason);
    EditCell(cursorRow, cursorColumn);
}

QString TableListCtrl::CopyText(bool byColumns, bool withTitles) const
{
    QStringList lines;
    if (byColumns) {
        for (int column = 0; column < columnCount(); ++column) {
            QStringList cells;
            for (int row = 0; row < rowCount(); ++row) cells.append(GetCellText(row, column));
            lines.append(cells.join(kCellSeparator));
        }
        return lines.join(kLineSeparator);
    }
    QString text;
    if (withTitles) {
        QStringList titles;
        for (int column = 0; column < columnCount(); ++column) titles.append(GetColumnTitle(column).left(kMaxTitle));
        text = titles.join(kCellSeparator) + kLineSeparator;
    }
    for (int row = 0; row < rowCount(); ++row) lines.append(CopyRowText(row));
    return text + lines.join(kLineSeparator);
}

QString TableListCtrl::CopyRowText(int row) const
{
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column) cells.append(GetCellText(row, column));
    return cells.join(kCellSeparator);
}

void TableListCtrl::CopyToClipboard(bool byColumns, bool withTitles)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        docview::showMessage(QStringLiteral("Failed to open clipboard"));
        return;
    }
    clipboard->setText(CopyText(byColumns, withTitles));
}

QList<QStringList> TableListCtrl::PastedLines(const QString& text, int& skipped) const
{
    QList<QStringList> lines;
    skipped = 0;
    for (const QString& line : zelm::SplitTokens(text, kLineDelimiters)) {
        const QStringList values = zelm::SplitTokens(line, kCellSeparator);
        if (values.isEmpty()) continue;
        if (pasteRules.numbersOnly && std::none_of(values.begin(), values.end(), zelm::beginsWithNumber)) {
            ++skipped;
            continue;
        }
        lines.append(values);
    }
    return lines;
}

void TableListCtrl::PasteFromClipboard(const QString& given)
{
    const int columns = columnCount();
    if (rowCount() == 0 || columns == 0) return;
    QString text = given;
    if (text.isEmpty()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard == nullptr) {
            docview::showMessage(QStringLiteral("Failed to open clipboard"));
            return;
        }
        text = clipboard->text();
    }
    EndEdit();
    // The owner's notes on the values it changed and the table's own come as one.
    const docview::StatusNoteBatch notes;
    int row = HasCursor() ? std::max(cursorRow, 0) : 0;
    int column = HasCursor() ? std::clamp(cursorColumn, 0, columns - 1) : 0;
    int skipped = 0;
    int leftOver = 0;
    emit pasteBegins(this);
    for (const QStringList& line : PastedLines(text, skipped)) {
        for (const QString& value : line) {
            if (row == rowCount() && pasteRules.addsRows) InsertItem(row, QString());
            if (IsColumnEditable(column)) {
                if (row < rowCount())
                    emit endEdit(this, row, column, zelm::TrimText(value), false);
                else
                    ++leftOver;
            }
            if (++column == columns) {
                column = 0;
                ++row;
            }
        }
    }
    emit pasteEnds(this);
    if (skipped > 0)
        docview::showStatus(skipped == 1
                                ? QStringLiteral("1 pasted line without a number was skipped.")
                                : QStringLiteral("%1 pasted lines without a number were skipped.").arg(skipped));
    if (leftOver > 0)
        docview::showStatus(
            QStringLiteral("%1 pasted value(s) found no cell in the table and were left out.").arg(leftOver));
}

bool TableListCtrl::HandleTableKey(QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    // A table without a cell to edit moves nothing: Tab leaves it and the arrows go from row to row.
    if (!HasEditableCell() && key->key() != Qt::Key_C && key->key() != Qt::Key_V) return false;
    auto move = [this](Direction direction) {
        setFocus(Qt::OtherFocusReason);
        MoveToCell(direction);
        return true;
    };
    switch (key->key()) {
    case Qt::Key_Tab:
        if (control) return false;
        return move(modifiers & Qt::ShiftModifier ? Direction::Previous : Direction::Next);
    case Qt::Key_Backtab:
        if (control) return false;
        return move(Direction::Previous);
    case Qt::Key_Up:
        return move(Direction::Up);
    case Qt::Key_Down:
        return move(Direction::Down);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return move(enterMovesRight ? Direction::Next : Direction::Down);
    case Qt::Key_V:
        if (!control) return false;
        setFocus(Qt::OtherFocusReason);
        PasteFromClipboard();
        return true;
    case Qt::Key_C:
        if (!control) return false;
        setFocus(Qt::OtherFocusReason);
        EndEdit();
        CopyToClipboard(false, false);
        return true;
    default:
        return false;
    }
}

bool TableListCtrl::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool control = key->modifiers() & Qt::ControlModifier;
        if (control && (key->key() == Qt::Key_C || key->key() == Qt::Key_V)) {
            event->accept();
            return true;
        }
    }
    // Tab would otherwise move the focus out of the table before the table sees it.
    if (event->type() == QEvent::KeyPress && HandleTableKey(static_cast<QKeyEvent*>(event))) return true;
    return QTableWidget::event(event);
}

bool TableListCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto [row, column] = HitTestCell(help->pos());
        if (row >= 0 && column >= 0) {
            QToolTip::showText(help->globalPos(), GetCellText(row, 0).left(kMaxToolTip), viewport(),
                               visualRect(model()->index(row, column)));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

void TableListCtrl::mousePressEvent(QMouseEvent* event)
{
    const auto [row, column] = HitTestCell(event->position().toPoint());
    if (event->button() == Qt::RightButton && row >= 0) {
        // The cell under a right-click becomes current, for the context menu's commands.
        EndEdit();
        SetCursor(row, std::max(column, 0));
        MarkRow(row);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    if (row < 0) return;
    SetCursor(row, std::max(column, 0));
    EndEdit();
    QTableWidget::mousePressEvent(event);
    MarkRow(row);
    if (column >= 0 && IsColumnEditable(column)) EditCell(row, column);
}

void TableListCtrl::scrollContentsBy(int dx, int dy)
{
    // An editor does not follow its cell; scrolling ends the edit.
    EndEdit();
    QTableWidget::scrollContentsBy(dx, dy);
}
