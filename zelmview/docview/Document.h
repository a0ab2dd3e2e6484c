// The base of every document: the file it belongs to, its title, its modified flag, the views that
// show it and the hooks that a document type overrides to create, open and save itself. Views and
// frames attach to a document; the document only knows them through DocumentView, so it needs no
// widgets.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "docview/UpdateHint.h"

namespace docview {

class DocTemplate;
class DocumentView;
class View;

class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    // The full path of the document's file; empty for a new, unsaved document.
    const QString& GetPathName() const { return pathName; }
    // Sets the path and, unless told otherwise, the title to that full path.
    void SetPathName(const QString& path, bool setTitle = true);

    const QString& GetTitle() const { return title; }
    void SetTitle(const QString& newTitle);

    bool IsModified() const { return modified; }
    virtual void SetModifiedFlag(bool isModified = true);

    // The type this document was created by; null for a document made outside the framework.
    DocTemplate* GetDocTemplate() const { return docTemplate; }
    void SetDocTemplate(DocTemplate* owner) { docTemplate = owner; }

    // Hooks for document types. The defaults empty the document (DeleteContents) and succeed;
    // OnOpenDocument and OnSaveDocument also record the path and clear the modified flag.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& path);
    virtual bool OnSaveDocument(const QString& path);
    virtual void DeleteContents();

    // A command the active view did not handle (menu and tool-bar ids); true when handled. The
    // default handles Close, Save and Save As.
    virtual bool OnCommand(int commandId);
    // The Close command: the save question, then OnCloseDocument unless the user cancelled.
    void OnFileClose();

    // Has every view store what is typed into it but not yet stored, in the order the views
    // attached; false at the first view that holds text it cannot store. Save, Save As, the save
    // question (and so Close and Quit) and a run call it first.
    bool CommitTypedText();

    // The standard save question for a modified document, asked once what is typed is stored: Yes
    // saves (a failed save counts as Cancel), No discards, Cancel keeps the document open. True when
    // the caller may go on.
    bool SaveModified();
    // Save under the known path, or ask for one when the document has none (or saveAs is set).
    bool DoFileSave();
    bool DoSave(bool saveAs);

    // The file a model may read, as SaveForRun leaves it.
    enum class RunFile {
        None,          // the user cancelled, or the save failed: no run
        Current,       // the file holds what the views show
        WithoutEdits,  // the user chose not to save: the file lacks the changes the views show
    };
    // Before a model reads the document's file: stores what is typed; a document that has never been
    // saved asks for its name and is saved; a modified one asks the save question.
    RunFile SaveForRun();

    // Closes every window of the document at once, without a save question, and deletes it once
    // control returns to the event loop. The document leaves its type's list immediately.
    virtual void OnCloseDocument();
    bool IsClosing() const { return closing; }

    // The views in the order they attached.
    QList<View*> GetViews() const;
    void AddView(DocumentView* view);
    void RemoveView(DocumentView* view);
    // Tells every view that the document changed; `hint` says what the views must do.
    void UpdateAllViews(UpdateHint hint = {});

signals:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

private:
    // The save question's answer, carried out: whether the document was saved (or had nothing to
    // save), its changes were left unsaved, or the user cancelled.
    RunFile AskToSave();

    QString pathName;
    QString title;
    bool modified = false;
    bool closing = false;
    DocTemplate* docTemplate = nullptr;
    QList<DocumentView*> views;
};

}  // namespace docview
