#include "output/TableDlg.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "data/TransientOutputData.h"
#include "docview/ControlId.h"
#include "docview/MessageSink.h"
#include "forms/AccessibleNames.h"
#include "forms/HeadedForm.h"
#include "forms/HelpRequest.h"
#include "table/TableListCtrl.h"

namespace {

constexpr int kFieldColumnWidth = 100;
constexpr int kDayColumnWidth = 60;
constexpr int kDepthRow = 0;
constexpr int kAfterBuildupRow = 1;
constexpr int kEditorId = 1001;

// The dialog's size when it opens.
const QSize kDialogSize(620, 200);
const QString kHelpSection = QStringLiteral("daily-table");
const QString kHeading = QStringLiteral("Daily Water Table Heights:");
const QString kDepthLabel = QStringLiteral("Distance from surface:");
const QString kAfterBuildupLabel = QStringLiteral("After buildup:");

QString formatDepth(double depth)
{
    return QString::asprintf("%g", depth);
}

QString chooseWithDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Save as CSV"), suggested,
                       QStringLiteral("CSV files (*.csv);;All Files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

TableDlg::TableDlg(const TransientOutputData* daily, QWidget* parent) : QDialog(parent), output(daily)
{
    setObjectName(QStringLiteral("tableDlg"));
    docview::setControlId(this, int(kDialogId));
    setWindowTitle(QStringLiteral("Table View"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);

    table = new TableListCtrl(kEditorId, false, this);
    table->setObjectName(QStringLiteral("dailyTable"));
    docview::setControlId(table, int(kTable));
    // Help on the left, the other three on the right; the table takes every change of size.
    forms::ButtonRow* buttons = forms::layOutHeadedForm(this, kHeading, table, kDialogSize.width());
    heading = findChild<QLabel*>();
    heading->setWordWrap(true);
    ShowHeading();
    QPushButton* help = buttons->AddButton(kHelpButton, QStringLiteral("&Help"), QStringLiteral("helpButton"));
    buttons->addStretch(1);
    QPushButton* saveCsv =
        buttons->AddButton(kSaveCsvButton, QStringLiteral("&Save as CSV..."), QStringLiteral("saveCsvButton"));
    QPushButton* close = buttons->AddButton(kCloseButton, QStringLiteral("&Close"), QStringLiteral("closeButton"));
    QPushButton* exportButton =
        buttons->AddButton(kExportButton, QStringLiteral("&Export"), QStringLiteral("exportButton"));
    for (QPushButton* button : {help, saveCsv, close, exportButton}) button->setAutoDefault(false);

    connect(help, &QPushButton::clicked, this, [] { forms::showHelp(kHelpSection); });
    connect(saveCsv, &QPushButton::clicked, this, &TableDlg::SaveTableAsCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(exportButton, &QPushButton::clicked, this, &TableDlg::ExportTable);
    chooseCsvFile = [this] { return chooseWithDialog(this, suggestedCsvPath); };
    resize(kDialogSize);
}

void TableDlg::showEvent(QShowEvent* event)
{
    FillTable();
    QDialog::showEvent(event);
}

void TableDlg::FillTable()
{
    if (filled || output == nullptr) return;
    filled = true;

    // A day that repeats (the row after an event's build-up) adds no column: its depth goes
    // under the column that the day's first row made.
    const QList<DailyDepth> days = Days();
    QStringList titles;
    for (qsizetype day = 1; day <= days.size(); ++day) {
        QString title = QStringLiteral("Day %1").arg(day);
        if (firstDay.isValid()) title += QLatin1Char('\n') + QLocale::c().toString(firstDay.addDays(day - 1), "d MMM");
        titles.append(title);
    }
    table->setUpdatesEnabled(false);
    table->InsertColumn(0, QStringLiteral("Field"), kFieldColumnWidth);
    table->AppendColumns(titles, kDayColumnWidth);
    table->InsertItem(kDepthRow, kDepthLabel);
    table->InsertItem(kAfterBuildupRow, kAfterBuildupLabel);
    // The row labels stand in the row header, which stays in view while the days scroll; the
    // Field column that holds them too is hidden, and still copied by Export.
    table->setVerticalHeaderLabels({kDepthLabel, kAfterBuildupLabel});
    table->verticalHeader()->show();
    table->setColumnHidden(0, true);
    for (int column = 0; column < table->columnCount(); ++column)
        table->SetColumnMode(column, TableListCtrl::ColumnMode::ReadOnly);
    for (qsizetype day = 0; day < days.size(); ++day) {
        const DailyDepth& shown = days.at(day);
        table->SetCellText(kDepthRow, int(day) + 1, formatDepth(shown.depth));
        table->SetCellText(kAfterBuildupRow, int(day) + 1,
                           shown.afterBuildup ? formatDepth(*shown.afterBuildup) : QStringLiteral("-"));
    }
    table->setUpdatesEnabled(true);
}

void TableDlg::SetProject(const QDate& yearStart, const QString& depthUnit, const QSet<int>& eventDayNumbers,
                          const QString& suggested)
{
    firstDay = yearStart;
    unit = depthUnit;
    eventDays = eventDayNumbers;
    suggestedCsvPath = suggested;
    ShowHeading();
}

QList<DailyDepth> TableDlg::Days() const
{
    return output != nullptr ? dailyDepthsByDay(*output, eventDays) : QList<DailyDepth>();
}

void TableDlg::ShowHeading()
{
    heading->setText(
        kHeading +
        QStringLiteral(" the depth of the water table below the ground surface, in %1, day by day").arg(unit));
    forms::nameAfterLabel(table, heading);
}

bool TableDlg::SaveTableAsCsv()
{
    if (output == nullptr) return false;
    const QString path = chooseCsvFile();
    if (path.isEmpty() || !writeDailyTableCsv(path, Days(), firstDay, unit)) return false;
    docview::showStatus(QStringLiteral("The daily table was saved to %1.").arg(path));
    return true;
}

void TableDlg::ExportTable()
{
    table->CopyToClipboard(true, false);
    docview::showStatus(QStringLiteral("The daily table was copied to the clipboard."));
}
