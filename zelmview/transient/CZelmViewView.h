// The form of a transient project (form 101): title, input mode, units, the field data with their
// unit labels, the drain mode with the barrier criterion, the comment and the table of
// deep-percolation events. Its layout, its field binding and its event editing live in their own
// files; the form ties them to its document, takes the commands, and follows a model run until
// the report opens.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "forms/PrintableView.h"
#include "forms/ReportOpening.h"
#include "run/ModelRunSession.h"
#include "transient/EventTableEditing.h"
#include "transient/TransientFieldBinding.h"
#include "transient/TransientFormIds.h"
#include "transient/TransientFormLayout.h"

class CZelmViewDoc;
class QMenu;
class QPrinter;
class SensitivityWindow;
class TableListCtrl;
class TransientLivePanel;

class CZelmViewView : public forms::PrintableView, public TransientFormIds {
    Q_OBJECT

public:
    explicit CZelmViewView(CZelmViewDoc* document, QWidget* parent = nullptr);
    ~CZelmViewView() override;

    CZelmViewDoc* GetZelmDocument() const;
    QWidget* GetControl(int controlId) const { return controls.byId.value(controlId); }
    TableListCtrl* GetEventTable() const { return controls.eventTable; }
    QMenu* GetTableContextMenu() const { return contextMenu; }
    ModelRunSession& GetRunSession() { return runSession; }

    // Shows the project, with the focus in the first field.
    void OnInitialUpdate() override;
    // Shows the project where the form differs from it, or shows the events again, as the
    // document's hint asks.
    void OnUpdate(docview::UpdateHint hint) override;
    // What is typed into the form but not yet stored: the open cell, then every field.
    bool CommitTypedText() override { return CommitToDocument(); }
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    void RefreshFromDocument();
    // Commits the cell being edited and every field in turn; stops at, and returns false for, the
    // first text that is no number the file can keep (which has shown the prompt).
    bool CommitToDocument();
    void UpdateBarrierText() { binding.UpdateBarrierText(); }
    void UpdateUnitLabels();
    void FillEventTable() { events.FillEventTable(); }

    void AddEvents() { events.AddEvents(); }
    void DeleteEvents() { events.DeleteEvents(chooseItemsToDelete); }
    void InsertRowAtCursor() { events.InsertRowAtCursor(); }
    void ComputeSpecificYield();
    // Plot: the events on a chart of the year, in calendar order (the events are sorted).
    void PlotDeepPercolation();
    void ToggleBenchBottomland();

    // The Run command: commit, save (a project never saved is named first), start the model and
    // follow it every 100 ms.
    void RunTransientModel();
    // Ends the model being followed; nothing is judged or opened.
    void CancelRun() { runSession.Cancel(); }
    bool IsRunning() const { return runSession.IsRunning(); }

    // The live panel beside the form: the model's answer for the project as typed.
    TransientLivePanel* GetLivePanel() const { return livePanel; }
    // Runs the model on the project with what is typed but not stored, into the live panel.
    void ShowLiveResult();
    // The sensitivity window of this form's project, while it is open.
    SensitivityWindow* GetSensitivityWindow() const;

    // The whole form, also where it is scrolled out of sight.
    void PrintForm(QPrinter& printer) { PrintAsShown(printer, controls.page); }

    // Replaceable for tests and by the application: how a report is opened, how the events to
    // delete are chosen and how the specific yield is computed.
    forms::OpenReport openReport;
    EventTableEditing::ChooseItems chooseItemsToDelete;
    // The specific yield asked for is computed from a conductivity that starts at `permeability`.
    std::function<std::optional<double>(bool metric, double permeability)> askSpecificYield;

public slots:
    // Sensitivity: commits what is typed (a text that is no number stops here, as it stops a run),
    // then opens the sensitivity window of the project, or brings it up to date and to the front.
    void ShowSensitivity();

signals:
    void runStateChanged(bool running);
    void benchBottomlandChanged(bool on);

private:
    void ConnectControls();
    void CreateContextMenu();
    void CreateLivePanel();
    void ShowBenchControls();
    void OnUnitsChosen(int index);
    void OnInputModeClicked();
    void OnDrainModeClicked(ZELMData::BarrierMode barrierMode);
    void OnTableContextMenu(const QPoint& position);
    // Cut, Copy, Paste or Delete on the control that has the focus.
    void EditFocusedControl(int commandId);
    void Print(QPrinter& printer) override { PrintForm(printer); }

    // While the form shows the project, an edit that ends stores nothing.
    bool refreshing = false;

    TransientFormControls controls;
    TransientFieldBinding binding;
    EventTableEditing events;
    QMenu* contextMenu = nullptr;
    TransientLivePanel* livePanel = nullptr;

    ModelRunSession runSession;
    QPointer<SensitivityWindow> sensitivityWindow;
};
