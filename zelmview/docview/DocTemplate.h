// A document type: its resource id (which also names its menu and icon), its seven-field
// description string, how to make its document and its view, and the documents of it now open.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace docview {

class Document;
class View;

class DocTemplate {
public:
    // The fields of the description string, separated by "\n".
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    using DocumentFactory = std::function<Document*()>;
    using ViewFactory = std::function<View*(Document*)>;

    DocTemplate(int resourceId, const QString& description, DocumentFactory makeDocument, ViewFactory makeView);
    ~DocTemplate();
    DocTemplate(const DocTemplate&) = delete;
    DocTemplate& operator=(const DocTemplate&) = delete;

    int GetResourceId() const { return resourceId; }
    QString GetDocString(DocStringIndex index) const;

    // The Open and Save dialog filter of this type. The model writes upper-case extensions, so
    // both letter cases are listed: "Transient Output Files (*.otr *.OTR)".
    QString FileDialogFilter() const;
    // Whether `path` ends in this type's extension, in any letter case.
    bool MatchesExtension(const QString& path) const;

    // A new, untitled document of this type ("Transient1", "Transient2", ...), in the open list.
    Document* CreateNewDocument();
    View* CreateView(Document* document) const;
    // The title of the next untitled document: the document name and a running number.
    QString NextUntitledTitle();

    // Open documents of this type, in the order they were opened.
    const QList<Document*>& GetDocuments() const { return documents; }
    Document* FindDocumentByPath(const QString& fullPath) const;
    void RemoveDocument(Document* document);
    // A document of this type was saved (its path may be new); the manager hears of it.
    void NoteSaved(Document* document);
    std::function<void(Document*)> onSaved;

private:
    int resourceId;
    QStringList fields;
    DocumentFactory makeDocument;
    ViewFactory makeView;
    QList<Document*> documents;
    int untitledCount = 0;
};

}  // namespace docview
