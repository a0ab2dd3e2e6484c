#include "transient/XEdit.h"

#include <QKeyEvent>

XEdit::XEdit(QWidget* parent) : QLineEdit(parent) {}

bool XEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Escape is kept from the window, which would take it as a request to close: in the
        // form's fields it does nothing.
        if (key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) return true;
        if (HandleMoveKey(key->key(), key->modifiers())) return true;
    }
    return QLineEdit::event(event);
}

bool XEdit::HandleMoveKey(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Tab:
        focusNextPrevChild(!(modifiers & Qt::ShiftModifier));
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        // Enter moves on even inside a dialog whose default button would take it.
        focusNextPrevChild(true);
        return true;
    case Qt::Key_PageDown:
        FocusInGroup(true);
        return true;
    case Qt::Key_PageUp:
        FocusInGroup(false);
        return true;
    default:
        return false;
    }
}

void XEdit::FocusInGroup(bool next)
{
    QWidget* group = parentWidget();
    if (group == nullptr) return;
    // Walk the window's tab chain from this field and take the first control of the same group.
    QWidget* candidate = this;
    for (;;) {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate == nullptr || candidate == this) return;
        if (candidate->parentWidget() == group && candidate->isEnabled() && candidate->isVisible() &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void XEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}
