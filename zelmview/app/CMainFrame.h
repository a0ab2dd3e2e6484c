// The main window: the multiple-document area with one child frame per view, the menu bar that
// follows the type of the active document (menu 128 when none is open), the tool bar, the status
// bar with its message area and lock-key indicators, and the routing of every command to the
// active view, then its document, then the application. It knows the commands of the document
// types only by id, from the types' descriptions.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "app/ApplicationCommands.h"
#include "docview/DocumentType.h"
#include "docview/FrameHost.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class CSplashWnd;
class WindowMenu;

namespace docview {
class DocManager;
class Document;
class DocumentHost;
class View;
}  // namespace docview

class CMainFrame : public QMainWindow, public docview::FrameHost, public docview::CommandBoard {
    Q_OBJECT

public:
    using FileMenuKind = docview::FileMenuKind;

    // `host` takes the commands no view, document or window took, and opens dropped files.
    CMainFrame(docview::DocManager& docManager, docview::DocumentHost& host, const ApplicationCommands& commands,
               bool showSplash);
    ~CMainFrame() override;

    void AddViewFrame(docview::View* view) override;
    void ActivateView(docview::View* view) override;
    docview::View* GetActiveView() const override;
    QMdiArea* GetMdiArea() const { return mdiArea; }

    // The one action of a command id, shared by every menu and the tool bar; null when unknown.
    QAction* GetCommandAction(int commandId) const override;
    // Creates (or returns) the action of `commandId`. `prompt` is the status-bar prompt; a part
    // after "\n" is the tool-bar tip. Triggering it routes the command.
    QAction* AddCommand(int commandId, const QString& text, const QKeySequence& key = {}, const QString& prompt = {});
    // The same with the platform's keys for a standard command (all of them, Ctrl+O and so on).
    QAction* AddCommand(int commandId, const QString& text, QKeySequence::StandardKey key, const QString& prompt = {});
    QAction* AddCommand(const docview::CommandSpec& command);
    // A document type's commands, and its menu bar shown while a document of it is active.
    void RegisterDocumentType(const docview::DocumentType& type);
    // The menu bar shown while a document of type `resourceId` is active: a File menu of `kind`,
    // then `documentMenus` (the frame takes them over), then View, Window and Help.
    void RegisterDocumentMenu(int resourceId, FileMenuKind kind, const QList<QMenu*>& documentMenus);
    // The menu resource now on the menu bar.
    int GetCurrentMenuId() const { return currentMenuId; }

    // Offers the command to the active view, its document and the application, in that order.
    void RouteCommand(int commandId);

    // Enables the commands the active view and document can take now and lets each document type
    // set its check marks; views have it called when that changes (a model run starts or ends).
    void UpdateCommandStates();

    QLabel* GetIndicator(int indicatorId) const;
    CSplashWnd* GetSplash() const;
    void ShowSplash();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    // The window's size, place and tool-bar state from the last session, and back at its close.
    void RestoreWindowState();
    void SaveWindowState() const;
    void CreateToolBar(const QList<int>& buttons);
    void CreateStatusBar();
    QMenu* CreateFileMenu(FileMenuKind kind);
    QMenu* CreateViewMenu();
    QMenu* CreateHelpMenu();
    QMenu* CreateDocumentMenu(const docview::MenuSpec& described);
    void FillRecentFiles(QMenu* fileMenu);
    void ShowMenu(int resourceId);
    void OnSubWindowActivated(QMdiSubWindow* subWindow);
    bool HandleFrameCommand(int commandId);
    void OpenAnotherWindow();
    // Asks every view whether it may close (before the program ends); false when one stays.
    bool QueryCloseViews() const;

    docview::DocManager& docManager;
    docview::DocumentHost& host;
    QList<int> fileNewCommands;
    // Commands enabled while the active view handles them.
    QList<int> viewCommands;
    QList<std::function<void(const docview::CommandBoard&)>> typeCommandUpdates;
    QMdiArea* mdiArea = nullptr;
    QToolBar* toolBar = nullptr;
    QHash<int, QAction*> actions;
    QHash<int, QList<QMenu*>> menus;
    QHash<int, FileMenuKind> fileMenuKinds;
    QList<QAction*> recentActions;
    QHash<int, QLabel*> indicators;
    QPointer<CSplashWnd> splash;
    // The splash waits for the main window to be shown.
    bool splashPending = false;
    WindowMenu* windowMenu = nullptr;
    int currentMenuId = -1;
};
