#include "docview/Document.h"

#include <QFileInfo>

#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/DocumentView.h"
#include "docview/SaveQuestion.h"

namespace docview {

Document::Document(QObject* parent) : QObject(parent) {}

Document::~Document()
{
    if (docTemplate != nullptr) docTemplate->RemoveDocument(this);
}

void Document::SetPathName(const QString& path, bool setTitle)
{
    pathName = path;
    if (setTitle) SetTitle(path);
}

void Document::SetTitle(const QString& newTitle)
{
    if (title == newTitle) return;
    title = newTitle;
    emit titleChanged(title);
}

void Document::SetModifiedFlag(bool isModified)
{
    if (modified == isModified) return;
    modified = isModified;
    emit modifiedChanged(modified);
}

bool Document::OnNewDocument()
{
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const QString& path)
{
    DeleteContents();
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const QString& path)
{
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

void Document::DeleteContents() {}

bool Document::OnCommand(int commandId)
{
    switch (commandId) {
    case kFileClose:
        OnFileClose();
        return true;
    case kFileSave:
        DoFileSave();
        return true;
    case kFileSaveAs:
        DoSave(true);
        return true;
    default:
        return false;
    }
}

void Document::OnFileClose()
{
    if (SaveModified()) OnCloseDocument();
}

bool Document::CommitTypedText()
{
    for (DocumentView* view : QList<DocumentView*>(views))
        if (!view->CommitTypedText()) return false;
    return true;
}

Document::RunFile Document::AskToSave()
{
    if (!CommitTypedText()) return RunFile::None;
    if (!IsModified()) return RunFile::Current;
    switch (askSaveChanges(title)) {
    case SaveAnswer::Save:
        return DoFileSave() ? RunFile::Current : RunFile::None;
    case SaveAnswer::Discard:
        return RunFile::WithoutEdits;
    case SaveAnswer::Cancel:
        break;
    }
    return RunFile::None;
}

bool Document::SaveModified()
{
    return AskToSave() != RunFile::None;
}

Document::RunFile Document::SaveForRun()
{
    // A model needs a file to read: a document without one is named and saved, or not run.
    if (pathName.isEmpty()) return DoSave(true) ? RunFile::Current : RunFile::None;
    return AskToSave();
}

bool Document::DoFileSave()
{
    const QFileInfo file(pathName);
    const bool needsPath = pathName.isEmpty() || (file.exists() && !file.isWritable());
    return DoSave(needsPath);
}

bool Document::DoSave(bool saveAs)
{
    // What is typed is stored before the name is asked: text that cannot be stored stops the save.
    if (!CommitTypedText()) return false;
    QString path = pathName;
    if (saveAs || path.isEmpty()) {
        path = askSaveAsPath(*this);
        if (path.isEmpty()) return false;
    }
    if (!OnSaveDocument(path)) return false;
    if (docTemplate != nullptr) docTemplate->NoteSaved(this);
    return true;
}

void Document::OnCloseDocument()
{
    if (closing) return;
    closing = true;
    // A closed document belongs to no type any more: it may outlive the type until its deferred
    // deletion.
    if (docTemplate != nullptr) docTemplate->RemoveDocument(this);
    docTemplate = nullptr;
    for (DocumentView* view : QList<DocumentView*>(views)) view->CloseFrame();
    DeleteContents();
    deleteLater();
}

QList<View*> Document::GetViews() const
{
    QList<View*> shown;
    for (DocumentView* view : views) shown.append(view->AsView());
    return shown;
}

void Document::AddView(DocumentView* view)
{
    if (!views.contains(view)) views.append(view);
}

void Document::RemoveView(DocumentView* view)
{
    views.removeAll(view);
    // The last window of a document takes the document with it.
    if (views.isEmpty() && !closing) OnCloseDocument();
}

void Document::UpdateAllViews(UpdateHint hint)
{
    for (DocumentView* view : QList<DocumentView*>(views)) view->OnUpdate(hint);
}

}  // namespace docview
