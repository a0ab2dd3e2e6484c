#include "docview/DocManager.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

#include "docview/Document.h"
#include "docview/FrameHost.h"
#include "docview/MessageSink.h"
#include "docview/View.h"
#include "docview/WorkingFolder.h"

namespace docview {

DocManager::DocManager(QObject* parent) : QObject(parent), recentFiles(kRecentFileCount)
{
    chooseNewType = [](const QStringList& names) {
        bool chosen = false;
        const QString name = QInputDialog::getItem(QApplication::activeWindow(), QStringLiteral("New"),
                                                   QStringLiteral("New"), names, 0, false, &chosen);
        return chosen ? int(names.indexOf(name)) : -1;
    };
}

DocManager::~DocManager()
{
    // Documents still open when the program ends go with the manager.
    for (Document* document : GetDocuments()) delete document;
}

DocTemplate* DocManager::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    docTemplate->onSaved = [this](Document* document) { recentFiles.Add(document->GetPathName()); };
    templates.push_back(std::move(docTemplate));
    return templates.back().get();
}

DocTemplate* DocManager::FindTemplate(int resourceId) const
{
    for (const auto& docTemplate : templates)
        if (docTemplate->GetResourceId() == resourceId) return docTemplate.get();
    return nullptr;
}

DocTemplate* DocManager::FindTemplateForPath(const QString& path) const
{
    for (const auto& docTemplate : templates)
        if (docTemplate->MatchesExtension(path)) return docTemplate.get();
    return nullptr;
}

void DocManager::LoadStdProfileSettings(int entries)
{
    recentFiles.SetSize(entries);
    recentFiles.ReadList();
}

Document* DocManager::OpenDocumentFile(const QString& path)
{
    if (path.isEmpty()) return nullptr;
    const QString fullPath = workingFolder().FilePath(path);
    DocTemplate* docTemplate = FindTemplateForPath(fullPath);
    if (docTemplate == nullptr) {
        showMessage(QStringLiteral("Unrecognised file type: ") + path);
        return nullptr;
    }
    if (Document* open = docTemplate->FindDocumentByPath(fullPath)) {
        ActivateDocument(open);
        return open;
    }
    if (!QFileInfo(fullPath).isFile() || !QFileInfo(fullPath).isReadable()) {
        showMessage(QStringLiteral("Failed to open document ") + path);
        recentFiles.Remove(fullPath);
        return nullptr;
    }
    Document* document = docTemplate->CreateNewDocument();
    if (!document->OnOpenDocument(fullPath)) {
        delete document;
        recentFiles.Remove(fullPath);
        return nullptr;
    }
    document->SetPathName(fullPath);
    document->SetModifiedFlag(false);
    ShowNewView(document, docTemplate);
    recentFiles.Add(fullPath);
    return document;
}

Document* DocManager::NewDocument(DocTemplate* docTemplate)
{
    if (docTemplate == nullptr) return nullptr;
    Document* document = docTemplate->CreateNewDocument();
    document->SetTitle(docTemplate->NextUntitledTitle());
    if (!document->OnNewDocument()) {
        delete document;
        return nullptr;
    }
    ShowNewView(document, docTemplate);
    return document;
}

Document* DocManager::OnFileNew(const QList<DocTemplate*>& creatable)
{
    if (creatable.isEmpty()) return nullptr;
    if (creatable.size() == 1) return NewDocument(creatable.constFirst());
    QStringList names;
    for (const DocTemplate* docTemplate : creatable) names.append(docTemplate->GetDocString(DocTemplate::fileNewName));
    return NewDocument(creatable.value(chooseNewType(names)));
}

QStringList DocManager::FileOpenFilters() const
{
    QStringList filters;
    QStringList patterns;
    for (const auto& docTemplate : templates) {
        if (docTemplate->GetDocString(DocTemplate::filterName).isEmpty()) continue;
        const QString filter = docTemplate->FileDialogFilter();
        filters.append(filter);
        const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && filter.endsWith(QLatin1Char(')'))) patterns.append(filter.mid(open + 1).chopped(1));
    }
    // Every file the program opens, under one filter that the dialog starts with.
    if (patterns.size() > 1)
        filters.prepend(QStringLiteral("All Drainage Files (%1)").arg(patterns.join(QLatin1Char(' '))));
    filters.append(QStringLiteral("All Files (*)"));
    return filters;
}

QString DocManager::PromptFileOpen() const
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Open"), workingFolder().Path(),
                                        FileOpenFilters().join(QStringLiteral(";;")));
}

QList<Document*> DocManager::GetDocuments() const
{
    QList<Document*> documents;
    for (const auto& docTemplate : templates) documents.append(docTemplate->GetDocuments());
    return documents;
}

bool DocManager::SaveAllModified()
{
    for (Document* document : GetDocuments())
        if (!document->SaveModified()) return false;
    return true;
}

void DocManager::CloseAllDocuments()
{
    for (Document* document : GetDocuments()) document->OnCloseDocument();
}

void DocManager::ShowNewView(Document* document, DocTemplate* docTemplate)
{
    View* view = docTemplate->CreateView(document);
    if (view == nullptr) return;
    if (frameHost != nullptr)
        frameHost->AddViewFrame(view);
    else
        view->show();
    view->OnInitialUpdate();
}

void DocManager::ActivateDocument(Document* document)
{
    if (document->GetViews().isEmpty()) return;
    View* view = document->GetViews().constFirst();
    if (frameHost != nullptr)
        frameHost->ActivateView(view);
    else
        view->activateWindow();
}

}  // namespace docview
