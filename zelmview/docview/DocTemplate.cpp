#include "docview/DocTemplate.h"

#include <QFileInfo>

#include "docview/Document.h"

namespace docview {

DocTemplate::DocTemplate(int id, const QString& description, DocumentFactory documentFactory, ViewFactory viewFactory)
    : resourceId(id),
      fields(description.split(QLatin1Char('\n'))),
      makeDocument(std::move(documentFactory)),
      makeView(std::move(viewFactory))
{
}

DocTemplate::~DocTemplate()
{
    for (Document* document : QList<Document*>(documents)) document->SetDocTemplate(nullptr);
}

QString DocTemplate::GetDocString(DocStringIndex index) const
{
    return fields.value(index);
}

QString DocTemplate::FileDialogFilter() const
{
    const QString extension = GetDocString(filterExt);
    QString text = GetDocString(filterName);
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (extension.isEmpty() || open < 0) return text;
    const QString patterns = QStringLiteral("*%1 *%2").arg(extension.toLower(), extension.toUpper());
    return text.left(open + 1) + patterns + QLatin1Char(')');
}

bool DocTemplate::MatchesExtension(const QString& path) const
{
    const QString extension = GetDocString(filterExt);
    return !extension.isEmpty() && path.endsWith(extension, Qt::CaseInsensitive);
}

Document* DocTemplate::CreateNewDocument()
{
    Document* document = makeDocument();
    document->SetDocTemplate(this);
    documents.append(document);
    return document;
}

View* DocTemplate::CreateView(Document* document) const
{
    return makeView ? makeView(document) : nullptr;
}

QString DocTemplate::NextUntitledTitle()
{
    return GetDocString(docName) + QString::number(++untitledCount);
}

Document* DocTemplate::FindDocumentByPath(const QString& fullPath) const
{
    for (Document* document : documents)
        if (!document->GetPathName().isEmpty() && document->GetPathName() == fullPath) return document;
    return nullptr;
}

void DocTemplate::RemoveDocument(Document* document)
{
    documents.removeAll(document);
}

void DocTemplate::NoteSaved(Document* document)
{
    if (onSaved) onSaved(document);
}

}  // namespace docview
