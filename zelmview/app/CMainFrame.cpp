#include "app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/CChildFrame.h"
#include "app/CSplashWnd.h"
#include "app/StandardCommands.h"
#include "app/StatusBarPanes.h"
#include "app/ToolBarIcons.h"
#include "app/WindowMenu.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/DocManager.h"
#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/DocumentHost.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/ResourceIds.h"
#include "docview/View.h"

using namespace docview;
using namespace zelm;

namespace {

const QString kAppTitle = QStringLiteral("ZELM");
const QString kGeometryKey = QStringLiteral("Main Window Geometry");
const QString kWindowStateKey = QStringLiteral("Main Window State");
constexpr int kStatusNoteMs = 15000;
// Room at the first start for the transient form beside its live panel (the screen permitting).
constexpr QSize kFirstStartSize(1200, 800);

}  // namespace

CMainFrame::CMainFrame(DocManager& documents, DocumentHost& owner, const ApplicationCommands& commands, bool showSplash)
    : docManager(documents), host(owner), fileNewCommands(commands.fileNew), splashPending(showSplash)
{
    setObjectName(QStringLiteral("mainFrame"));
    setControlId(this, kMainFrameResource);
    setWindowTitle(kAppTitle);
    setAcceptDrops(true);
    resize(kFirstStartSize);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Windows larger than the area scroll inside it. Without scroll bars the area asks for room
    // for its largest window, so tiling forms larger than the screen grew the main window past it.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    windowMenu = new WindowMenu(
        mdiArea, [this](int commandId) { return actions.value(commandId); }, this);

    CreateCommands();
    for (const CommandSpec& command : commands.commands) AddCommand(command);
    RegisterDocumentMenu(kMainFrameResource, FileMenuKind::NoDocument, {});
    ShowMenu(kMainFrameResource);
    CreateToolBar(commands.toolBar);
    CreateStatusBar();
    UpdateCommandStates();
    RestoreWindowState();
}

void CMainFrame::RestoreWindowState()
{
    const std::unique_ptr<QSettings> store = openProfileStore();
    store->beginGroup(docview::kProfileSection);
    const QByteArray geometry = store->value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const QByteArray state = store->value(kWindowStateKey).toByteArray();
    if (!state.isEmpty()) restoreState(state);
    // The window is not shown yet, so the tool bar's visibility signal has not followed.
    actions.value(kViewToolBar)->setChecked(!toolBar->isHidden());
}

void CMainFrame::SaveWindowState() const
{
    const std::unique_ptr<QSettings> store = openProfileStore();
    store->beginGroup(docview::kProfileSection);
    store->setValue(kGeometryKey, saveGeometry());
    store->setValue(kWindowStateKey, saveState());
}

CMainFrame::~CMainFrame()
{
    // The frame owns the menus of every document type, whether shown or not.
    QSet<QMenu*> owned;
    for (const QList<QMenu*>& bar : std::as_const(menus))
        for (QMenu* menu : bar) owned.insert(menu);
    qDeleteAll(owned);
}

void CMainFrame::CreateCommands()
{
    for (const CommandSpec& command : standardCommands()) AddCommand(command);
    // F6 and Shift+F6 step through the windows as the help says, and so do the platform's own
    // keys for the next and previous window.
    for (const auto& [id, platformKeys] :
         {std::pair{kNextPane, QKeySequence::NextChild}, std::pair{kPreviousPane, QKeySequence::PreviousChild}}) {
        QAction* step = actions.value(id);
        step->setShortcuts(step->shortcuts() + QKeySequence::keyBindings(platformKeys));
        addAction(step);
    }
}

QAction* CMainFrame::AddCommand(int commandId, const QString& text, QKeySequence::StandardKey key,
                                const QString& prompt)
{
    QAction* action = AddCommand(commandId, text, QKeySequence(), prompt);
    action->setShortcuts(key);
    return action;
}

