#include "output/CZELMOutputView.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTextDocument>
#include <QUrl>
#include <stdexcept>

#include "data/AtomicSave.h"
#include "data/CZELMOutputDoc.h"
#include "data/EventCalendar.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "output/OutputReportText.h"
#include "output/TableDlg.h"
#include "output/WaterTableChart.h"
#include "output/WaterTableYear.h"

namespace {

// The form's own size; the controls below are placed for it and follow the window from there.
const QSize kFormSize(720, 452);
const QRect kHeadingRect(8, 6, 400, 18);
const QRect kEditRect(8, 26, 704, 352);
const QRect kGroupRect(492, 384, 220, 62);
constexpr int kButtonTop = 402;
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

docview::SaveAnswer askWithBox(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ZELM"),
                    QStringLiteral("The report holds text you typed into it. Write it to a file before closing?"),
                    QMessageBox::NoButton, parent);
    QPushButton* write = box.addButton(QStringLiteral("&Write..."), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(write);
    box.exec();
    if (box.clickedButton() == write) return docview::SaveAnswer::Save;
    return box.clickedButton() == discard ? docview::SaveAnswer::Discard : docview::SaveAnswer::Cancel;
}

// Day 1 of the model's year: the date of the last event; none when the project has no valid one.
QDate YearStart(const ZELMData& project)
{
    try {
        return zelm::LastEventDate(project);
    } catch (const std::invalid_argument&) {
        return {};
    }
}

}  // namespace

CZELMOutputView::CZELMOutputView(CZELMOutputDoc* document, QWidget* parent) : docview::PrintableView(document, parent)
{
    setObjectName(QStringLiteral("outputView"));
    docview::SetControlId(this, int(kFormId));
    chooseOutputFile = [this] { return chooseWithDialog(this, SuggestedFileName(QStringLiteral(".txt"))); };
    openWithDesktop = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    askAboutTypedText = [this] { return askWithBox(this); };
    CreateControls();
    resize(kFormSize);
    LayOutControls(kFormSize);
}

CZELMOutputDoc* CZELMOutputView::GetOutputDocument() const
{
    return static_cast<CZELMOutputDoc*>(GetDocument());
}

void CZELMOutputView::CreateControls()
{
    auto* heading = new QLabel(QStringLiteral("Computations of Water Table Fluctuations:"), this);
    heading->setGeometry(kHeadingRect);

    reportEdit = new QPlainTextEdit(this);
    reportEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reportEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Place(reportEdit, kReportEdit, QStringLiteral("reportEdit"), kEditRect);

    QPushButton* plot = AddButton(kPlotButton, QStringLiteral("Plot"), QStringLiteral("plotButton"),
                                  QRect(8, kButtonTop, 80, kButtonHeight));
    // The chart opens on its own and deletes itself when closed.
    connect(plot, &QPushButton::clicked, this, [this] {
        if (CZELMOutputDoc* document = GetOutputDocument()) zelm::PlotWaterTable(*document, GetGraphType());
    });
    plot->setWhatsThis(QStringLiteral("Draws the water table through the year in a chart."));
    reportEdit->setWhatsThis(QStringLiteral("The model's report. You may add notes; Write saves them with it."));
    connect(AddButton(kWriteButton, QStringLiteral("Write"), QStringLiteral("writeButton"),
                      QRect(96, kButtonTop, 80, kButtonHeight)),
            &QPushButton::clicked, this, &CZELMOutputView::WriteReport);
    connect(AddButton(kPrintViaWordpadButton, QStringLiteral("Print via Wordpad"),
                      QStringLiteral("printViaWordpadButton"), QRect(184, kButtonTop, 130, kButtonHeight)),
            &QPushButton::clicked, this, [this] { PrintViaWordpad(); });
    connect(AddButton(kDoneButton, QStringLiteral("Done"), QStringLiteral("doneButton"),
                      QRect(322, kButtonTop, 76, kButtonHeight)),
            &QPushButton::clicked, this, &CZELMOutputView::PostClose);
    connect(AddButton(kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"),
                      QRect(406, kButtonTop, 76, kButtonHeight)),
            &QPushButton::clicked, this, &CZELMOutputView::helpRequested);

    auto* group = new QGroupBox(QStringLiteral("Graphing"), this);
    Place(group, kGraphingGroup, QStringLiteral("graphingGroup"), kGroupRect);
    graphing = new QButtonGroup(this);
    auto* traditional = new QRadioButton(QStringLiteral("Traditional Drainage Year"), this);
    auto* calendar = new QRadioButton(QStringLiteral("Calendar"), this);
    const QPoint origin = kGroupRect.topLeft();
    Place(traditional, kTraditionalYearRadio, QStringLiteral("traditionalYearRadio"),
          QRect(origin + QPoint(10, 18), QSize(200, 20)));
    Place(calendar, kCalendarRadio, QStringLiteral("calendarRadio"), QRect(origin + QPoint(10, 38), QSize(200, 20)));
    graphing->addButton(traditional, zelm::kTraditionalDrainageYear);
    graphing->addButton(calendar, zelm::kCalendarYear);
    traditional->setChecked(true);
}

