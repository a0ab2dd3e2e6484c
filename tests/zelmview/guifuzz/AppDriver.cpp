#include "AppDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/DocTemplate.h"
#include "docview/FormTestSupport.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/SaveQuestion.h"
#include "docview/View.h"
#include "docview/WorkingFolder.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"
#include "table/DeleteItemsDlg.h"
#include "table/TableListCtrl.h"
#include "table/TableTestSupport.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"
#include "transient/HydraulicConductivityConvertDlg.h"

namespace guifuzz {

namespace {

docview::SaveAnswer answerOf(const QString& word)
{
    if (word == QLatin1String("yes")) return docview::SaveAnswer::Save;
    if (word == QLatin1String("no")) return docview::SaveAnswer::Discard;
    return docview::SaveAnswer::Cancel;
}

bool isInputView(const docview::View* view)
{
    return qobject_cast<const CZelmViewView*>(view) != nullptr || qobject_cast<const CZELMRiskView*>(view) != nullptr;
}

QWidget* focusOr(QWidget* fallback)
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : fallback;
}

// Accepts or rejects a dialog by its buttons, as the user does.
void finishDialog(QDialog* dialog, bool accept)
{
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QPushButton* button =
        buttons != nullptr ? buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel) : nullptr;
    if (button != nullptr)
        button->click();
    else if (accept)
        dialog->accept();
    else
        dialog->reject();
}

}  // namespace

const QStringList AppDriver::kExamples = {
    QStringLiteral("hillcrest-design.trn"),
    QStringLiteral("polder-analysis.trn"),
    QStringLiteral("terrace-on-barrier.trn"),
    QStringLiteral("terrace-given-design.rsk"),
    QStringLiteral("bottomland-reliability-table.rsk"),
    QStringLiteral("polder-wheat-loss-function.rsk"),
};

AppDriver::AppDriver(const QString& sequenceFolder, const QString& models)
    : folder(sequenceFolder), modelDirectory(models)
{
    for (const QString& name : kExamples)
        formtest::copyExample(name.section(QLatin1Char('.'), 0, 0),
                              QLatin1Char('.') + name.section(QLatin1Char('.'), 1), folder);
    // Every sequence starts alike: no settings of an earlier one (recent files, window places),
    // nothing on the clipboard, and the program working in the sequence's folder, which it
    // remembers, so new projects start there.
    docview::openProfileStore()->clear();
    QGuiApplication::clipboard()->clear();
    docview::workingFolder().MoveTo(folder);
    docview::workingFolder().Remember();
    docview::setSaveChangesHandler([this](const QString& title) {
        log.questions.append(title);
        return answerOf(playing.Word(0));
    });
    // The Save As dialog gives a new name in the folder, unless the step cancels.
    docview::setSaveAsPathHandler([this](const docview::Document& document) {
        if (playing.Word(0) == QLatin1String("cancel")) return QString();
        const bool transient = qobject_cast<const CZelmViewDoc*>(&document) != nullptr;
        const QString path =
            QStringLiteral("%1/saved-%2%3").arg(folder).arg(++savedAs).arg(transient ? ".trn" : ".rsk");
        log.savedAs.insert(document.GetTitle(), path);
        return path;
    });
    modalWatch.setInterval(5);
    connect(&modalWatch, &QTimer::timeout, this, &AppDriver::AnswerModal);
}

AppDriver::~AppDriver()
{
    Stop();
    docview::setSaveChangesHandler({});
    docview::setSaveAsPathHandler({});
}

void AppDriver::Start()
{
    app = std::make_unique<CZelmViewApp>();
    app->InitInstance({QStringLiteral("--no-splash")});
    QApplication::setActiveWindow(app->GetMainFrame());
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(app->GetMainFrame());
    modalWatch.start();
}

