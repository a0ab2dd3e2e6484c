#include "Document.h"

namespace docview {

Document::Document(QObject* parent) : QObject(parent) {}

Document::~Document() = default;

void Document::SetPathName(const QString& path, bool setTitle) {
    pathName = path;
    if (setTitle) SetTitle(path);
}

void Document::SetTitle(const QString& newTitle) {
    if (title == newTitle) return;
    title = newTitle;
    emit titleChanged(title);
}

void Document::SetModifiedFlag(bool isModified) {
    if (modified == isModified) return;
    modified = isModified;
    emit modifiedChanged(modified);
}

bool Document::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const QString& path) {
    DeleteContents();
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const QString& path) {
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

void Document::DeleteContents() {}

}  // namespace docview
