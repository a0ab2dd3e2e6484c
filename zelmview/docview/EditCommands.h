// The Edit menu of the documents the user edits: Undo and Redo act on the active document's undo
// stack; Cut, Copy, Paste and Delete act on the widget that has the focus (a line edit, a text
// box, or what a view makes of them, such as its table). All carry the platform's standard keys.
//
// The rule between a text field's own undo and the document's: while a field holds typing of its
// own to take back, Undo and Redo keys go to the field, as the platform gives them; once there is
// none (the field was just shown or committed), the keys undo the document's last stored change.
#pragma once

#include <QList>
#include <QObject>

#include "docview/DocumentType.h"

class QWidget;

namespace docview {

// Undo, Redo, Cut, Copy, Paste and Delete, with their texts, keys and prompts; the four that act
// on the focus follow the active view.
QList<CommandSpec> editCommands();
// "&Edit" with those commands.
MenuSpec editMenu();
// Undo and Redo enabled for the active view's document, and named after the step they take.
void updateEditCommands(const CommandBoard& board);

// Whether `commandId` is Cut, Copy, Paste or Delete, the commands that act on the focus.
bool isFocusEditCommand(int commandId);
// Cut, Copy, Paste or Delete on `focus` when it is a text field or text box; false for another
// command or another widget.
bool editFocusedText(int commandId, QWidget* focus);

// Installed on the application: passes the Undo and Redo keys on to the window's commands when
// the text field that has the focus has nothing of its own to take back.
class UndoKeyHandOver : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace docview
