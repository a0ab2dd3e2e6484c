// "Table View" (dialog 147): the daily water table of a model run as a table with one column per
// day: the depth below the surface on the first row and, on the days of an event, the depth after
// its build-up on the second. Export copies it to the clipboard column by column. The dialog is
// modeless, fills itself once from the output it is given and deletes itself when closed.
#pragma once

#include <QDialog>
#include <QHash>
#include <QRect>
#include <QSize>

class QPushButton;
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
    };

    // `output` is not owned and must outlive the dialog (the output view closes its dialogs with it).
    explicit TableDlg(const TransientOutputData* output, QWidget* parent = nullptr);

    TableListCtrl* GetTable() const { return table; }
    // Fills the table from the daily rows; only the first call does anything.
    void FillTable();
    void ExportTable();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const TransientOutputData* output;
    TableListCtrl* table;
    QPushButton* closeButton;
    QPushButton* exportButton;
    bool filled = false;
    QHash<int, QRect> initialRects;
    QSize initialSize;
};
