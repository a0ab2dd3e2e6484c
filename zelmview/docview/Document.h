// The base of every document: the file it belongs to, its title, its modified flag and the hooks
// that a document type overrides to create, open and save itself. Windows (views, frames) attach
// to a document; the document never knows about widgets.
#pragma once

#include <QObject>
#include <QString>

namespace docview {

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
    void SetModifiedFlag(bool isModified = true);

    // Hooks for document types. The defaults empty the document (DeleteContents) and succeed;
    // OnOpenDocument and OnSaveDocument also record the path and clear the modified flag.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& path);
    virtual bool OnSaveDocument(const QString& path);
    virtual void DeleteContents();

signals:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

private:
    QString pathName;
    QString title;
    bool modified = false;
};

}  // namespace docview
