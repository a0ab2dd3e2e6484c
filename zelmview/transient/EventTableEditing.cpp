#include "transient/EventTableEditing.h"

#include <QSpinBox>
#include <algorithm>

#include "data/EventCalendar.h"
#include "data/LeadingNumber.h"
#include "docview/MessageSink.h"
#include "forms/FieldBinder.h"
#include "table/TableListCtrl.h"
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

const char* const kColumnChanges[] = {"Event Month", "Event Day", "Event Amount"};

// The event as the text typed into one of its cells makes it; nothing for an amount the project
// file cannot keep.
std::optional<IrrigationDataElement> editedEvent(IrrigationDataElement event, int column, const QString& text)
{
    // A month or day the rules changed: the status bar says so.
    const auto take = [](const zelm::CalendarEntry& entry) {
        if (!entry.note.isEmpty()) docview::showStatus(entry.note);
        return entry.value;
    };
    switch (column) {
    case 0:
        event.month = take(zelm::eventMonth(zelm::leadingInteger(text)));
        // A day the new month does not have would roll into the next month in the model's year.
        if (event.day > zelm::lastDayOfMonth(event.month)) event.day = take(zelm::eventDay(event.month, event.day));
        break;
    case 1:
        event.day = take(zelm::eventDay(event.month, zelm::leadingInteger(text)));
        break;
    case kAmountColumn: {
        const std::optional<double> amount = zelm::cellReal(text, ZELMData::kLargestReal);
        if (!amount) return std::nullopt;
        event.amount = *amount;
        break;
    }
    default:
        break;
    }
    return event;
}

}  // namespace

EventTableEditing::EventTableEditing(TableListCtrl& eventTable, QSpinBox& toAdd,
                                     std::function<const Events&()> projectEvents, StoreChange storeChange)
    : table(eventTable), eventsToAdd(toAdd), events(std::move(projectEvents)), store(std::move(storeChange))
{
}

void EventTableEditing::FillEventTable()
{
    const Events& shown = events();
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

void EventTableEditing::ShowAmountTitle(ZELMData::Units units)
{
    table.SetColumnTitle(kAmountColumn, QString::fromLatin1(transientform::AmountTitle(units)));
}

void EventTableEditing::OnCellEdited(int row, int column, const QString& text, bool cancelled)
{
    if (cancelled || column < 0 || column > kAmountColumn) return;
    Events* target = pasted ? &*pasted : nullptr;
    // A paste past the last event adds events for its values.
    if (target != nullptr && row >= target->size()) target->resize(row + 1);
    const Events& edited = target != nullptr ? *target : events();
    if (row < 0 || row >= edited.size()) return;
    const std::optional<IrrigationDataElement> event = editedEvent(edited.at(row), column, text);
    if (!event) {
        refused = true;
        forms::refuseCellText(text, pasted.has_value());
        // A paste shows its events when it is done; a typed cell shows the stored amount again.
        if (!pasted) FillEventTable();
        return;
    }
    if (target != nullptr) {
        (*target)[row] = *event;
        return;
    }
    const bool stored =
        store(QString::fromLatin1(kColumnChanges[column]), [row, event](Events& all) { all[row] = *event; });
    // A value the event held already is shown as it is held.
    if (!stored) FillEventTable();
}

bool EventTableEditing::CommitOpenCell()
{
    refused = false;
    table.EndEdit();
    return !refused;
}

void EventTableEditing::OnPasteBegins()
{
    pasted = events();
}

void EventTableEditing::OnPasteEnds()
{
    if (!pasted) return;
    const Events result = *std::exchange(pasted, std::nullopt);
    if (!store(QStringLiteral("Paste Events"), [&result](Events& edited) { edited = result; })) FillEventTable();
}

void EventTableEditing::AddEvents()
{
    const int firstNew = table.rowCount();
    const int count = eventsToAdd.value();
    store(QStringLiteral("Add Events"), [count](Events& edited) {
        for (int added = 0; added < count; ++added) edited.append(IrrigationDataElement{});
    });
    table.setFocus(Qt::OtherFocusReason);
    table.EditCell(std::max(firstNew, 0), 0);
}

void EventTableEditing::InsertRowAtCursor()
{
    // The cursor may lie past the end after rows were deleted; the row then goes last.
    const int row = std::clamp(table.GetCursorRow(), 0, int(events().size()));
    store(QStringLiteral("Insert Event"), [row](Events& edited) { edited.insert(row, IrrigationDataElement{}); });
    table.setFocus(Qt::OtherFocusReason);
    table.EditCell(row, 0);
}

void EventTableEditing::DeleteEvents(const ChooseItems& choose)
{
    table.EndEdit();
    // The date first, then the row and the amount, which tell apart two events of one date.
    QStringList texts;
    int row = 0;
    for (const IrrigationDataElement& event : events())
        texts.append(formatInteger(event.month) + QLatin1Char('/') + formatInteger(event.day) +
                     QStringLiteral(" - row %1, amount %2").arg(++row).arg(formatAmount(event.amount)));
    // Highest first, so the positions still to be removed stay where they are.
    RemoveEvents(choose(texts));
}

void EventTableEditing::DeleteEventAt(int row)
{
    RemoveEvents({row});
}

void EventTableEditing::RemoveEvents(const QList<int>& indices)
{
    store(QStringLiteral("Delete Events"), [&indices](Events& edited) {
        for (int index : indices)
            if (index >= 0 && index < edited.size()) edited.removeAt(index);
    });
    FillEventTable();
}
