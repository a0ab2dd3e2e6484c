#include "transient/CZelmViewView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "data/BarrierCriterion.h"
#include "data/UnitConversion.h"
#include "docview/CommandIds.h"
#include "docview/ControlId.h"
#include "docview/EditCommands.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "forms/HelpRequest.h"
#include "run/ModelRunner.h"
#include "table/DeleteItemsDlg.h"
#include "table/TableListCtrl.h"
#include "transient/CZelmViewDoc.h"
#include "transient/DeepPercolationChart.h"
#include "transient/HydraulicConductivityConvertDlg.h"
#include "transient/SensitivityWindow.h"
#include "transient/TransientFields.h"
#include "transient/TransientLivePanel.h"
#include "transient/XEdit.h"

CZelmViewView::CZelmViewView(CZelmViewDoc* document, QWidget* parent)
    : forms::PrintableView(document, parent),
      controls(layOutTransientForm(*this)),
      binding(
          controls, [this]() -> const ZELMData& { return GetZelmDocument()->GetData(); },
          [this](const QString& text, const std::function<void(ZELMData&)>& change) {
              return GetZelmDocument()->StoreData(text, change);
          }),
      events(
          *controls.eventTable, *controls.eventsToAddEdit,
          [this]() -> const EventTableEditing::Events& { return GetZelmDocument()->GetData().events; },
          [this](const QString& text, const std::function<void(EventTableEditing::Events&)>& change) {
              return GetZelmDocument()->StoreData(text, [&change](ZELMData& project) { change(project.events); });
          })
{
    setObjectName(QStringLiteral("zelmViewView"));
    docview::setControlId(this, kFormId);
    chooseItemsToDelete = [this](const QStringList& texts) {
        DeleteItemsDlg dialog(texts, this);
        const TableListCtrl& table = *controls.eventTable;
        dialog.StartOn(table.HasCursor() ? table.GetCursorRow() : table.currentRow());
        return dialog.exec() == QDialog::Accepted ? dialog.GetChosenIndices() : QList<int>();
    };
    askSpecificYield = [this](bool metric, double permeability) -> std::optional<double> {
        HydraulicConductivityConvertDlg dialog(metric, permeability, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.GetResult();
    };
    connect(&runSession, &ModelRunSession::runningChanged, this, &CZelmViewView::runStateChanged);
    ConnectControls();
    CreateContextMenu();
    CreateLivePanel();
}

CZelmViewView::~CZelmViewView()
{
    // An edit that ends while the window is torn down stores nothing.
    controls.eventTable->disconnect(this);
    // A run still followed ends with its window: the session stops the model as it goes.
}

CZelmViewDoc* CZelmViewView::GetZelmDocument() const
{
    return static_cast<CZelmViewDoc*>(GetDocument());
}

void CZelmViewView::ConnectControls()
{
    connect(controls.inputModeGroup, &QButtonGroup::buttonClicked, this, &CZelmViewView::OnInputModeClicked);
    connect(controls.unitsList, &QComboBox::activated, this, &CZelmViewView::OnUnitsChosen);
    connect(controls.specificYieldButton, &QPushButton::clicked, this, &CZelmViewView::ComputeSpecificYield);
    connect(controls.eventTable, &TableListCtrl::endEdit, this,
            [this](TableListCtrl*, int row, int column, const QString& text, bool cancelled) {
                if (!refreshing) events.OnCellEdited(row, column, text, cancelled);
            });
    connect(controls.eventTable, &TableListCtrl::pasteBegins, this, [this] { events.OnPasteBegins(); });
    connect(controls.eventTable, &TableListCtrl::pasteEnds, this, [this] { events.OnPasteEnds(); });
    connect(controls.eventTable, &QWidget::customContextMenuRequested, this, &CZelmViewView::OnTableContextMenu);
    connect(controls.addButton, &QPushButton::clicked, this, &CZelmViewView::AddEvents);
    connect(controls.deleteButton, &QPushButton::clicked, this, &CZelmViewView::DeleteEvents);
    connect(controls.plotButton, &QPushButton::clicked, this, &CZelmViewView::PlotDeepPercolation);
    using Mode = ZELMData::BarrierMode;
    connect(controls.onBarrierRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(Mode::OnBarrier); });
    connect(controls.offBarrierRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(Mode::OffBarrier); });
    connect(controls.criteriaRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(Mode::ByCriterion); });
    connect(controls.benchCheck, &QCheckBox::clicked, this, &CZelmViewView::ToggleBenchBottomland);
    connect(controls.doneButton, &QPushButton::clicked, this, &CZelmViewView::PostClose);
    connect(controls.helpButton, &QPushButton::clicked, this, &CZelmViewView::helpRequested);
}

