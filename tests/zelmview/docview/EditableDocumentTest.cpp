// The documents the user edits, on a document of one number: every stored change is one step that
// undo and redo walk, the document is modified exactly while it is away from the state last saved,
// and the Edit menu names the step it takes and edits the text field that has the focus.
#include <QAction>
#include <QClipboard>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "docview/CommandIds.h"
#include "docview/EditCommands.h"
#include "docview/EditableDocument.h"
#include "docview/View.h"

using namespace docview;

namespace {

class NumberDocument : public EditableDocument {
public:
    bool Store(int value)
    {
        return StoreChange(QStringLiteral("Number"), {}, number, [value](int& stored) { stored = value; });
    }
    int number = 0;
};

// The Edit menu's actions and the active view, as the main window holds them.
class Board : public CommandBoard {
public:
    Board()
    {
        for (const CommandSpec& command : editCommands()) actions.insert(command.id, new QAction(command.text));
    }
    ~Board() override { qDeleteAll(actions); }
    QAction* GetCommandAction(int commandId) const override { return actions.value(commandId); }
    View* GetActiveView() const override { return view; }

    QHash<int, QAction*> actions;
    View* view = nullptr;
};

}  // namespace

class EditableDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void everyChangeIsOneStepAndTheSavedStateIsTheCleanOne()
    {
        NumberDocument document;
        QVERIFY(document.Store(1));
        QVERIFY(document.Store(2));
        QVERIFY(!document.Store(2));  // the same value is no change
        QCOMPARE(document.GetUndoStack()->count(), 2);
        QVERIFY(document.IsModified());

        document.SetModifiedFlag(false);  // saved at 2
        document.OnCommand(kEditUndo);
        QCOMPARE(document.number, 1);
        QVERIFY(document.IsModified());
        document.OnCommand(kEditRedo);
        QCOMPARE(document.number, 2);
        QVERIFY(!document.IsModified());
        document.Undo();
        document.Undo();
        QCOMPARE(document.number, 0);
        QVERIFY(!document.CanUndo());

        // A change that cannot be undone leaves the saved state behind for good.
        document.Redo();
        document.Redo();
        document.SetModifiedFlag(true);
        document.Undo();
        document.Redo();
        QCOMPARE(document.number, 2);
        QVERIFY(document.IsModified());

        // New contents forget the steps of the old ones.
        document.DeleteContents();
        QVERIFY(!document.CanUndo() && !document.CanRedo());
    }

    void undoAndRedoAreNamedAfterTheStepOfTheActiveDocument()
    {
        Board board;
        QAction* undo = board.GetCommandAction(kEditUndo);
        QAction* redo = board.GetCommandAction(kEditRedo);
        updateEditCommands(board);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));

        auto* document = new NumberDocument;
        QPointer<View> view = new View(document);
        board.view = view;
        document->Store(5);
        updateEditCommands(board);
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo Number"));
        QVERIFY(!redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo"));

        document->Undo();
        updateEditCommands(board);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Number"));
        delete view;  // and with its last view the document
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void cutCopyPasteAndDeleteActOnTheFocusedField()
    {
        QLineEdit field(QStringLiteral("2.75"));
        field.selectAll();
        QVERIFY(editFocusedText(kEditCut, &field));
        QCOMPARE(field.text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2.75"));
        QVERIFY(editFocusedText(kEditPaste, &field));
        QCOMPARE(field.text(), QStringLiteral("2.75"));
        field.setSelection(1, 3);
        QVERIFY(editFocusedText(kEditClear, &field));
        QCOMPARE(field.text(), QStringLiteral("2"));

        // Undo is the document's; a widget that is no text field keeps its own commands.
        QVERIFY(!editFocusedText(kEditUndo, &field));
        QWidget other;
        QVERIFY(!editFocusedText(kEditCopy, &other));
    }
};

QTEST_MAIN(EditableDocumentTest)
#include "EditableDocumentTest.moc"
