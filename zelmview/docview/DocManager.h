// The document manager: the registered document types in their order, opening a document by path
// (an open document is only activated), New with its chooser, the Open dialog, saving before exit
// and the recent-file list.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "docview/DocTemplate.h"
#include "docview/RecentFileList.h"

namespace docview {

class Document;
class FrameHost;

class DocManager : public QObject {
    Q_OBJECT

public:
    explicit DocManager(QObject* parent = nullptr);
    ~DocManager() override;

    // Registration order decides the order of the Open dialog's filters and the New chooser.
    DocTemplate* AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    const std::vector<std::unique_ptr<DocTemplate>>& GetTemplates() const { return templates; }
    DocTemplate* FindTemplate(int resourceId) const;
    DocTemplate* FindTemplateForPath(const QString& path) const;

    void SetFrameHost(FrameHost* host) { frameHost = host; }

    // Reads the recent-file list of `entries` entries from the profile store.
    void LoadStdProfileSettings(int entries);
    RecentFileList& GetRecentFiles() { return recentFiles; }

    // The standard open: an unknown or unreadable file shows one message and opens nothing; a
    // document already open is activated; otherwise a new document of the matching type reads the
    // file and gets a window. The path becomes absolute.
    Document* OpenDocumentFile(const QString& path);
    // A new, untitled document of `docTemplate` in its own window.
    Document* NewDocument(DocTemplate* docTemplate);

    // File New among `creatable` (the types a user can make): the only one directly, otherwise the
    // chooser with their New-chooser names.
    Document* OnFileNew(const QList<DocTemplate*>& creatable);
    // The chooser: the index of the name chosen, or -1 when cancelled. Replaceable for tests.
    std::function<int(const QStringList& names)> chooseNewType;
    // The Open dialog; the chosen path, or empty when cancelled.
    QString PromptFileOpen() const;
    // The Open dialog's filters, one per type in registration order, then all files.
    QStringList FileOpenFilters() const;

    // Every open document, type by type.
    QList<Document*> GetDocuments() const;
    // Asks the save question of every modified document; false when the user cancelled.
    bool SaveAllModified();
    void CloseAllDocuments();

private:
    void ShowNewView(Document* document, DocTemplate* docTemplate);
    void ActivateDocument(Document* document);

    std::vector<std::unique_ptr<DocTemplate>> templates;
    FrameHost* frameHost = nullptr;
    RecentFileList recentFiles;
};

}  // namespace docview