void CZelmViewView::CreateContextMenu()
{
    contextMenu = new QMenu(QStringLiteral("Irr Table Context"), this);
    contextMenu->setObjectName(QStringLiteral("tableContextMenu"));
    docview::setControlId(contextMenu, zelm::kTableContextMenu);
    const auto addItem = [this](int commandId, const QString& text) {
        QAction* action = contextMenu->addAction(text);
        docview::setControlId(action, commandId);
        connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
    };
    addItem(zelm::kInsertRow, QStringLiteral("Insert Row at Cursor"));
    contextMenu->addSeparator();
    addItem(zelm::kCopyRows, QStringLiteral("Copy"));
    addItem(zelm::kPasteRows, QStringLiteral("Paste"));
}

void CZelmViewView::CreateLivePanel()
{
    livePanel = new TransientLivePanel(this);
    layout()->addWidget(livePanel);
    connect(livePanel, &TransientLivePanel::openChanged, this, [this](bool open) {
        if (open) ShowLiveResult();
    });
    connect(livePanel, &TransientLivePanel::sensitivityRequested, this, &CZelmViewView::ShowSensitivity);
    // Each key press in a numeric field (the typed text is no change of the project), and the
    // stored value shown again after a text that is no number.
    for (XEdit* edit : std::as_const(controls.numericEdits))
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!refreshing) ShowLiveResult();
        });
}

void CZelmViewView::ShowLiveResult()
{
    if (livePanel == nullptr) return;
    QString note;
    const ZELMData project = binding.ProjectAsTyped(&note);
    const QString path = GetDocument()->GetPathName();
    const std::string fileName =
        path.isEmpty() ? model::kUnsavedProjectFile : QFile::encodeName(QFileInfo(path).fileName()).toStdString();
    livePanel->ShowProject(project, fileName, note);
}

// ---- From the document to the form ----

void CZelmViewView::OnInitialUpdate()
{
    PrintableView::OnInitialUpdate();
    // A new window is ready for typing: the focus starts in its first field.
    controls.titleEdit->setFocus(Qt::OtherFocusReason);
}

void CZelmViewView::OnUpdate(docview::UpdateHint hint)
{
    switch (hint.As<CZelmViewDoc::ViewHint>()) {
    case CZelmViewDoc::ViewHint::ShowEvents:
        FillEventTable();
        ShowLiveResult();
        return;
    case CZelmViewDoc::ViewHint::ShowProject:
        break;
    }
    RefreshFromDocument();
}

void CZelmViewView::RefreshFromDocument()
{
    // Showing the project changes nothing in it: an edit that ends while the form is refilled
    // stores nothing.
    const QScopedValueRollback<bool> showing(refreshing, true);
    binding.CopyDocumentToForm();
    UpdateUnitLabels();
    UpdateBarrierText();
    ShowBenchControls();
    FillEventTable();
    binding.ApplyInputModeRule();
    ShowLiveResult();
}

void CZelmViewView::UpdateUnitLabels()
{
    const ZELMData::Units units = GetZelmDocument()->GetData().metricUnits;
    binding.ShowUnitLabels(units);
    events.ShowAmountTitle(units);
}

void CZelmViewView::ShowBenchControls()
{
    const bool on = GetZelmDocument()->IsBenchBottomland();
    for (int id : {int(kAwhcLabel), int(kAwhc), int(kAwhcUnit)}) controls.byId.value(id)->setVisible(on);
    controls.benchCheck->setChecked(on);
    emit benchBottomlandChanged(on);
}

// ---- From the form to the document ----

bool CZelmViewView::CommitToDocument()
{
    return events.CommitOpenCell() && binding.CommitAll();
}

void CZelmViewView::OnInputModeClicked()
{
    binding.StoreInputMode();
}

void CZelmViewView::OnDrainModeClicked(ZELMData::BarrierMode barrierMode)
{
    GetZelmDocument()->StoreData(QStringLiteral("Drain Mode"),
                                 [barrierMode](ZELMData& project) { project.barrierMode = barrierMode; });
}

void CZelmViewView::OnUnitsChosen(int index)
{
    // Every choice the user makes converts, by mouse or by keyboard alike, so the units shown and
    // the values stored never disagree; a wheel turned over the closed list chooses nothing.
    const auto units = controls.unitsList->itemData(index).value<ZELMData::Units>();
    const ZELMData& data = GetZelmDocument()->GetData();
    if (!zelm::convertsWithinFile(data, units)) {
        docview::showMessage(zelm::kConversionTooLargeText);
        controls.unitsList->setCurrentIndex(controls.unitsList->findData(QVariant::fromValue(data.metricUnits)));
        return;
    }
    GetZelmDocument()->StoreData(QStringLiteral("Units"),
                                 [units](ZELMData& project) { zelm::ConvertUnits(project, units); });
}

void CZelmViewView::ToggleBenchBottomland()
{
    GetZelmDocument()->ToggleBenchBottomland();
}

