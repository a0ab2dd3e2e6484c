// "Table View" (dialog 147): the daily water table of a model run as a table with one column per
// day, titled with the day and its date: the depth below the surface on the first row and, on the
// days of an event, the depth after its build-up on the second. The heading names the quantity and
// its unit; the row labels stay in view while the days scroll. Export copies it to the clipboard
// column by column; Save as CSV writes it day by day, with each day's date, for a spreadsheet; both
// say in the status bar what they did. The dialog is modeless, fills itself once from the output it
// is given and deletes itself when closed.
#pragma once

#include <QDate>
#include <QDialog>
#include <QSet>
#include <functional>

#include "data/DailyTable.h"

class QLabel;
class TableListCtrl;
class TransientOutputData;

class TableDlg : public QDialog {
    Q_OBJECT

public:
    enum ControlId : int {
        kDialogId = 147,
        kTable = 1088,
        kCloseButton = 2,
        kExportButton = 3,
        kSaveCsvButton = 4,
        kHelpButton = 9,
    };

    // `output` is not owned and must outlive the dialog (the output view closes its dialogs with it).
    explicit TableDlg(const TransientOutputData* output, QWidget* parent = nullptr);

    TableListCtrl* GetTable() const { return table; }
    // Fills the table from the daily rows; only the first call does anything.
    void FillTable();
    void ExportTable();
    // Save as CSV: a file the user chooses (the dialog suggests `suggestedCsvPath`); true when
    // written.
    bool SaveTableAsCsv();

    // What the table needs of the project: the date of day 1 (the last event's date, where the
    // model's year begins), the unit of the depths, the days on which an event falls (only they
    // show a build-up) and the CSV file to suggest. Before it is filled.
    void SetProject(const QDate& firstDay, const QString& unit, const QSet<int>& eventDays,
                    const QString& suggestedCsvPath);

    // Replaceable for tests: the choice of the CSV file (empty when cancelled).
    std::function<QString()> chooseCsvFile;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<DailyDepth> Days() const;
    void ShowHeading();

    const TransientOutputData* output;
    TableListCtrl* table;
    QLabel* heading;
    QDate firstDay;
    QString unit = QStringLiteral("ft");
    QSet<int> eventDays;
    QString suggestedCsvPath;
    bool filled = false;
};
