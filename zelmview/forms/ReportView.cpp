#include "forms/ReportView.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>

#include "docview/AtomicSave.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "docview/WorkingFolder.h"
#include "forms/HeadedForm.h"

namespace forms {

using namespace docview;

namespace {

// The buttons' mnemonics keep clear of the menu titles of the report windows (File, Report, Data,
// View, Window, Help), which share the main window's Alt keys.
const QString kPlotText = QStringLiteral("&Plot");
const QString kWriteText = QStringLiteral("Wr&ite");
const QString kPrintViaWordpadText = QStringLiteral("Pri&nt via Wordpad");
const QString kDoneText = QStringLiteral("D&one");
const QString kHelpText = QStringLiteral("He&lp");

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

QPushButton* ReportView::CreateReportControls(const QString& heading, QLayout* besideButtons)
{
    reportEdit = new QPlainTextEdit(this);
    reportEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reportEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A report is read, and noted in now and then; Tab takes the focus on to the buttons.
    reportEdit->setTabChangesFocus(true);
    Name(reportEdit, kReportEdit, QStringLiteral("reportEdit"));

    ButtonRow* buttons = layOutHeadedForm(this, heading, reportEdit, formSize.width());
    const auto add = [this, buttons](int controlId, const QString& text, const QString& name) {
        QPushButton* button = buttons->AddButton(controlId, text, name);
        controls.insert(controlId, button);
        return button;
    };
    QPushButton* plot = add(kPlotButton, kPlotText, QStringLiteral("plotButton"));
    connect(add(kWriteButton, kWriteText, QStringLiteral("writeButton")), &QPushButton::clicked, this,
            &ReportView::WriteReport);
    connect(add(kPrintViaWordpadButton, kPrintViaWordpadText, QStringLiteral("printViaWordpadButton")),
            &QPushButton::clicked, this, [this] { PrintViaWordpad(); });
    connect(add(kDoneButton, kDoneText, QStringLiteral("doneButton")), &QPushButton::clicked, this,
            &ReportView::PostClose);
    connect(add(kHelpButton, kHelpText, QStringLiteral("helpButton")), &QPushButton::clicked, this,
            &ReportView::helpRequested);
    if (besideButtons != nullptr)
        buttons->addLayout(besideButtons, 1);
    else
        buttons->addStretch(1);
    // The form's minimum is kept by its frame (a main window's child window); a window of the form
    // on its own may be made narrower, and then gives way in its last control.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    return plot;
}

void ReportView::Name(QWidget* control, int controlId, const QString& name)
{
    control->setObjectName(name);
    setControlId(control, controlId);
    controls.insert(controlId, control);
}

void ReportView::FinishForm()
{
    resize(formSize);
}

void ReportView::ShowReport(const QString& text)
{
    reportText = text;
    reportEdit->setPlainText(toScreenLines(text));
    reportEdit->document()->setModified(false);
}

bool ReportView::WriteReport()
{
    const QString path = chooseOutputFile();
    if (path.isEmpty() || !saveTextAtomically(path, reportEdit->toPlainText())) return false;
    // What the user typed is kept in that file now.
    reportEdit->document()->setModified(false);
    showStatus(QStringLiteral("The report was written to %1.").arg(path));
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
    else
        showStatus(QStringLiteral("The report was written to %1 and opened for printing.").arg(path));
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

QList<CommandSpec> ReportView::ReportCommands()
{
    return {{.id = zelm::kPlotReport,
             .text = QStringLiteral("&Plot"),
             .prompt = QStringLiteral("Draw the report's results in a chart\nPlot"),
             .followsView = true},
            {.id = zelm::kWriteReport,
             .text = QStringLiteral("&Write..."),
             .prompt = QStringLiteral("Write the report, with your notes, to a text file\nWrite"),
             .followsView = true}};
}

MenuSpec ReportView::ReportMenu()
{
    return {QStringLiteral("&Report"), QStringLiteral("reportMenu"), {{zelm::kPlotReport}, {zelm::kWriteReport}}};
}

bool ReportView::HandlesCommand(int commandId) const
{
    switch (commandId) {
    case zelm::kPlotReport:
        return GetControl(kPlotButton)->isEnabled();
    case zelm::kWriteReport:
        return true;
    default:
        return PrintableView::HandlesCommand(commandId);
    }
}

bool ReportView::OnCommand(int commandId)
{
    switch (commandId) {
    case zelm::kPlotReport:
        if (auto* plot = qobject_cast<QPushButton*>(GetControl(kPlotButton)); plot != nullptr && plot->isEnabled())
            plot->click();
        return true;
    case zelm::kWriteReport:
        WriteReport();
        return true;
    case kFileClose:
        if (!QueryClose()) return true;
        break;
    default:
        break;
    }
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
