// The Edit menu in the whole application: Undo and Redo from the menu and with the platform's
// keys, the hand-over of the keys from a field with nothing of its own to undo, two windows of one
// project in step, window titles that mark unsaved changes, and text typed but not yet stored
// that Close and Quit ask about.
#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "app/MenuBarText.h"
#include "docview/CommandIds.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"
#include "transient/EditorTestSupport.h"
#include "transient/XEdit.h"

using editortest::typeIntoField;

namespace {

QString fieldText(const CZelmViewView& view, int controlId)
{
    return qobject_cast<QLineEdit*>(view.GetControl(controlId))->text();
}

}  // namespace

class EditMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        docview::workingFolder().MoveTo(folder.path());
        questions = std::make_unique<editortest::SaveQuestionRecorder>();
        app = std::make_unique<CZelmViewApp>();
        QVERIFY(app->InitInstance({QStringLiteral("--no-splash")}));
        frame = app->GetMainFrame();
        QApplication::setActiveWindow(frame);
        QVERIFY(QTest::qWaitForWindowActive(frame));
    }

    void cleanup()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        questions.reset();
    }

    void undoAndRedoFromTheMenuAndTheKeysTakeBackEveryStep()
    {
        docview::MessageRecorder messages;
        CZelmViewView* view = openForm();
        QVERIFY(menuTitles(frame->menuBar()).contains(QStringLiteral("&Edit")));
        QAction* undo = frame->GetCommandAction(docview::kEditUndo);
        QAction* redo = frame->GetCommandAction(docview::kEditRedo);
        QCOMPARE(undo->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
        QCOMPARE(redo->shortcuts(), QKeySequence::keyBindings(QKeySequence::Redo));
        QVERIFY(!undo->isEnabled());

        const QString opened = fieldText(*view, CZelmViewView::kPermeability);
        typeIntoField(*view, CZelmViewView::kPermeability, QStringLiteral("2.75"));
        typeIntoField(*view, CZelmViewView::kDrainRadius, QStringLiteral("0.35"));
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo Drain Radius"));
        QVERIFY(view->GetDocument()->IsModified());
        QVERIFY(view->GetFrame()->isWindowModified());
        // The mark follows the file's name, before its folder.
        QVERIFY(view->GetFrame()->windowTitle().contains(QStringLiteral(".trn[*] - ")));

        undo->trigger();
        QCOMPARE(fieldText(*view, CZelmViewView::kPermeability), QStringLiteral("2.75"));
        // The focus sits in a field that has nothing of its own to undo: the keys undo the project.
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(focus) != nullptr);
        QTest::keySequence(focus, QKeySequence::Undo);
        QCOMPARE(fieldText(*view, CZelmViewView::kPermeability), opened);
        QVERIFY(!view->GetDocument()->IsModified());
        QVERIFY(!view->GetFrame()->isWindowModified());
        QVERIFY(!undo->isEnabled());

        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Redo);
        QCOMPARE(fieldText(*view, CZelmViewView::kPermeability), QStringLiteral("2.75"));
        redo->trigger();
        QCOMPARE(fieldText(*view, CZelmViewView::kDrainRadius), QStringLiteral("0.35"));
        QVERIFY(!redo->isEnabled());

        // While a field holds typing of its own, the keys undo that typing first.
        auto* title = qobject_cast<QLineEdit*>(view->GetControl(CZelmViewView::kTitle));
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral(" more"));
        QTest::keySequence(title, QKeySequence::Undo);
        QCOMPARE(title->text(), view->GetZelmDocument()->GetData().title);
        QCOMPARE(fieldText(*view, CZelmViewView::kDrainRadius), QStringLiteral("0.35"));
        QVERIFY(messages.messages().isEmpty());
    }

    void aSecondWindowFollowsTheFirstAndAnUntouchedProjectClosesWithoutAQuestion()
    {
        CZelmViewView* first = openForm();
        frame->RouteCommand(docview::kWindowNew);
        auto* second = qobject_cast<CZelmViewView*>(frame->GetActiveView());
        QVERIFY(second != nullptr && second != first);
        QVERIFY(!first->GetDocument()->IsModified());

        typeIntoField(*second, CZelmViewView::kDepthToDrain, QStringLiteral("5.5"));
        QCOMPARE(fieldText(*first, CZelmViewView::kDepthToDrain), QStringLiteral("5.5"));
        QVERIFY(first->GetFrame()->isWindowModified());
        frame->GetCommandAction(docview::kEditUndo)->trigger();
        QCOMPARE(fieldText(*first, CZelmViewView::kDepthToDrain), fieldText(*second, CZelmViewView::kDepthToDrain));
        QVERIFY(!second->GetFrame()->isWindowModified());

        frame->RouteCommand(docview::kFileClose);
        QTRY_VERIFY(app->GetDocManager().FindTemplate(zelm::kTransientInputType)->GetDocuments().isEmpty());
        QVERIFY(questions->asked.isEmpty());
    }

    void closeAndQuitAskAboutTextTypedButNotYetStored()
    {
        for (const int command : {docview::kFileClose, docview::kAppExit}) {
            CZelmViewView* view = openForm();
            auto* title = qobject_cast<QLineEdit*>(view->GetControl(CZelmViewView::kTitle));
            title->setFocus();
            QTest::keyClicks(title, QStringLiteral(" typed"));
            QVERIFY(!view->GetDocument()->IsModified());
            const qsizetype asked = questions->asked.size();
            // Quit has no key on every desktop; its menu item takes the same way.
            QAction* action = frame->GetCommandAction(command);
            if (action->shortcut().isEmpty())
                action->trigger();
            else
                QTest::keySequence(title, action->shortcut());
            QCOMPARE(questions->asked.size(), asked + 1);
        }
    }

private:
    CZelmViewView* openForm()
    {
        const QString path = editortest::copyExample(QStringLiteral("hillcrest-design"), folder.path());
        docview::Document* document = app->OpenDocumentFile(path);
        return document != nullptr ? qobject_cast<CZelmViewView*>(document->GetViews().constFirst()) : nullptr;
    }

    QTemporaryDir folder;
    std::unique_ptr<CZelmViewApp> app;
    CMainFrame* frame = nullptr;
    std::unique_ptr<editortest::SaveQuestionRecorder> questions;
};

QTEST_MAIN(EditMenuTest)
#include "EditMenuTest.moc"
