#include "table/CTableInPlaceEdit.h"

#include <QKeyEvent>
#include <QTimer>

#include "table/TableListCtrl.h"

namespace {

// Room for the frame and the inner margins of the editor beside its text.
constexpr int kFrameAllowance = 8;

bool isTableKey(const QKeyEvent* key)
{
    const bool control = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_C:
    case Qt::Key_V:
        return control;
    default:
        return false;
    }
}

// Keys the editor keeps from the window's shortcuts: Delete, Escape and every Ctrl key.
bool isEditorOwnKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Delete || key->key() == Qt::Key_Escape || (key->modifiers() & Qt::ControlModifier);
}

}  // namespace

CTableInPlaceEdit::CTableInPlaceEdit(TableListCtrl* owner, int cellRow, int cellColumn, const QString& text)
    : QLineEdit(owner->viewport()), table(owner), row(cellRow), column(cellColumn), initialText(text)
{
    setObjectName(QStringLiteral("tableInPlaceEdit"));
    setFont(owner->font());
    setFrame(true);
    setText(text);
    // A screen reader names the cell by its column and row, as the eye finds it.
    setAccessibleName(QStringLiteral("%1, row %2").arg(owner->GetColumnTitle(cellColumn)).arg(cellRow + 1));
    connect(this, &QLineEdit::textEdited, this, &CTableInPlaceEdit::WidenToText);
}

bool CTableInPlaceEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isTableKey(key) || isEditorOwnKey(key)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            cancelled = true;
            table->setFocus(Qt::OtherFocusReason);
            Finish();
            return true;
        }
        if (isTableKey(key) && table->HandleTableKey(key)) return true;
    }
    return QLineEdit::event(event);
}

void CTableInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Finish();
}

void CTableInPlaceEdit::Finish()
{
    if (finished) return;
    finished = true;
    // An editor left without typing changes nothing, as if it had been cancelled.
    emit editFinished(row, column, text(), cancelled || !isModified());
    hide();
    QTimer::singleShot(kRemoveDelayMs, this, &QObject::deleteLater);
}

void CTableInPlaceEdit::WidenToText()
{
    const int needed = fontMetrics().horizontalAdvance(text()) + 5 + kFrameAllowance;
    if (needed <= width()) return;
    const int rightEdge = table->viewport()->width();
    resize(std::max(width(), std::min(needed, rightEdge - x())), height());
}
