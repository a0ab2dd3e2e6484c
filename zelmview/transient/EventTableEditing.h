// Editing the deep-percolation events in the form's table: a cell edit stores a month clamped to
// 1..12, a day clamped to the month's last day, or an amount (one the project file can keep: any
// other gives the invalid-number prompt and the cell shows the stored amount again); a paste stores
// all the cells it fills as one change, with the events it adds past the last; Add appends events, Insert Row puts one
// at the cursor and Delete removes the events the user chooses. Every edit is one change of the project; the table
// shows the project's events in their order.
#pragma once

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "data/IrrigationDataElement.h"
#include "data/ZELMData.h"

class QSpinBox;
class TableListCtrl;

class EventTableEditing {
public:
    using Events = QList<IrrigationDataElement>;
    using ChooseItems = std::function<QList<int>(const QStringList& texts)>;
    // Stores one change of the events: `change` edits them, `text` names the change.
    using StoreChange = std::function<bool(const QString& text, const std::function<void(Events&)>& change)>;

    // `events` gives the project's events; every change goes through `store`.
    EventTableEditing(TableListCtrl& table, QSpinBox& eventsToAdd, std::function<const Events&()> events,
                      StoreChange store);

    void FillEventTable();
    // The amount column's title for unit code 0 or 1.
    void ShowAmountTitle(ZELMData::Units units);
    void OnCellEdited(int row, int column, const QString& text, bool cancelled);
    // Ends an edit under way as if the cell lost the focus; false when its text was refused.
    bool CommitOpenCell();
    // A paste gathers its cells and stores them together when it ends.
    void OnPasteBegins();
    void OnPasteEnds();
    void AddEvents();
    void InsertRowAtCursor();
    // Asks `choose` which of the events (shown as month/day, row and amount) to delete, highest
    // first.
    void DeleteEvents(const ChooseItems& choose);
    // Deletes the event of one row.
    void DeleteEventAt(int row);

private:
    // Removes the events at `indices`, taken in the order given.
    void RemoveEvents(const QList<int>& indices);

    TableListCtrl& table;
    QSpinBox& eventsToAdd;
    std::function<const Events&()> events;
    StoreChange store;
    // The events as a paste under way has filled them so far.
    std::optional<Events> pasted;
    // Whether the last edit's text was refused.
    bool refused = false;
};
