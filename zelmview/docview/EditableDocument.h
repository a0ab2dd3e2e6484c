// A document the user edits: every change it stores is one step of its undo stack. A change is
// stored through StoreChange, which pushes a command; the command applies the change (and, on
// undo, takes it back) and then tells every view of the document with a hint, so all windows of
// the document show the same, whichever of them made the change. Before an undo or a redo the
// document has its views store what is typed into them but not yet stored (CommitTypedText). The
// document is modified exactly while its stack is away from the state last saved or opened.
//
// The stack is a Qt Gui class, so it lives here in the widget half of the layer rather than in
// Document, which the data layer builds on with Qt Core alone.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "docview/Document.h"

class QUndoStack;

namespace docview {

class EditableDocument : public Document {
    Q_OBJECT

public:
    explicit EditableDocument(QObject* parent = nullptr);
    ~EditableDocument() override;

    QUndoStack* GetUndoStack() const { return undoStack; }

    // Stores `after` through `set` as one undoable change named `text` (the Edit menu shows
    // "Undo TEXT"), unless it equals what `get` gives now. Every view hears `hint` once the change
    // is applied, and again after each undo and redo of it. True when a change was stored.
    template <typename Value>
    bool StoreChange(const QString& text, UpdateHint hint, std::function<Value()> get,
                     std::function<void(const Value&)> set, const Value& after);

    // The same for a value the document holds (its whole data, say): `change` edits a copy of
    // `state`, and the copy becomes the new state. A whole-state change undoes exactly, whatever
    // else the change touched.
    template <typename State, typename Change>
    bool StoreChange(const QString& text, UpdateHint hint, State& state, Change&& change)
    {
        State after = state;
        change(after);
        return StoreChange<State>(
            text, hint, [&state] { return state; }, [&state](const State& value) { state = value; }, after);
    }

    // Undo and Redo first have every view commit what is typed but not yet stored, so that the
    // step taken back is the user's last one; typed text that cannot be stored stops them.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;

    // False marks the present state as the saved one; true leaves the saved state behind for good
    // (a change that cannot be undone).
    void SetModifiedFlag(bool isModified = true) override;
    // Handles Undo and Redo; the rest as a document does.
    bool OnCommand(int commandId) override;
    // Forgets the undo steps with the contents: they belong to the data that went. A type that
    // overrides this calls it too.
    void DeleteContents() override;

private:
    template <typename Value>
    class ValueChange;

    void Push(QUndoCommand* command);

    QUndoStack* undoStack = nullptr;
};

// One stored change: the value before and after, and how to set it.
template <typename Value>
class EditableDocument::ValueChange : public QUndoCommand {
public:
    ValueChange(const QString& text, std::function<void(const Value&)> setter, Value beforeValue, Value afterValue,
                std::function<void()> notify)
        : QUndoCommand(text),
          set(std::move(setter)),
          before(std::move(beforeValue)),
          after(std::move(afterValue)),
          notifyViews(std::move(notify))
    {
    }
    void redo() override
    {
        set(after);
        notifyViews();
    }
    void undo() override
    {
        set(before);
        notifyViews();
    }

private:
    std::function<void(const Value&)> set;
    Value before;
    Value after;
    std::function<void()> notifyViews;
};

template <typename Value>
bool EditableDocument::StoreChange(const QString& text, UpdateHint hint, std::function<Value()> get,
                                   std::function<void(const Value&)> set, const Value& after)
{
    Value before = get();
    if (before == after) return false;
    Push(
        new ValueChange<Value>(text, std::move(set), std::move(before), after, [this, hint] { UpdateAllViews(hint); }));
    return true;
}

}  // namespace docview
