#include "forms/StandardDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QtDebug>

#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"

namespace forms {

using namespace docview;

namespace {

void showMessageBox(const QString& text)
{
    // Without a widget application a box cannot be shown; the message must still not be lost.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        qWarning().noquote() << "ZELM:" << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZELM"), text, QMessageBox::Ok);
    box.exec();
}

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
    // A document that has no file yet is saved into the working folder.
    const QString start = document.GetPathName().isEmpty() ? workingFolder().Path() : document.GetPathName();
    QFileDialog dialog(QApplication::activeWindow(), QString(), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void installStandardDialogs()
{
    setStandardMessageHandler(showMessageBox);
    setStandardSaveHandlers(askWithBox, askWithDialog);
}

}  // namespace forms
