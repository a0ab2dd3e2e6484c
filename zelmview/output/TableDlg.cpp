#include "output/TableDlg.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "data/DailyTable.h"
#include "data/TransientOutputData.h"
#include "docview/ControlId.h"
#include "forms/HelpRequest.h"
#include "table/TableListCtrl.h"

namespace {

constexpr int kFieldColumnWidth = 100;
constexpr int kDayColumnWidth = 60;
constexpr int kDepthRow = 0;
constexpr int kAfterBuildupRow = 1;
constexpr int kEditorId = 1001;

const QSize kDialogSize(620, 200);
const QRect kTableRect(8, 28, 604, 126);
const QRect kHelpRect(8, 164, 76, 26);
const QRect kSaveCsvRect(336, 164, 104, 26);
const QRect kCloseRect(448, 164, 76, 26);
const QRect kExportRect(536, 164, 76, 26);
const QString kHelpSection = QStringLiteral("daily-table");

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
    docview::SetControlId(this, int(kDialogId));
    setWindowTitle(QStringLiteral("Table View"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);

    auto* label = new QLabel(QStringLiteral("Daily Water Table Heights:"), this);
    label->setGeometry(8, 6, 300, 18);
    table = new TableListCtrl(kEditorId, false, this);
    table->setObjectName(QStringLiteral("dailyTable"));
    docview::SetControlId(table, int(kTable));
    table->setGeometry(kTableRect);
    QPushButton* help = AddButton(kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"), kHelpRect);
    QPushButton* saveCsv =
        AddButton(kSaveCsvButton, QStringLiteral("Save as CSV..."), QStringLiteral("saveCsvButton"), kSaveCsvRect);
    QPushButton* close = AddButton(kCloseButton, QStringLiteral("Close"), QStringLiteral("closeButton"), kCloseRect);
    QPushButton* exportButton =
        AddButton(kExportButton, QStringLiteral("Export"), QStringLiteral("exportButton"), kExportRect);
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
    const QList<DailyDepth> days = DailyDepthsByDay(*output);
    QStringList titles;
    for (qsizetype day = 1; day <= days.size(); ++day) titles.append(QStringLiteral("Day %1").arg(day));
    table->setUpdatesEnabled(false);
    table->InsertColumn(0, QStringLiteral("Field"), kFieldColumnWidth);
    table->AppendColumns(titles, kDayColumnWidth);
    table->InsertItem(kDepthRow, QStringLiteral("Distance from surface:"));
    table->InsertItem(kAfterBuildupRow, QStringLiteral("After buildup:"));
    for (int column = 0; column < table->columnCount(); ++column)
        table->SetColumnMode(column, TableListCtrl::kReadOnly);
    for (qsizetype day = 0; day < days.size(); ++day) {
        const DailyDepth& shown = days.at(day);
        table->SetCellText(kDepthRow, int(day) + 1, formatDepth(shown.depth));
        table->SetCellText(kAfterBuildupRow, int(day) + 1,
                           shown.afterBuildup ? formatDepth(*shown.afterBuildup) : QStringLiteral("-"));
    }
    table->setUpdatesEnabled(true);

    initialSize = size();
    initialRects.insert(kTable, table->geometry());
    for (QPushButton* button : std::as_const(buttons))
        initialRects.insert(docview::ControlIdOf(button), button->geometry());
}

QPushButton* TableDlg::AddButton(int controlId, const QString& text, const QString& name, const QRect& rect)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    docview::SetControlId(button, controlId);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    buttons.append(button);
    return button;
}

void TableDlg::SetProject(const QDate& yearStart, const QString& depthUnit, const QString& suggested)
{
    firstDay = yearStart;
    unit = depthUnit;
    suggestedCsvPath = suggested;
}

bool TableDlg::SaveTableAsCsv()
{
    if (output == nullptr) return false;
    const QString path = chooseCsvFile();
    return !path.isEmpty() && WriteDailyTableCsv(path, *output, firstDay, unit);
}

void TableDlg::ExportTable()
{
    table->CopyToClipboard(true, false);
}

void TableDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (initialRects.isEmpty()) return;
    // The table takes the whole change of size; the buttons keep their distance to the bottom.
    const int dw = event->size().width() - initialSize.width();
    const int dh = event->size().height() - initialSize.height();
    QRect tableRect = initialRects.value(kTable);
    tableRect.setWidth(std::max(0, tableRect.width() + dw));
    tableRect.setHeight(std::max(0, tableRect.height() + dh));
    table->setGeometry(tableRect);
    for (QPushButton* button : std::as_const(buttons))
        button->setGeometry(initialRects.value(docview::ControlIdOf(button)).translated(0, dh));
}
