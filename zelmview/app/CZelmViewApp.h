// The application object: it registers the document types in their order, creates the main window
// with its splash, owns the working folder, opens documents by path with the reopen rule,
// and handles the commands no view or document took (New, Open, recent files, Help, About).
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "app/ApplicationCommands.h"
#include "docview/DocManager.h"
#include "docview/DocumentHost.h"
#include "docview/DocumentType.h"
#include "docview/EditCommands.h"
#include "docview/WorkingFolder.h"

class CMainFrame;

namespace docview {
class DocTemplate;
class Document;
}  // namespace docview

class CZelmViewApp : public QObject, public docview::DocumentHost {
    Q_OBJECT

public:
    explicit CZelmViewApp(QObject* parent = nullptr);
    ~CZelmViewApp() override;

    // Start-up: settings, document types, main window (with splash unless "--no-splash"), the
    // window shown, and the working folder; then the files the arguments name (on their own or
    // after "--open", the desktop's open request) are opened. `arguments` excludes the program
    // name. False when the main window cannot be made.
    bool InitInstance(const QStringList& arguments);

    // The one way documents are opened by path: an open transient output (then risk output) whose
    // full path contains `path` is closed first, so a model rerun replaces its window (a window
    // with notes typed into it asks first, and stays when the user says so); then the standard
    // open; the document's title becomes `path` as given.
    docview::Document* OpenDocumentFile(const QString& path) override;

    void OnCommand(int commandId) override;
    void ShowHelp(const QString& section = {}) override;
    void UpdateCommandStates() override;

    docview::DocManager& GetDocManager() { return docManager; }
    CMainFrame* GetMainFrame() const { return mainFrame.get(); }

private:
    // Asks every view of `document` whether it may close; false when one stays.
    static bool ViewsAgreeToClose(docview::Document& document);
    void RegisterDocumentTypes();
    void RegisterTypeCommands();
    void OpenRecentFile(int index);
    // F1: the help section of the active view's type; the contents when none is active.
    QString ActiveHelpSection() const;
    // The types a user can create (those with a New command), in their order.
    QList<docview::DocTemplate*> CreatableTypes() const;
    // The type whose untitled documents `commandId` creates; null when none is registered.
    docview::DocTemplate* TypeCreatedBy(int commandId) const;

    // The program's working folder, installed for every part of the program while the
    // application lives.
    docview::WorkingFolder workingFolder;
    docview::WorkingFolder* previousWorkingFolder = nullptr;
    docview::DocManager docManager;
    ApplicationCommands commands;
    docview::UndoKeyHandOver undoKeys;
    // The registered types, in the order of registration.
    std::vector<docview::DocumentType> types;
    std::unique_ptr<CMainFrame> mainFrame;
    std::function<void(const QString&)> previousHelpHandler;
};