void AppDriver::Stop()
{
    modalWatch.stop();
    app.reset();
    CloseStrayWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CMainFrame* AppDriver::Frame() const
{
    return app ? app->GetMainFrame() : nullptr;
}

docview::View* AppDriver::ActiveView() const
{
    return Frame() != nullptr ? Frame()->GetActiveView() : nullptr;
}

QList<docview::Document*> AppDriver::InputDocuments() const
{
    QList<docview::Document*> documents;
    if (!app) return documents;
    for (int type : {zelm::kTransientInputType, zelm::kRiskInputType})
        documents += app->GetDocManager().FindTemplate(type)->GetDocuments();
    return documents;
}

QStringList AppDriver::ProjectFiles() const
{
    return QDir(folder).entryList({QStringLiteral("*.trn"), QStringLiteral("*.rsk")}, QDir::Files, QDir::Name);
}

template <typename T>
T* AppDriver::Visible(const QString& name) const
{
    docview::View* view = ActiveView();
    if (view == nullptr) return nullptr;
    for (T* widget : view->findChildren<T*>(name))
        if (widget->isVisible() && widget->isEnabled()) return widget;
    return nullptr;
}

// ---- Playing ----

bool AppDriver::Play(const Step& step)
{
    log = {};
    playing = step;
    for (docview::Document* document : InputDocuments()) {
        if (auto* transient = qobject_cast<CZelmViewDoc*>(document)) transient->SetExeDirectory(modelDirectory + '/');
        if (auto* risk = qobject_cast<CZELMRiskDoc*>(document)) risk->SetExeDirectory(modelDirectory + '/');
    }
    ActivateFrame();
    log.played = PlayOnDocument(step);
    Settle(step.verb == QLatin1String("cell") || step.verb == QLatin1String("paste"));
    log.messages = messages.messages();
    messages.clear();
    return log.played;
}

bool AppDriver::PlayOnDocument(const Step& step)
{
    const QString& verb = step.verb;
    if (verb == QLatin1String("open")) {
        if (!QFile::exists(folder + QLatin1Char('/') + step.Word(0))) return false;
        app->OpenDocumentFile(folder + QLatin1Char('/') + step.Word(0));
        return true;
    }
    if (verb == QLatin1String("new"))
        return Trigger(step.Word(0) == QLatin1String("risk") ? zelm::kNewRisk : zelm::kNewTransient);
    if (verb == QLatin1String("window")) {
        const QList<QMdiSubWindow*> windows = Frame()->GetMdiArea()->subWindowList();
        if (windows.isEmpty()) return false;
        Frame()->GetMdiArea()->setActiveSubWindow(windows.at(step.Number(0) % windows.size()));
        return true;
    }
    if (verb == QLatin1String("closereports")) {
        for (QMdiSubWindow* window : Frame()->GetMdiArea()->subWindowList())
            if (!isInputView(qobject_cast<docview::View*>(window->widget()))) window->close();
        return true;
    }
    if (verb == QLatin1String("quit")) return Quit();
    if (verb == QLatin1String("clip")) {
        QGuiApplication::clipboard()->setText(step.text.value_or(QString()));
        return true;
    }
    docview::View* view = ActiveView();
    if (!isInputView(view)) return false;
    if (verb == QLatin1String("newwindow")) return Trigger(docview::kWindowNew);
    if (verb == QLatin1String("undo") || verb == QLatin1String("redo")) {
        const bool undo = verb == QLatin1String("undo");
        if (step.Word(0) == QLatin1String("menu")) return Trigger(undo ? docview::kEditUndo : docview::kEditRedo);
        QTest::keySequence(focusOr(Frame()), undo ? QKeySequence::Undo : QKeySequence::Redo);
        return true;
    }
    if (verb == QLatin1String("undoall")) {
        // Undo until the project is as it was last saved or opened, or nothing is left to undo.
        for (int count = 0; count < 200 && view->GetDocument()->IsModified(); ++count)
            if (!Trigger(docview::kEditUndo)) break;
        return true;
    }
    if (verb == QLatin1String("save")) {
        if (step.Word(0) == QLatin1String("menu")) return Trigger(docview::kFileSave);
        QTest::keySequence(focusOr(Frame()), QKeySequence::Save);
        return true;
    }
    if (verb == QLatin1String("saveas")) return Trigger(docview::kFileSaveAs);
    if (verb == QLatin1String("close")) {
        const QString how = step.Word(1);
        if (how == QLatin1String("done") && Click(Visible<QPushButton>(QStringLiteral("doneButton")))) return true;
        if (how == QLatin1String("x")) {
            Frame()->GetMdiArea()->activeSubWindow()->close();
            return true;
        }
        QTest::keySequence(focusOr(Frame()), QKeySequence::Close);
        return true;
    }
    if (verb == QLatin1String("run")) {
        if (!Trigger(zelm::kRunModel)) return false;
        WaitForRuns();
        return true;
    }
    if (verb == QLatin1String("bench")) return Trigger(zelm::kBenchBottomland);
    return PlayOnForm(step, *view);
}

bool AppDriver::PlayOnForm(const Step& step, docview::View& view)
{
    const QString& verb = step.verb;
    if (verb == QLatin1String("type")) {
        QWidget* field = Visible<QLineEdit>(step.Word(0));
        if (field == nullptr) field = Visible<QPlainTextEdit>(step.Word(0));
        if (field == nullptr) return false;
        TypeInto(field, step.text.value_or(QString()));
        if (step.Word(1) == QLatin1String("leave")) Press(QStringLiteral("tab"));
        return true;
    }
    if (verb == QLatin1String("select")) return Choose(step);
    if (verb == QLatin1String("radio")) {
        auto* button = Visible<QAbstractButton>(step.Word(0));
        if (button == nullptr || !button->isCheckable()) return false;
        formtest::clickRadio(button);
        return true;
    }
    if (verb == QLatin1String("tab")) {
        auto* sheet = view.findChild<QTabWidget*>();
        const int index = sheet != nullptr ? sheet->indexOf(sheet->findChild<QWidget*>(step.Word(0))) : -1;
        if (index < 0) return false;
        QTest::mouseClick(sheet->tabBar(), Qt::LeftButton, {}, sheet->tabBar()->tabRect(index).center());
        return true;
    }
    if (verb == QLatin1String("add")) {
        auto* count = Visible<QSpinBox>(QStringLiteral("eventsToAddEdit"));
        if (count == nullptr) return false;
        TypeInto(count, step.Word(0));
        return Click(Visible<QPushButton>(QStringLiteral("addButton")));
    }
    if (verb == QLatin1String("delete")) return Click(Visible<QPushButton>(QStringLiteral("deleteButton")));
    if (verb == QLatin1String("plot")) {
        if (!Click(Visible<QPushButton>(QStringLiteral("plotButton")))) return false;
        CloseStrayWindows();
        return true;
    }
    if (verb == QLatin1String("sy")) return Click(Visible<QPushButton>(QStringLiteral("specificYieldButton")));
    auto* table = Visible<TableListCtrl>(QString());
    return table != nullptr && PlayOnTable(step, *table);
}

bool AppDriver::PlayOnTable(const Step& step, TableListCtrl& table)
{
    const QString& verb = step.verb;
    const bool wholeTable = verb == QLatin1String("copy");
    const int row = wholeTable ? 0 : step.Number(0);
    const int column = wholeTable || verb == QLatin1String("cut") || verb == QLatin1String("del") ? 0 : step.Number(1);
    if (row >= table.rowCount() || column >= table.columnCount()) return false;
    // The user clicks the cell first: it becomes the current one, and an editable one opens.
    table.scrollTo(table.model()->index(row, column));
    tabletest::clickCell(table, row, column);
    if (verb == QLatin1String("cell")) {
        TypeInto(focusOr(&table), step.text.value_or(QString()));
        Press(step.Word(2));
        return true;
    }
    if (verb == QLatin1String("paste")) {
        QTest::keyClick(focusOr(&table), Qt::Key_V, Qt::ControlModifier);
        return true;
    }
    Press(QStringLiteral("escape"));
    if (verb == QLatin1String("copy")) {
        QTest::keyClick(focusOr(&table), Qt::Key_C, Qt::ControlModifier);
        return true;
    }
    if (verb == QLatin1String("cut")) return Trigger(docview::kEditCut);
    if (verb == QLatin1String("del")) return Trigger(docview::kEditClear);
    if (verb == QLatin1String("insert")) {
        auto* menu = ActiveView()->findChild<QMenu*>(QStringLiteral("tableContextMenu"));
        for (QAction* action : menu != nullptr ? menu->actions() : QList<QAction*>())
            if (docview::controlIdOf(action) == zelm::kInsertRow) action->trigger();
        return menu != nullptr;
    }
    return false;
}

bool AppDriver::Trigger(int commandId)
{
    QAction* action = Frame()->GetCommandAction(commandId);
    if (action == nullptr || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

bool AppDriver::Click(QWidget* widget)
{
    if (widget == nullptr) return false;
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    return true;
}

void AppDriver::TypeInto(QWidget* widget, const QString& text)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    if (QApplication::activeWindow() != widget->window()) QApplication::setActiveWindow(widget->window());
    if (QApplication::focusWidget() != widget)
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    // The keys go where the focus is, as long as that is in the window typed into.
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != widget->window()) focus = widget;
    log.typedInto = focus->objectName();
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(focus, Qt::Key_Delete);
    for (const QChar c : text) {
        // A letter beyond ASCII comes as the text of a key the test library has no code for.
        if (c == QLatin1Char('\n'))
            QTest::keyClick(focus, Qt::Key_Return);
        else if (c.unicode() < 128)
            QTest::keyClick(focus, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void AppDriver::Press(const QString& key)
{
    static const QHash<QString, Qt::Key> keys = {{QStringLiteral("tab"), Qt::Key_Tab},
                                                 {QStringLiteral("return"), Qt::Key_Return},
                                                 {QStringLiteral("escape"), Qt::Key_Escape},
                                                 {QStringLiteral("down"), Qt::Key_Down}};
    if (keys.contains(key)) QTest::keyClick(focusOr(Frame()), keys.value(key));
}

// `select LIST key|pick INDEX` or `select LIST wheel up|down`.
bool AppDriver::Choose(const Step& step)
{
    auto* list = Visible<QComboBox>(step.Word(0));
    if (list == nullptr) return false;
    const QString how = step.Word(1);
    if (how == QLatin1String("wheel")) {
        const QPoint at = list->rect().center();
        const int delta = step.Word(2) == QLatin1String("up") ? 120 : -120;
        QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        return true;
    }
    const int wanted = std::min(step.Number(2), list->count() - 1);
    if (how == QLatin1String("pick")) {
        list->showPopup();
        QAbstractItemView* items = list->view();
        items->setCurrentIndex(items->model()->index(wanted, 0));
        QTest::keyClick(items, Qt::Key_Return);
        return true;
    }
    list->setFocus(Qt::TabFocusReason);
    while (list->currentIndex() != wanted)
        QTest::keyClick(list, wanted > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    return true;
}

bool AppDriver::Quit()
{
    // File Exit: Ctrl+Q is no key on every platform (nor on the offscreen one).
    if (!Trigger(docview::kAppExit)) return false;
    Settle(false);
    if (Frame()->isVisible()) return true;
    // The program ended: the user starts it again.
    Stop();
    Start();
    return true;
}

void AppDriver::WaitForRuns()
{
    const auto running = [this] {
        for (docview::Document* document : InputDocuments())
            for (docview::View* view : document->GetViews())
                if (auto* form = qobject_cast<CZelmViewView*>(view); form != nullptr && form->IsRunning()) return true;
        return false;
    };
    QDeadlineTimer deadline(30000);
    while (running() && !deadline.hasExpired()) QTest::qWait(10);
    if (running()) log.problems.append(QStringLiteral("run: the model run did not end within 30 s"));
}

void AppDriver::CloseStrayWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != Frame() && qobject_cast<QMenu*>(window) == nullptr) window->close();
    ActivateFrame();
}

void AppDriver::ActivateFrame()
{
    // A drop-down list closed offscreen leaves its popup the active window, and activating the
    // main window again would make the area activate another project window: the user's window
    // stays the active one, as it does on a desktop.
    if (Frame() == nullptr || QApplication::activeWindow() == Frame()) return;
    QMdiSubWindow* window = Frame()->GetMdiArea()->activeSubWindow();
    QApplication::setActiveWindow(Frame());
    if (window != nullptr && Frame()->GetMdiArea()->activeSubWindow() != window)
        Frame()->GetMdiArea()->setActiveSubWindow(window);
}

// A modal window of the program: the dialogs a step opens are answered as the step plans;
// any other is a problem, closed at once.
void AppDriver::AnswerModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || answeringModal || qobject_cast<QProgressDialog*>(modal) != nullptr) return;
    const QScopedValueRollback<bool> answering(answeringModal, true);
    const bool accept = playing.Word(0) != QLatin1String("cancel");
    if (auto* chooser = qobject_cast<DeleteItemsDlg*>(modal)) {
        chooser->GetList()->clearSelection();  // the rows the step names, not the one it starts on
        for (const QString& index : playing.Word(0).split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (QListWidgetItem* item = chooser->GetList()->item(index.toInt())) item->setSelected(true);
        finishDialog(chooser, accept);
        return;
    }
    if (auto* dialog = qobject_cast<HydraulicConductivityConvertDlg*>(modal)) {
        TypeInto(dialog->GetConductivityField(), playing.text.value_or(QString()));
        finishDialog(dialog, accept);
        return;
    }
    QString shown = QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(" \"") +
                    modal->windowTitle() + QLatin1Char('"');
    if (auto* box = qobject_cast<QMessageBox*>(modal)) shown += QStringLiteral(": ") + box->text();
    log.problems.append(QStringLiteral("modal: a window was shown: ") + shown);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

void AppDriver::Settle(bool waitForEditors)
{
    // The cell editor removes itself a moment after its edit ended.
    if (waitForEditors) QTest::qWait(CTableInPlaceEdit::kRemoveDelayMs + 5);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace guifuzz