QAction* CMainFrame::AddCommand(int commandId, const QString& text, const QKeySequence& key, const QString& prompt)
{
    if (QAction* existing = actions.value(commandId)) return existing;
    auto* action = new QAction(QString(text).section(QLatin1Char('\t'), 0, 0), this);
    action->setObjectName(QStringLiteral("command%1").arg(commandId));
    setControlId(action, commandId);
    if (!key.isEmpty()) action->setShortcut(key);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    const QString tip = prompt.section(QLatin1Char('\n'), 1);
    if (!tip.isEmpty()) action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, commandId] { RouteCommand(commandId); });
    actions.insert(commandId, action);
    return action;
}

QAction* CMainFrame::AddCommand(const CommandSpec& command)
{
    QAction* action = command.standardKey != QKeySequence::UnknownKey
                          ? AddCommand(command.id, command.text, command.standardKey, command.prompt)
                          : AddCommand(command.id, command.text, command.key, command.prompt);
    action->setCheckable(command.checkable);
    // A key fires wherever the focus is in the main window, also while the tool bar is hidden.
    if (!action->shortcuts().isEmpty()) addAction(action);
    if (command.followsView && !viewCommands.contains(command.id)) viewCommands.append(command.id);
    return action;
}

QAction* CMainFrame::GetCommandAction(int commandId) const
{
    return actions.value(commandId);
}

void CMainFrame::CreateToolBar(const QList<int>& buttons)
{
    toolBar = addToolBar(QStringLiteral("Standard"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    setControlId(toolBar, kMainFrameResource);
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(22, 14));
    for (int id : buttons) {
        if (id == 0) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = actions.value(id);
        action->setIcon(toolBarIcon(id));
        toolBar->addAction(action);
    }
    QAction* toggle = actions.value(kViewToolBar);
    toggle->setChecked(true);
    connect(toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    indicators = CreateStatusBarPanes(statusBar());
    actions.value(kViewStatusBar)->setChecked(true);
    // The views' notes (a value the rules of a cell changed, lines a paste skipped) stay a while.
    setStandardMessageHandler(
        [bar = QPointer<QStatusBar>(statusBar())](const QString& text) {
            if (bar) bar->showMessage(text, kStatusNoteMs);
        },
        MessageChannel::StatusBar);
}

QLabel* CMainFrame::GetIndicator(int indicatorId) const
{
    return indicators.value(indicatorId);
}

QMenu* CMainFrame::CreateFileMenu(FileMenuKind kind)
{
    auto* menu = new QMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("fileMenu"));
    for (int id : fileNewCommands) menu->addAction(actions.value(id));
    menu->addAction(actions.value(kFileOpen));
    if (kind != FileMenuKind::NoDocument) menu->addAction(actions.value(kFileClose));
    if (kind == FileMenuKind::WithSave) {
        menu->addAction(actions.value(kFileSave));
        menu->addAction(actions.value(kFileSaveAs));
    }
    if (kind == FileMenuKind::WithClose) {
        menu->addSeparator();
        menu->addAction(actions.value(kFilePrint));
        menu->addAction(actions.value(kFilePrintPreview));
    }
    menu->addSeparator();
    menu->addAction(actions.value(kAppExit));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillRecentFiles(menu); });
    return menu;
}

void CMainFrame::FillRecentFiles(QMenu* fileMenu)
{
    for (QAction* action : fileMenu->actions())
        if (action->property("recentEntry").toBool()) {
            fileMenu->removeAction(action);
            action->deleteLater();
        }
    const QStringList files = docManager.GetRecentFiles().GetFiles();
    QAction* exitAction = actions.value(kAppExit);
    for (int index = 0; index < files.size(); ++index) {
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(files.at(index)), fileMenu);
        entry->setProperty("recentEntry", true);
        setControlId(entry, kFileMruFirst + index);
        const int commandId = kFileMruFirst + index;
        connect(entry, &QAction::triggered, this, [this, commandId] { RouteCommand(commandId); });
        fileMenu->insertAction(exitAction, entry);
    }
    if (!files.isEmpty()) {
        QAction* separator = new QAction(fileMenu);
        separator->setSeparator(true);
        separator->setProperty("recentEntry", true);
        fileMenu->insertAction(exitAction, separator);
    }
}

