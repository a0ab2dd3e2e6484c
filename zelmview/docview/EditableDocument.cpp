#include "docview/EditableDocument.h"

#include <QUndoStack>

#include "docview/CommandIds.h"

namespace docview {

EditableDocument::EditableDocument(QObject* parent) : Document(parent), undoStack(new QUndoStack(this))
{
    connect(undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { Document::SetModifiedFlag(!clean); });
}

EditableDocument::~EditableDocument() = default;

void EditableDocument::Push(QUndoCommand* command)
{
    undoStack->push(command);
}

void EditableDocument::Undo()
{
    if (CommitTypedText()) undoStack->undo();
}

void EditableDocument::Redo()
{
    if (CommitTypedText()) undoStack->redo();
}

bool EditableDocument::CanUndo() const
{
    return undoStack->canUndo();
}

bool EditableDocument::CanRedo() const
{
    return undoStack->canRedo();
}

void EditableDocument::SetModifiedFlag(bool isModified)
{
    if (isModified)
        undoStack->resetClean();
    else
        undoStack->setClean();
    Document::SetModifiedFlag(!undoStack->isClean());
}

bool EditableDocument::OnCommand(int commandId)
{
    switch (commandId) {
    case kEditUndo:
        Undo();
        return true;
    case kEditRedo:
        Redo();
        return true;
    default:
        return Document::OnCommand(commandId);
    }
}

void EditableDocument::DeleteContents()
{
    undoStack->clear();
}

}  // namespace docview