QPushButton* CZELMOutputView::AddButton(int controlId, const QString& text, const QString& name, const QRect& rect)
{
    auto* button = new QPushButton(text, this);
    Place(button, controlId, name, rect);
    return button;
}

void CZELMOutputView::Place(QWidget* control, int controlId, const QString& name, const QRect& rect)
{
    control->setObjectName(name);
    docview::SetControlId(control, controlId);
    control->setGeometry(rect);
    controls.insert(controlId, control);
    initialRects.insert(controlId, rect);
}

int CZELMOutputView::GetGraphType() const
{
    return graphing->checkedId();
}

void CZELMOutputView::OnUpdate(docview::View*, long, QObject*)
{
    FillReport();
}

void CZELMOutputView::FillReport()
{
    if (CZELMOutputDoc* document = GetOutputDocument()) {
        reportText = zelm::FillReport(*document, zelm::ReportTarget::Screen);
        reportEdit->setPlainText(toScreenLines(reportText));
        reportEdit->document()->setModified(false);
    }
}

void CZELMOutputView::resizeEvent(QResizeEvent* event)
{
    LayOutControls(event->size());
    docview::View::resizeEvent(event);
}

void CZELMOutputView::LayOutControls(const QSize& clientSize)
{
    // The edit box takes every change of the window's size; the controls below it keep their
    // horizontal place and move with the bottom edge.
    const int dw = clientSize.width() - kFormSize.width();
    const int dh = clientSize.height() - kFormSize.height();
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

bool CZELMOutputView::WriteReport()
{
    const QString path = chooseOutputFile();
    if (path.isEmpty() || !saveTextAtomically(path, reportEdit->toPlainText())) return false;
    // What the user typed is kept in that file now.
    reportEdit->document()->setModified(false);
    return true;
}

QString CZELMOutputView::PrintViaWordpad()
{
    CZELMOutputDoc* document = GetOutputDocument();
    if (document == nullptr) return {};
    const QString path = document->GetTitle() + QStringLiteral(".txt");
    if (!saveTextAtomically(path, zelm::FillReport(*document, zelm::ReportTarget::File))) return {};
    if (!openWithDesktop(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        docview::showMessage(QStringLiteral("No application could open ") + path +
                             QStringLiteral(". The report was written there; open it with a text editor."));
    return path;
}

QString CZELMOutputView::SuggestedFileName(const QString& extension) const
{
    const CZELMOutputDoc* document = GetOutputDocument();
    if (document == nullptr || document->GetPathName().isEmpty()) return {};
    const QFileInfo report(document->GetPathName());
    return report.absolutePath() + QLatin1Char('/') + report.completeBaseName() + extension;
}

bool CZELMOutputView::HasTypedText() const
{
    return reportEdit->document()->isModified();
}

bool CZELMOutputView::QueryClose()
{
    if (!HasTypedText()) return true;
    switch (askAboutTypedText()) {
    case docview::SaveAnswer::Save:
        return WriteReport();
    case docview::SaveAnswer::Discard:
        return true;
    case docview::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool CZELMOutputView::HandlesCommand(int commandId) const
{
    return commandId == zelm::kViewDailyData || PrintableView::HandlesCommand(commandId);
}

bool CZELMOutputView::OnCommand(int commandId)
{
    // Done and File Close ask first; a window that stays has taken the command.
    if (commandId == docview::kFileClose && !QueryClose()) return true;
    if (commandId != zelm::kViewDailyData) return PrintableView::OnCommand(commandId);
    // Modeless; it deletes itself when closed, and goes with this window before that.
    if (CZELMOutputDoc* document = GetOutputDocument()) {
        auto* table = new TableDlg(&document->GetOutput(), this);
        const ZELMData& project = document->GetInput();
        table->SetProject(YearStart(project), project.metricUnits != 0 ? QStringLiteral("m") : QStringLiteral("ft"),
                          SuggestedFileName(QStringLiteral(".csv")));
        table->show();
    }
    return true;
}

void CZELMOutputView::PrintReport(QPrinter& printer) const
{
    QTextDocument text;
    text.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text.setPlainText(reportEdit->toPlainText());
    if (GetDocument() != nullptr) printer.setDocName(GetDocument()->GetTitle());
    text.print(&printer);
}