QMenu* CMainFrame::CreateViewMenu()
{
    auto* menu = new QMenu(QStringLiteral("&View"));
    menu->setObjectName(QStringLiteral("viewMenu"));
    menu->addAction(actions.value(kViewToolBar));
    menu->addAction(actions.value(kViewStatusBar));
    return menu;
}

QMenu* CMainFrame::CreateHelpMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    menu->addAction(actions.value(kHelpFinder));
    menu->addSeparator();
    menu->addAction(actions.value(kAppAbout));
    return menu;
}

QMenu* CMainFrame::CreateDocumentMenu(const MenuSpec& described)
{
    auto* menu = new QMenu(described.title);
    menu->setObjectName(described.objectName);
    QList<std::pair<QAction*, int>> ownWords;
    for (const MenuItemSpec& item : described.items) {
        if (item.commandId == 0) {
            menu->addSeparator();
        } else if (item.text.isEmpty()) {
            menu->addAction(actions.value(item.commandId));
        } else {
            const QAction* shared = actions.value(item.commandId);
            // The item shows the shared command's key, which stays with the shared action.
            const QString key = shared != nullptr ? shared->shortcut().toString(QKeySequence::NativeText) : QString();
            auto* action = new QAction(key.isEmpty() ? item.text : item.text + QLatin1Char('\t') + key, menu);
            action->setObjectName(item.objectName);
            setControlId(action, item.commandId);
            action->setStatusTip(item.prompt);
            const int commandId = item.commandId;
            connect(action, &QAction::triggered, this, [this, commandId] { RouteCommand(commandId); });
            menu->addAction(action);
            ownWords.append({action, commandId});
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, ownWords] {
        UpdateCommandStates();
        for (const auto& [action, commandId] : ownWords) {
            const QAction* shared = actions.value(commandId);
            action->setEnabled(shared == nullptr || shared->isEnabled());
        }
    });
    return menu;
}

void CMainFrame::RegisterDocumentType(const DocumentType& type)
{
    for (const CommandSpec& command : type.commands) AddCommand(command);
    QList<QMenu*> typeMenus;
    for (const MenuSpec& described : type.menus) typeMenus.append(CreateDocumentMenu(described));
    RegisterDocumentMenu(type.resourceId, type.fileMenu, typeMenus);
    if (type.updateCommands) typeCommandUpdates.append(type.updateCommands);
    UpdateCommandStates();
}

void CMainFrame::RegisterDocumentMenu(int resourceId, FileMenuKind kind, const QList<QMenu*>& documentMenus)
{
    QList<QMenu*> bar{CreateFileMenu(kind)};
    bar.append(documentMenus);
    bar.append(CreateViewMenu());
    if (kind != FileMenuKind::NoDocument) bar.append(windowMenu->Create());
    bar.append(CreateHelpMenu());
    for (QMenu* menu : bar) setControlId(menu, resourceId);
    menus.insert(resourceId, bar);
    fileMenuKinds.insert(resourceId, kind);
}

void CMainFrame::ShowMenu(int resourceId)
{
    if (!menus.contains(resourceId)) resourceId = kMainFrameResource;
    if (resourceId == currentMenuId) return;
    currentMenuId = resourceId;
    // The menus stay owned by the frame; the bar only shows the set of the active document type.
    menuBar()->clear();
    for (QMenu* menu : menus.value(resourceId)) menuBar()->addMenu(menu);
    docview::setControlId(menuBar(), resourceId);
}

void CMainFrame::AddViewFrame(View* view)
{
    auto* frame = new CChildFrame(view);
    mdiArea->addSubWindow(frame);
    frame->showMaximized();
    mdiArea->setActiveSubWindow(frame);
    OnSubWindowActivated(frame);
}

