// The form of a transient project (form 101): title, input mode, units, the field data with their
// unit labels, the drain mode with the barrier criterion, the comment and the table of
// deep-percolation events. The form keeps its own copy of what it shows; values move into the
// document one field at a time when a field loses the focus, and all of them before a save or a
// run. The form also runs the model and follows the run until the report opens.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <span>

#include "docview/PrintableView.h"
#include "run/ModelRunPoller.h"

class CZelmViewDoc;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TableListCtrl;
class XEdit;

class CZelmViewView : public docview::PrintableView {
    Q_OBJECT

public:
    // Control ids of form 101.
    enum ControlId : int {
        kFormId = 101,
        kPermeability = 1000,
        kRootZoneRequirement = 1001,
        kDrainToBarrier = 1002,
        kSpecificYield = 1003,
        kDrainRadius = 1004,
        kDepthToDrain = 1005,
        kEventTable = 1006,
        kAddButton = 1007,
        kDeleteButton = 1008,
        kTitle = 1009,
        kComment = 1010,
        kDesignRadio = 1011,
        kAnalysisRadio = 1012,
        kUnitsList = 1013,
        kPermeabilityUnit = 1015,
        kDrainSpacingLabel = 1016,
        kDrainSpacing = 1017,
        kRootZoneLabel = 1018,
        kPlotButton = 1019,
        kAwhcLabel = 1020,
        kAwhc = 1021,
        kDepthToDrainUnit = 1022,
        kDrainRadiusUnit = 1023,
        kSpecificYieldUnit = 1024,
        kDrainToBarrierUnit = 1025,
        kRootZoneUnit = 1026,
        kDrainSpacingUnit = 1027,
        kAwhcUnit = 1028,
        kEventsToAdd = 1048,
        kSpecificYieldButton = 1061,
        kDoneButton = 1084,
        kHelpButton = 1086,
        kOnBarrierRadio = 1093,
        kOffBarrierRadio = 1094,
        kCriteriaRadio = 1095,
        // The in-place editor of the event table.
        kEventEditor = 1021,
    };
    // Ends the run being followed; a command of this program's own beside Run (32775).
    static constexpr int kCancelRunCommand = 32790;
    static constexpr int kDefaultRunTimeLimitMs = 60000;

    // A numeric field of the form and the project value it edits.
    struct NumericField;

    explicit CZelmViewView(CZelmViewDoc* document, QWidget* parent = nullptr);
    ~CZelmViewView() override;

    CZelmViewDoc* GetZelmDocument() const;
    QWidget* GetControl(int controlId) const { return controls.value(controlId); }
    TableListCtrl* GetEventTable() const { return eventTable; }
    QMenu* GetTableContextMenu() const { return contextMenu; }

    // Hint 0 refreshes the form, hint 1 commits it, hint 2 shows the events again.
    void OnUpdate(docview::View* sender, long hint, QObject* hintObject) override;
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    void RefreshFromDocument();
    // Commits every field in turn; stops at, and returns false for, the first bad number.
    bool CommitToDocument();
    // Commits one field (a numeric field, the title or the comment); false for a bad number,
    // which turns the field into "0".
    bool CommitField(int controlId);
    void UpdateBarrierText();
    void UpdateUnitLabels();
    void FillEventTable();

    void AddEvents();
    void DeleteEvents();
    void InsertRowAtCursor();
    void ComputeSpecificYield();
    // Plot: the events on a chart of the year, in calendar order (the events are sorted).
    void PlotDeepPercolation();
    void ToggleBenchBottomland();

    // The Run command: commit, save, start the model and follow it every 100 ms.
    void RunTransientModel();
    // Ends the model being followed; nothing is judged or opened.
    void CancelRun();
    bool IsRunning() const { return runPoller != nullptr; }

    void PrintForm(QPrinter& printer);

    // Replaceable for tests and by the application: how a report is opened, how the events to
    // delete are chosen, how the specific yield is computed, and how long a run may take.
    std::function<void(const QString& path)> openReport;
    std::function<QList<int>(const QStringList& texts)> chooseItemsToDelete;
    std::function<std::optional<double>(bool metric)> askSpecificYield;
    int runTimeLimitMs = kDefaultRunTimeLimitMs;

signals:
    void helpRequested();
    void runStateChanged(bool running);
    void benchBottomlandChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static const NumericField* FindNumericField(int controlId);

    void CreateControls();
    void CreateFieldData();
    void CreateEventSchedule();
    void CreateDrainMode();
    void CreateContextMenu();
    QWidget* Place(QWidget* control, int controlId, const QString& name, const QRect& rect);
    QPushButton* AddButton(int controlId, const QString& text, const QString& name, const QRect& rect);

    void CopyDocumentToForm();
    void ShowFormValues();
    void ApplyInputModeRule();
    void ShowBenchControls();
    void SetDrainModeRadio(int barrierMode);
    bool CommitNumber(const NumericField& field);
    void CommitTexts(int controlId);
    void RejectNumber(XEdit* edit, int controlId);
    bool CommitInOrder(std::span<const int> order, bool stopAtFailure);

    void OnUnitsChosen(int index);
    void OnInputModeClicked();
    void OnDrainModeClicked(int barrierMode);
    void OnCellEdited(TableListCtrl* table, int row, int column, const QString& text, bool cancelled);
    void OnTableContextMenu(const QPoint& position);
    void OnRunFinished();
    void OnRunTimedOut();
    void Print(QPrinter& printer) override { PrintForm(printer); }
    void MarkModified();

    QHash<int, QWidget*> controls;
    QHash<int, XEdit*> numericEdits;
    QHash<int, QLabel*> unitLabels;
    QLineEdit* titleEdit = nullptr;
    QPlainTextEdit* commentEdit = nullptr;
    QComboBox* unitsList = nullptr;
    QButtonGroup* inputModeGroup = nullptr;
    QRadioButton* onBarrierRadio = nullptr;
    QRadioButton* offBarrierRadio = nullptr;
    QRadioButton* criteriaRadio = nullptr;
    QSpinBox* eventsToAddEdit = nullptr;
    TableListCtrl* eventTable = nullptr;
    QMenu* contextMenu = nullptr;

    // The form's own copy of the numbers shown, by control id.
    QHash<int, double> formValues;
    // Focus loss commits a field only once the form has been filled from the document.
    bool bound = false;
    bool committing = false;

    QPointer<ModelRunPoller> runPoller;
    QTimer runWatchdog;
};
