#include "output/TableDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "data/TransientOutputData.h"
#include "docview/ControlId.h"
#include "table/TableListCtrl.h"

namespace {

constexpr int kFieldColumnWidth = 100;
constexpr int kDayColumnWidth = 60;
constexpr int kDepthRow = 0;
constexpr int kAfterBuildupRow = 1;
constexpr int kEditorId = 1001;

const QSize kDialogSize(620, 200);
const QRect kTableRect(8, 28, 604, 126);
const QRect kCloseRect(448, 164, 76, 26);
const QRect kExportRect(536, 164, 76, 26);

QString formatDepth(double depth)
{
    return QString::asprintf("%g", depth);
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
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    docview::SetControlId(closeButton, int(kCloseButton));
    closeButton->setGeometry(kCloseRect);
    exportButton = new QPushButton(QStringLiteral("Export"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    docview::SetControlId(exportButton, int(kExportButton));
    exportButton->setGeometry(kExportRect);
    exportButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(exportButton, &QPushButton::clicked, this, &TableDlg::ExportTable);
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
    QStringList depths;
    QStringList afterBuildup;
    const QList<int>& repeated = output->eventRows;
    qsizetype next = 0;
    for (qsizetype row = 0; row < output->dailyDepth.size(); ++row) {
        const QString depth = formatDepth(output->dailyDepth.at(row));
        if (next < repeated.size() && repeated.at(next) == row) {
            if (!afterBuildup.isEmpty()) afterBuildup.last() = depth;
            ++next;
            continue;
        }
        depths.append(depth);
        afterBuildup.append(QStringLiteral("-"));
    }

    QStringList titles;
    for (qsizetype day = 1; day <= depths.size(); ++day) titles.append(QStringLiteral("Day %1").arg(day));
    table->setUpdatesEnabled(false);
    table->InsertColumn(0, QStringLiteral("Field"), kFieldColumnWidth);
    table->AppendColumns(titles, kDayColumnWidth);
    table->InsertItem(kDepthRow, QStringLiteral("Distance from surface:"));
    table->InsertItem(kAfterBuildupRow, QStringLiteral("After buildup:"));
    for (int column = 0; column < table->columnCount(); ++column)
        table->SetColumnMode(column, TableListCtrl::kReadOnly);
    for (qsizetype day = 0; day < depths.size(); ++day) {
        table->SetCellText(kDepthRow, int(day) + 1, depths.at(day));
        table->SetCellText(kAfterBuildupRow, int(day) + 1, afterBuildup.at(day));
    }
    table->setUpdatesEnabled(true);

    initialSize = size();
    for (QWidget* control : std::initializer_list<QWidget*>{table, closeButton, exportButton})
        initialRects.insert(docview::ControlIdOf(control), control->geometry());
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
    closeButton->setGeometry(initialRects.value(kCloseButton).translated(0, dh));
    exportButton->setGeometry(initialRects.value(kExportButton).translated(0, dh));
}