void CMainFrame::ActivateView(View* view)
{
    for (QMdiSubWindow* frame : mdiArea->subWindowList())
        if (frame->widget() == view) {
            mdiArea->setActiveSubWindow(frame);
            return;
        }
}

View* CMainFrame::GetActiveView() const
{
    QMdiSubWindow* frame = mdiArea->activeSubWindow();
    if (frame == nullptr && !mdiArea->subWindowList().isEmpty()) frame = mdiArea->currentSubWindow();
    return frame != nullptr ? qobject_cast<View*>(frame->widget()) : nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*)
{
    View* view = GetActiveView();
    Document* document = view != nullptr ? view->GetDocument() : nullptr;
    const DocTemplate* type = document != nullptr ? document->GetDocTemplate() : nullptr;
    ShowMenu(type != nullptr ? type->GetResourceId() : kMainFrameResource);
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates()
{
    View* view = GetActiveView();
    const bool hasDocument = view != nullptr && view->GetDocument() != nullptr;
    const bool savable = hasDocument && fileMenuKinds.value(currentMenuId) == FileMenuKind::WithSave;
    for (int id : std::initializer_list<int>{kFileClose, kWindowNew}) actions.value(id)->setEnabled(hasDocument);
    for (int id : std::initializer_list<int>{kFileSave, kFileSaveAs}) actions.value(id)->setEnabled(savable);
    QList<int> followers{kFilePrint, kFilePrintPreview};
    followers.append(viewCommands);
    for (int id : std::as_const(followers)) actions.value(id)->setEnabled(view != nullptr && view->HandlesCommand(id));
    for (const auto& update : std::as_const(typeCommandUpdates)) update(*this);
}

void CMainFrame::RouteCommand(int commandId)
{
    View* view = GetActiveView();
    if (view != nullptr) {
        if (view->OnCommand(commandId)) return;
        if (view->GetDocument() != nullptr && view->GetDocument()->OnCommand(commandId)) return;
    }
    if (HandleFrameCommand(commandId)) return;
    host.OnCommand(commandId);
}

bool CMainFrame::HandleFrameCommand(int commandId)
{
    switch (commandId) {
    case kViewToolBar:
        toolBar->setVisible(!toolBar->isVisible());
        return true;
    case kViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        actions.value(kViewStatusBar)->setChecked(statusBar()->isVisible());
        return true;
    case kWindowNew:
        OpenAnotherWindow();
        return true;
    case kContextHelp:
        QWhatsThis::enterWhatsThisMode();
        return true;
    case kAppExit:
        close();
        return true;
    default:
        return windowMenu->HandleCommand(commandId);
    }
}

void CMainFrame::OpenAnotherWindow()
{
    View* active = GetActiveView();
    Document* document = active != nullptr ? active->GetDocument() : nullptr;
    DocTemplate* type = document != nullptr ? document->GetDocTemplate() : nullptr;
    View* view = type != nullptr ? type->CreateView(document) : nullptr;
    if (view == nullptr) return;
    AddViewFrame(view);
    view->OnInitialUpdate();
}

CSplashWnd* CMainFrame::GetSplash() const
{
    return splash;
}

void CMainFrame::ShowSplash()
{
    if (splash) return;
    splash = new CSplashWnd(this);
    splash->show();
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Shown once the main window is up, so it lies above it and in its middle.
    if (splashPending) {
        splashPending = false;
        ShowSplash();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!QueryCloseViews() || !docManager.SaveAllModified()) {
        event->ignore();
        return;
    }
    docManager.CloseAllDocuments();
    SaveWindowState();
    event->accept();
}

bool CMainFrame::QueryCloseViews() const
{
    for (QMdiSubWindow* frame : mdiArea->subWindowList())
        if (auto* view = qobject_cast<View*>(frame->widget()); view != nullptr && !view->QueryClose()) return false;
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) host.OpenDocumentFile(url.toLocalFile());
    event->acceptProposedAction();
}
