// Editing the deep-percolation events in the form's table: a cell edit stores a month clamped to
// 1..12, a day clamped to the month's last day, or an amount; Add appends events, Insert Row puts
// one at the cursor and Delete removes the events the user chooses. The table shows the project's
// events in their order.
#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "data/IrrigationDataElement.h"

class QSpinBox;
class TableListCtrl;

class EventTableEditing {
public:
    using ChooseItems = std::function<QList<int>(const QStringList& texts)>;

    // `events` gives the project's events; `markModified` is called for every change.
    EventTableEditing(TableListCtrl& table, QSpinBox& eventsToAdd,
                      std::function<QList<IrrigationDataElement>&()> events, std::function<void()> markModified);

    void FillEventTable();
    // The amount column's title for unit code 0 or 1.
    void ShowAmountTitle(int units);
    void OnCellEdited(int row, int column, const QString& text, bool cancelled);
    void AddEvents();
    void InsertRowAtCursor();
    // Asks `choose` which of the events (shown as month/day) to delete, highest first.
    void DeleteEvents(const ChooseItems& choose);

private:
    TableListCtrl& table;
    QSpinBox& eventsToAdd;
    std::function<QList<IrrigationDataElement>&()> events;
    std::function<void()> markModified;
};
