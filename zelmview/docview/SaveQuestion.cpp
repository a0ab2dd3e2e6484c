#include "docview/SaveQuestion.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <utility>

#include "docview/DocTemplate.h"
#include "docview/Document.h"

namespace docview {
namespace {

SaveAnswer askWithBox(const QString& title)
{
    const auto button = QMessageBox::question(
        QApplication::activeWindow(), QStringLiteral("ZELM"), QStringLiteral("Save changes to %1?").arg(title),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) return SaveAnswer::Save;
    if (button == QMessageBox::No) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

QString askWithDialog(const Document& document)
{
    QString filter;
    QString suffix;
    if (const DocTemplate* type = document.GetDocTemplate()) {
        filter = type->FileDialogFilter();
        suffix = type->GetDocString(DocTemplate::filterExt).mid(1).toLower();
    }
    QFileDialog dialog(QApplication::activeWindow(), QString(), document.GetPathName(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

SaveChangesHandler& saveChangesHandler()
{
    static SaveChangesHandler handler = askWithBox;
    return handler;
}

SaveAsPathHandler& saveAsPathHandler()
{
    static SaveAsPathHandler handler = askWithDialog;
    return handler;
}

}  // namespace

SaveAnswer askSaveChanges(const QString& title)
{
    return saveChangesHandler()(title);
}

QString askSaveAsPath(const Document& document)
{
    return saveAsPathHandler()(document);
}

SaveChangesHandler setSaveChangesHandler(SaveChangesHandler handler)
{
    if (!handler) handler = askWithBox;
    return std::exchange(saveChangesHandler(), std::move(handler));
}

SaveAsPathHandler setSaveAsPathHandler(SaveAsPathHandler handler)
{
    if (!handler) handler = askWithDialog;
    return std::exchange(saveAsPathHandler(), std::move(handler));
}

}  // namespace docview
