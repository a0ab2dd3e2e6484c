#include "transient/EventTableEditing.h"

#include <QSpinBox>
#include <algorithm>

#include "data/EventCalendar.h"
#include "table/TableListCtrl.h"
#include "transient/LeadingNumber.h"
#include "transient/TransientFields.h"

namespace {

using transientform::kAmountColumn;

QString formatInteger(int value)
{
    return QString::number(value);
}
QString formatAmount(double value)
{
    return QString::asprintf("%g", value);
}

}  // namespace

EventTableEditing::EventTableEditing(TableListCtrl& eventTable, QSpinBox& toAdd,
                                     std::function<QList<IrrigationDataElement>&()> projectEvents,
                                     std::function<void()> modified)
    : table(eventTable), eventsToAdd(toAdd), events(std::move(projectEvents)), markModified(std::move(modified))
{
}

void EventTableEditing::FillEventTable()
{
    const QList<IrrigationDataElement>& shown = events();
    if (table.rowCount() != shown.size()) {
        table.DeleteAllItems();
        for (qsizetype row = 0; row < shown.size(); ++row) table.InsertItem(int(row), QString());
    }
    for (qsizetype row = 0; row < shown.size(); ++row) {
        const IrrigationDataElement& event = shown.at(row);
        table.SetCellText(int(row), 0, formatInteger(event.month));
        table.SetCellText(int(row), 1, formatInteger(event.day));
        table.SetCellText(int(row), kAmountColumn, formatAmount(event.amount));
    }
}

void EventTableEditing::ShowAmountTitle(int units)
{
    if (units == 0 || units == 1)
        table.SetColumnTitle(kAmountColumn, QString::fromLatin1(transientform::AmountTitle(units)));
}

void EventTableEditing::OnCellEdited(int row, int column, const QString& text, bool cancelled)
{
    if (cancelled) return;
    QList<IrrigationDataElement>& edited = events();
    if (row < 0 || row >= edited.size()) return;
    IrrigationDataElement& event = edited[row];
    QString shown = text;
    switch (column) {
    case 0:
        event.month = std::clamp(zelm::LeadingInteger(text), 1, 12);
        shown = formatInteger(event.month);
        break;
    case 1:
        event.day = std::clamp(zelm::LeadingInteger(text), 1, zelm::LastDayOfMonth(event.month));
        shown = formatInteger(event.day);
        break;
    case kAmountColumn:
        event.amount = zelm::LeadingReal(text);
        shown = formatAmount(event.amount);
        break;
    default:
        break;
    }
    markModified();
    table.SetCellText(row, column, shown);
}

void EventTableEditing::AddEvents()
{
    const int firstNew = table.rowCount();
    QList<IrrigationDataElement>& edited = events();
    for (int added = 0; added < eventsToAdd.value(); ++added) edited.append(IrrigationDataElement{});
    FillEventTable();
    table.setFocus(Qt::OtherFocusReason);
    table.EditCell(std::max(firstNew, 0), 0);
    markModified();
}

void EventTableEditing::InsertRowAtCursor()
{
    QList<IrrigationDataElement>& edited = events();
    // The cursor may lie past the end after rows were deleted; the row then goes last.
    const int row = std::clamp(table.GetCursorRow(), 0, int(edited.size()));
    edited.insert(row, IrrigationDataElement{});
    FillEventTable();
    table.setFocus(Qt::OtherFocusReason);
    table.EditCell(row, 0);
    markModified();
}

void EventTableEditing::DeleteEvents(const ChooseItems& choose)
{
    table.EndEdit();
    QList<IrrigationDataElement>& edited = events();
    QStringList texts;
    for (const IrrigationDataElement& event : edited)
        texts.append(formatInteger(event.month) + QLatin1Char('/') + formatInteger(event.day));
    // Highest first, so the positions still to be removed stay where they are.
    for (int index : choose(texts))
        if (index >= 0 && index < edited.size()) edited.removeAt(index);
    FillEventTable();
    markModified();
}
