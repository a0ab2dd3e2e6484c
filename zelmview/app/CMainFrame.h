// The main window: the multiple-document area with one child frame per view, the menu bar that
// follows the type of the active document (menu 128 when none is open), the tool bar, the status
// bar with its message area and lock-key indicators, and the routing of every command to the
// active view, then its document, then the application.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "docview/FrameHost.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class CSplashWnd;
class CZelmViewApp;

namespace docview {
class Document;
class View;
}  // namespace docview

class CMainFrame : public QMainWindow, public docview::FrameHost {
    Q_OBJECT

public:
    // Which File menu a menu resource carries.
    enum class FileMenuKind { NoDocument, WithClose, WithSave };

    CMainFrame(CZelmViewApp& app, bool showSplash);
    ~CMainFrame() override;

    void AddViewFrame(docview::View* view) override;
    void ActivateView(docview::View* view) override;
    docview::View* GetActiveView() const;
    QMdiArea* GetMdiArea() const { return mdiArea; }

    // The one action of a command id, shared by every menu and the tool bar; null when unknown.
    QAction* GetCommandAction(int commandId) const;
    // Creates (or returns) the action of `commandId`. `prompt` is the status-bar prompt; a part
    // after "\n" is the tool-bar tip. Triggering it routes the command.
    QAction* AddCommand(int commandId, const QString& text, const QKeySequence& key = {}, const QString& prompt = {});
    // The menu bar shown while a document of type `resourceId` is active: a File menu of `kind`,
    // then `documentMenus` (the frame takes them over), then View, Window and Help.
    void RegisterDocumentMenu(int resourceId, FileMenuKind kind, const QList<QMenu*>& documentMenus);
    // The menu resource now on the menu bar.
    int GetCurrentMenuId() const { return currentMenuId; }

    // Offers the command to the active view, its document and the application, in that order.
    void RouteCommand(int commandId);

    // Enables the commands the active view and document can take now; views call it when that
    // changes (a model run starts or ends).
    void UpdateCommandStates();

    QLabel* GetIndicator(int indicatorId) const;
    CSplashWnd* GetSplash() const;
    void ShowSplash();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    void CreateToolBar();
    void CreateStatusBar();
    QMenu* CreateFileMenu(FileMenuKind kind);
    QMenu* CreateViewMenu();
    QMenu* CreateWindowMenu();
    QMenu* CreateHelpMenu();
    void FillRecentFiles(QMenu* fileMenu);
    void ShowMenu(int resourceId);
    void OnSubWindowActivated(QMdiSubWindow* subWindow);
    bool HandleFrameCommand(int commandId);
    void OpenAnotherWindow();

    CZelmViewApp& app;
    QMdiArea* mdiArea = nullptr;
    QToolBar* toolBar = nullptr;
    QHash<int, QAction*> actions;
    QHash<int, QList<QMenu*>> menus;
    QHash<int, FileMenuKind> fileMenuKinds;
    QList<QAction*> recentActions;
    QHash<int, QLabel*> indicators;
    QPointer<CSplashWnd> splash;
    int currentMenuId = -1;
};
