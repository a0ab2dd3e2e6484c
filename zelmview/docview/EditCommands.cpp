#include "docview/EditCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>

#include "docview/CommandIds.h"
#include "docview/EditableDocument.h"
#include "docview/View.h"

namespace docview {
namespace {

const QList<int> kFocusCommands = {kEditCut, kEditCopy, kEditPaste, kEditClear};

EditableDocument* activeEditableDocument(const CommandBoard& board)
{
    View* view = board.GetActiveView();
    return view != nullptr ? qobject_cast<EditableDocument*>(view->GetDocument()) : nullptr;
}

void showStep(QAction* action, const QString& verb, bool possible, const QString& step)
{
    if (action == nullptr) return;
    action->setEnabled(possible);
    action->setText(possible && !step.isEmpty() ? verb + QLatin1Char(' ') + step : verb);
}

// Whether the widget that has the focus keeps the Undo (or Redo) key: a text field with typing of
// its own to take back, or any widget that is no text field.
bool keepsUndoKey(QObject* focus, bool undo)
{
    if (const auto* line = qobject_cast<QLineEdit*>(focus))
        return undo ? line->isUndoAvailable() : line->isRedoAvailable();
    if (const auto* box = qobject_cast<QPlainTextEdit*>(focus))
        return undo ? box->document()->isUndoAvailable() : box->document()->isRedoAvailable();
    return true;
}

bool insideView(const QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
        if (qobject_cast<const View*>(widget) != nullptr) return true;
    return false;
}

}  // namespace

QList<CommandSpec> editCommands()
{
    return {
        {.id = kEditUndo,
         .text = QStringLiteral("&Undo"),
         .prompt = QStringLiteral("Undo the last action\nUndo"),
         .standardKey = QKeySequence::Undo},
        {.id = kEditRedo,
         .text = QStringLiteral("&Redo"),
         .prompt = QStringLiteral("Redo the previously undone action\nRedo"),
         .standardKey = QKeySequence::Redo},
        {.id = kEditCut,
         .text = QStringLiteral("Cu&t"),
         .prompt = QStringLiteral("Cut the selection and put it on the Clipboard\nCut"),
         .followsView = true,
         .standardKey = QKeySequence::Cut},
        {.id = kEditCopy,
         .text = QStringLiteral("&Copy"),
         .prompt = QStringLiteral("Copy the selection and put it on the Clipboard\nCopy"),
         .followsView = true,
         .standardKey = QKeySequence::Copy},
        {.id = kEditPaste,
         .text = QStringLiteral("&Paste"),
         .prompt = QStringLiteral("Insert Clipboard contents\nPaste"),
         .followsView = true,
         .standardKey = QKeySequence::Paste},
        {.id = kEditClear,
         .text = QStringLiteral("&Delete"),
         .prompt = QStringLiteral("Erase the selection\nDelete"),
         .followsView = true,
         .standardKey = QKeySequence::Delete},
    };
}

MenuSpec editMenu()
{
    return {QStringLiteral("&Edit"),
            QStringLiteral("editMenu"),
            {{kEditUndo}, {kEditRedo}, {0}, {kEditCut}, {kEditCopy}, {kEditPaste}, {kEditClear}}};
}

void updateEditCommands(const CommandBoard& board)
{
    const EditableDocument* document = activeEditableDocument(board);
    const QUndoStack* stack = document != nullptr ? document->GetUndoStack() : nullptr;
    showStep(board.GetCommandAction(kEditUndo), QStringLiteral("&Undo"), stack != nullptr && stack->canUndo(),
             stack != nullptr ? stack->undoText() : QString());
    showStep(board.GetCommandAction(kEditRedo), QStringLiteral("&Redo"), stack != nullptr && stack->canRedo(),
             stack != nullptr ? stack->redoText() : QString());
}

bool isFocusEditCommand(int commandId)
{
    return kFocusCommands.contains(commandId);
}

bool editFocusedText(int commandId, QWidget* focus)
{
    if (!isFocusEditCommand(commandId)) return false;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (commandId == kEditCut) line->cut();
        if (commandId == kEditCopy) line->copy();
        if (commandId == kEditPaste) line->paste();
        if (commandId == kEditClear) line->del();
        return true;
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(focus)) {
        if (commandId == kEditCut) box->cut();
        if (commandId == kEditCopy) box->copy();
        if (commandId == kEditPaste) box->paste();
        if (commandId == kEditClear) box->textCursor().removeSelectedText();
        return true;
    }
    return false;
}

bool UndoKeyHandOver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo)) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !insideView(widget) || keepsUndoKey(watched, undo)) return false;
    // Kept from the field, which would take the key even with nothing to undo; left unaccepted,
    // the key reaches the Edit menu's command.
    event->ignore();
    return true;
}

}  // namespace docview