void CZelmViewView::ComputeSpecificYield()
{
    const bool metric = controls.unitsList->currentData().value<ZELMData::Units>() == ZELMData::Units::Metric;
    // The button took the focus from a field the user typed into, which is stored by now.
    const std::optional<double> result = askSpecificYield(metric, GetZelmDocument()->GetData().permeability);
    if (result) binding.SetFormText(kSpecificYield, specificYieldText(*result));
}

// ---- The events ----

void CZelmViewView::PlotDeepPercolation()
{
    controls.eventTable->EndEdit();
    zelm::PlotDeepPercolation(GetZelmDocument()->GetData(), this);
    // Plotting puts the events in calendar order; every table of the project shows them so. The
    // order is no change the file would keep: it is always written in calendar order.
    GetZelmDocument()->UpdateAllViews(CZelmViewDoc::ViewHint::ShowEvents);
}

void CZelmViewView::OnTableContextMenu(const QPoint& position)
{
    TableListCtrl* table = controls.eventTable;
    if (!table->viewport()->rect().contains(position)) return;
    contextMenu->popup(table->viewport()->mapToGlobal(position));
}

// ---- Commands ----

bool CZelmViewView::HandlesCommand(int commandId) const
{
    if (docview::isFocusEditCommand(commandId)) return true;
    switch (commandId) {
    case zelm::kRunModel:
        return !IsRunning();
    case kCancelRunCommand:
        return IsRunning();
    case kSensitivityCommand:
    case zelm::kBenchBottomland:
    case zelm::kInsertRow:
    case zelm::kCopyRows:
    case zelm::kPasteRows:
        return true;
    default:
        return PrintableView::HandlesCommand(commandId);
    }
}

bool CZelmViewView::OnCommand(int commandId)
{
    if (docview::isFocusEditCommand(commandId)) {
        EditFocusedControl(commandId);
        return true;
    }
    switch (commandId) {
    case zelm::kRunModel:
        RunTransientModel();
        return true;
    case kCancelRunCommand:
        CancelRun();
        return true;
    case kSensitivityCommand:
        ShowSensitivity();
        return true;
    case zelm::kBenchBottomland:
        ToggleBenchBottomland();
        return true;
    case zelm::kInsertRow:
        InsertRowAtCursor();
        return true;
    case zelm::kCopyRows:
        controls.eventTable->EndEdit();
        controls.eventTable->CopyToClipboard(false, false);
        return true;
    case zelm::kPasteRows:
        controls.eventTable->PasteFromClipboard();
        return true;
    default:
        return PrintableView::OnCommand(commandId);
    }
}

void CZelmViewView::EditFocusedControl(int commandId)
{
    QWidget* focus = QApplication::focusWidget();
    TableListCtrl* table = controls.eventTable;
    if (focus != table && !table->isAncestorOf(focus)) {
        if (isAncestorOf(focus)) docview::editFocusedText(commandId, focus);
        return;
    }
    // In the table, Copy and Paste take the table's text; Cut and Delete take the current row.
    table->EndEdit();
    switch (commandId) {
    case docview::kEditCopy:
        OnCommand(zelm::kCopyRows);
        return;
    case docview::kEditPaste:
        OnCommand(zelm::kPasteRows);
        return;
    case docview::kEditCut:
        if (!table->HasCursor()) return;
        QGuiApplication::clipboard()->setText(table->CopyRowText(table->GetCursorRow()));
        events.DeleteEventAt(table->GetCursorRow());
        return;
    default:
        if (table->HasCursor()) events.DeleteEventAt(table->GetCursorRow());
        return;
    }
}

// ---- The model run ----

void CZelmViewView::RunTransientModel()
{
    // Run is off while a run is followed; a second run never leaves the first one going.
    if (IsRunning()) return;
    CZelmViewDoc* document = GetZelmDocument();
    for (docview::View* view : document->GetViews())
        if (auto* other = qobject_cast<CZelmViewView*>(view); other != nullptr && other != this) other->CancelRun();

    const docview::Document::RunFile file = document->SaveForRun();
    if (file == docview::Document::RunFile::None) return;
    std::optional<CZelmViewDoc::ModelRun> run = document->RunTransientModel();
    if (!run) return;
    runSession.Follow(std::move(*run), forms::reportOpener(openReport, file, document->GetPathName()));
}

SensitivityWindow* CZelmViewView::GetSensitivityWindow() const
{
    return sensitivityWindow;
}

void CZelmViewView::ShowSensitivity()
{
    if (!CommitToDocument()) return;
    if (sensitivityWindow != nullptr) {
        sensitivityWindow->Recompute();
    } else {
        sensitivityWindow = new SensitivityWindow(GetZelmDocument(), this);
        connect(sensitivityWindow, &SensitivityWindow::helpRequested, sensitivityWindow, &forms::showHelp);
    }
    sensitivityWindow->show();
    sensitivityWindow->raise();
    sensitivityWindow->activateWindow();
}
