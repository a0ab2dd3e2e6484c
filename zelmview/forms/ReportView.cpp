#include "forms/ReportView.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "docview/AtomicSave.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"

namespace forms {

using namespace docview;

namespace {

constexpr int kHeadingHeight = 18;
constexpr int kButtonHeight = 28;

QString toScreenLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString chooseWithDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Choose an output file."), suggested,
                       QStringLiteral("Text files (*.txt);;All Files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // Like the rest of the program, an existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

SaveAnswer askWithBox(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ZELM"),
                    QStringLiteral("The report holds text you typed into it. Write it to a file before closing?"),
                    QMessageBox::NoButton, parent);
    QPushButton* write = box.addButton(QStringLiteral("&Write..."), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(write);
    box.exec();
    if (box.clickedButton() == write) return SaveAnswer::Save;
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

}  // namespace

ReportView::ReportView(Document* document, const QSize& formSize, QWidget* parent)
    : PrintableView(document, parent), formSize(formSize)
{
    chooseOutputFile = [this] { return chooseWithDialog(this, SuggestedFileName(QStringLiteral(".txt"))); };
    openWithDesktop = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    askAboutTypedText = [this] { return askWithBox(this); };
}

QPushButton* ReportView::CreateReportControls(const QString& heading, const QRect& editRect, int buttonTop)
{
    auto* label = new QLabel(heading, this);
    label->setGeometry(editRect.left(), editRect.top() - kHeadingHeight - 2, editRect.width(), kHeadingHeight);

    reportEdit = new QPlainTextEdit(this);
    reportEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reportEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Place(reportEdit, kReportEdit, QStringLiteral("reportEdit"), editRect);

    QPushButton* plot = AddButton(kPlotButton, QStringLiteral("Plot"), QStringLiteral("plotButton"),
                                  QRect(8, buttonTop, 80, kButtonHeight));
    connect(AddButton(kWriteButton, QStringLiteral("Write"), QStringLiteral("writeButton"),
                      QRect(96, buttonTop, 80, kButtonHeight)),
            &QPushButton::clicked, this, &ReportView::WriteReport);
    connect(AddButton(kPrintViaWordpadButton, QStringLiteral("Print via Wordpad"),
                      QStringLiteral("printViaWordpadButton"), QRect(184, buttonTop, 130, kButtonHeight)),
            &QPushButton::clicked, this, [this] { PrintViaWordpad(); });
    connect(AddButton(kDoneButton, QStringLiteral("Done"), QStringLiteral("doneButton"),
                      QRect(322, buttonTop, 76, kButtonHeight)),
            &QPushButton::clicked, this, &ReportView::PostClose);
    connect(AddButton(kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"),
                      QRect(406, buttonTop, 76, kButtonHeight)),
            &QPushButton::clicked, this, &ReportView::helpRequested);
    return plot;
}

QPushButton* ReportView::AddButton(int controlId, const QString& text, const QString& name, const QRect& rect)
{
    auto* button = new QPushButton(text, this);
    Place(button, controlId, name, rect);
    return button;
}

void ReportView::Place(QWidget* control, int controlId, const QString& name, const QRect& rect)
{
    control->setObjectName(name);
    SetControlId(control, controlId);
    control->setGeometry(rect);
    controls.insert(controlId, control);
    initialRects.insert(controlId, rect);
}

void ReportView::FinishForm()
{
    resize(formSize);
    LayOutControls(formSize);
}

void ReportView::ShowReport(const QString& text)
{
    reportText = text;
    reportEdit->setPlainText(toScreenLines(text));
    reportEdit->document()->setModified(false);
}

void ReportView::resizeEvent(QResizeEvent* event)
{
    LayOutControls(event->size());
    View::resizeEvent(event);
}

void ReportView::LayOutControls(const QSize& clientSize)
{
    const int dw = clientSize.width() - formSize.width();
    const int dh = clientSize.height() - formSize.height();
    for (auto it = initialRects.constBegin(); it != initialRects.constEnd(); ++it) {
        QRect rect = it.value();
        if (it.key() == kReportEdit) {
            rect.setWidth(std::max(0, rect.width() + dw));
            rect.setHeight(std::max(0, rect.height() + dh));
        } else {
            rect.translate(0, dh);
        }
        controls.value(it.key())->setGeometry(rect);
    }
}

bool ReportView::WriteReport()
{
    const QString path = chooseOutputFile();
    if (path.isEmpty() || !saveTextAtomically(path, reportEdit->toPlainText())) return false;
    // What the user typed is kept in that file now.
    reportEdit->document()->setModified(false);
    return true;
}

QString ReportView::PrintViaWordpad()
{
    if (GetDocument() == nullptr) return {};
    const QString path = workingFolder().FilePath(GetDocument()->GetTitle() + QStringLiteral(".txt"));
    if (!saveTextAtomically(path, WordProcessorText())) return {};
    if (!openWithDesktop(QUrl::fromLocalFile(path)))
        showMessage(QStringLiteral("No application could open ") + path +
                    QStringLiteral(". The report was written there; open it with a text editor."));
    return path;
}

QString ReportView::SuggestedFileName(const QString& extension) const
{
    if (GetDocument() == nullptr || GetDocument()->GetPathName().isEmpty()) return {};
    const QFileInfo report(GetDocument()->GetPathName());
    return report.absolutePath() + QLatin1Char('/') + report.completeBaseName() + extension;
}

bool ReportView::HasTypedText() const
{
    return reportEdit->document()->isModified();
}

bool ReportView::QueryClose()
{
    if (!HasTypedText()) return true;
    switch (askAboutTypedText()) {
    case SaveAnswer::Save:
        return WriteReport();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool ReportView::OnCommand(int commandId)
{
    if (commandId == kFileClose && !QueryClose()) return true;
    return PrintableView::OnCommand(commandId);
}

void ReportView::PrintReport(QPrinter& printer) const
{
    QTextDocument text;
    text.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text.setPlainText(reportEdit->toPlainText());
    if (GetDocument() != nullptr) printer.setDocName(GetDocument()->GetTitle());
    text.print(&printer);
}

}  // namespace forms
