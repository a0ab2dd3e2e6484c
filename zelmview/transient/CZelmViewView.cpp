#include "transient/CZelmViewView.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <climits>
#include <cmath>

#include "docview/CommandIds.h"
#include "docview/MessageSink.h"
#include "docview/ResourceIds.h"
#include "run/ModelRunPoller.h"
#include "run/ModelRunner.h"
#include "table/DeleteItemsDlg.h"
#include "table/TableListCtrl.h"
#include "transient/CZelmViewDoc.h"
#include "transient/DeepPercolationChart.h"
#include "transient/HydraulicConductivityConvertDlg.h"
#include "transient/LeadingNumber.h"
#include "transient/XEdit.h"

struct CZelmViewView::NumericField {
    int id;
    int labelId;  // 0: a label without an id
    const char* label;
    int unitId;
    double ZELMData::*member;
    const char* name;
};

namespace {

using Field = CZelmViewView;

constexpr CZelmViewView::NumericField kNumericFields[] = {
    {Field::kPermeability, 0, "Permeability", Field::kPermeabilityUnit, &ZELMData::permeability, "permeability"},
    {Field::kRootZoneRequirement, Field::kRootZoneLabel, "Root Zone Requirement", Field::kRootZoneUnit,
     &ZELMData::minWaterTableDepth, "rootZoneRequirement"},
    {Field::kDrainToBarrier, 0, "Drain to Barrier", Field::kDrainToBarrierUnit, &ZELMData::barrierDistance,
     "drainToBarrier"},
    {Field::kSpecificYield, 0, "Specific Yield", Field::kSpecificYieldUnit, &ZELMData::specificYield, "specificYield"},
    {Field::kDrainRadius, 0, "Drain Radius", Field::kDrainRadiusUnit, &ZELMData::drainRadius, "drainRadius"},
    {Field::kDepthToDrain, 0, "Depth to the Drain", Field::kDepthToDrainUnit, &ZELMData::depthToDrain, "depthToDrain"},
    {Field::kDrainSpacing, Field::kDrainSpacingLabel, "Existing Drain Spacing", Field::kDrainSpacingUnit,
     &ZELMData::drainSpacing, "drainSpacing"},
    {Field::kAwhc, Field::kAwhcLabel, "AWHC for top 5 ft of Soil", Field::kAwhcUnit, &ZELMData::awhc, "awhc"},
};

// Unit labels in English and in metric units.
struct UnitText {
    int id;
    const char* english;
    const char* metric;
};
constexpr UnitText kUnitTexts[] = {
    {Field::kPermeabilityUnit, "ft/day", "m/day"},
    {Field::kRootZoneUnit, "ft", "m"},
    {Field::kDepthToDrainUnit, "ft", "m"},
    {Field::kDrainRadiusUnit, "ft", "m"},
    {Field::kDrainSpacingUnit, "ft", "m"},
    {Field::kDrainToBarrierUnit, "ft", "m"},
    {Field::kSpecificYieldUnit, "decimal", "decimal"},
    {Field::kAwhcUnit, "in", "cm"},
};
const char* const kAmountTitles[] = {"Deep Perc (in)", "Deep Perc (cm)"};
constexpr int kAmountColumn = 2;

// Fields committed before a save, in this order; the first bad number stops the save's commit.
constexpr std::array<int, 10> kSaveCommitOrder = {Field::kComment,      Field::kDepthToDrain,
                                                  Field::kDrainRadius,  Field::kDrainToBarrier,
                                                  Field::kDrainSpacing, Field::kRootZoneRequirement,
                                                  Field::kPermeability, Field::kSpecificYield,
                                                  Field::kTitle,        Field::kAwhc};
// Fields committed by Run, in this order; a bad number does not stop the run.
constexpr std::array<int, 10> kRunCommitOrder = {Field::kComment,
                                                 Field::kDrainRadius,
                                                 Field::kDrainToBarrier,
                                                 Field::kDrainSpacing,
                                                 Field::kRootZoneRequirement,
                                                 Field::kPermeability,
                                                 Field::kSpecificYield,
                                                 Field::kTitle,
                                                 Field::kAwhc,
                                                 Field::kDepthToDrain};

// The model's criterion: a barrier nearer than a tenth of the maximum water table counts as under
// the drain.
constexpr double kOnBarrierRatio = 10.0;

const QString kBadNumberMessage = QStringLiteral("Please enter a number.");

const QSize kFormSize(780, 560);
constexpr int kRowHeight = 24;

QString toFormLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QString toDocumentLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The last day of a month in the model's cycle (29 for February); no limit for another month.
int lastDayOfMonth(int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return INT_MAX;
    }
}

QString formatInteger(int value)
{
    return QString::number(value);
}
QString formatAmount(double value)
{
    return QString::asprintf("%g", value);
}

}  // namespace

CZelmViewView::CZelmViewView(CZelmViewDoc* document, QWidget* parent) : docview::PrintableView(document, parent)
{
    setObjectName(QStringLiteral("zelmViewView"));
    setProperty("controlId", int(kFormId));
    chooseItemsToDelete = [this](const QStringList& texts) {
        DeleteItemsDlg dialog(texts, this);
        return dialog.exec() == QDialog::Accepted ? dialog.GetChosenIndices() : QList<int>();
    };
    askSpecificYield = [this](bool metric) -> std::optional<double> {
        HydraulicConductivityConvertDlg dialog(metric, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.GetResult();
    };
    runWatchdog.setSingleShot(true);
    connect(&runWatchdog, &QTimer::timeout, this, &CZelmViewView::OnRunTimedOut);
    CreateControls();
    CreateContextMenu();
    setMinimumSize(kFormSize);
    resize(kFormSize);
}

CZelmViewView::~CZelmViewView()
{
    bound = false;
    // An edit that ends while the window is torn down stores nothing.
    eventTable->disconnect(this);
    // A run still followed ends with its window: the model is stopped, never left behind.
    delete runPoller;
}

CZelmViewDoc* CZelmViewView::GetZelmDocument() const
{
    return static_cast<CZelmViewDoc*>(GetDocument());
}

const CZelmViewView::NumericField* CZelmViewView::FindNumericField(int controlId)
{
    for (const NumericField& field : kNumericFields)
        if (field.id == controlId) return &field;
    return nullptr;
}

// ---- Controls ----

QWidget* CZelmViewView::Place(QWidget* control, int controlId, const QString& name, const QRect& rect)
{
    control->setObjectName(name);
    if (controlId != 0) {
        control->setProperty("controlId", controlId);
        controls.insert(controlId, control);
    }
    control->setGeometry(rect);
    return control;
}

QPushButton* CZelmViewView::AddButton(int controlId, const QString& text, const QString& name, const QRect& rect)
{
    auto* button = new QPushButton(text, this);
    Place(button, controlId, name, rect);
    button->setAutoDefault(false);
    return button;
}

void CZelmViewView::CreateControls()
{
    Place(new QLabel(QStringLiteral("Title:"), this), 0, QStringLiteral("titleLabel"), QRect(10, 12, 40, 20));
    titleEdit = new QLineEdit(this);
    Place(titleEdit, kTitle, QStringLiteral("titleEdit"), QRect(55, 10, 480, kRowHeight));
    titleEdit->installEventFilter(this);

    auto* inputMode = new QGroupBox(QStringLiteral("Input Mode"), this);
    Place(inputMode, 0, QStringLiteral("inputModeGroup"), QRect(10, 42, 160, 72));
    inputModeGroup = new QButtonGroup(this);
    auto* design = new QRadioButton(QStringLiteral("Design"), inputMode);
    auto* analysis = new QRadioButton(QStringLiteral("Analysis"), inputMode);
    Place(design, kDesignRadio, QStringLiteral("designRadio"), QRect(10, 20, 140, 22));
    Place(analysis, kAnalysisRadio, QStringLiteral("analysisRadio"), QRect(10, 44, 140, 22));
    inputModeGroup->addButton(design, 0);
    inputModeGroup->addButton(analysis, 1);
    design->setChecked(true);
    connect(inputModeGroup, &QButtonGroup::idClicked, this, &CZelmViewView::OnInputModeClicked);

    unitsList = new QComboBox(this);
    unitsList->addItems({QStringLiteral("English"), QStringLiteral("Metric")});
    Place(unitsList, kUnitsList, QStringLiteral("unitsList"), QRect(185, 62, 110, 26));
    connect(unitsList, &QComboBox::activated, this, &CZelmViewView::OnUnitsChosen);

    CreateFieldData();
    CreateEventSchedule();
    CreateDrainMode();

    Place(new QLabel(QStringLiteral("Comments:"), this), 0, QStringLiteral("commentLabel"), QRect(10, 446, 100, 18));
    commentEdit = new QPlainTextEdit(this);
    Place(commentEdit, kComment, QStringLiteral("commentEdit"), QRect(10, 466, 760, 56));
    commentEdit->setTabChangesFocus(true);
    commentEdit->installEventFilter(this);

    connect(AddButton(kDoneButton, QStringLiteral("Done"), QStringLiteral("doneButton"), QRect(612, 528, 76, 26)),
            &QPushButton::clicked, this, &CZelmViewView::PostClose);
    connect(AddButton(kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"), QRect(694, 528, 76, 26)),
            &QPushButton::clicked, this, &CZelmViewView::helpRequested);
}

void CZelmViewView::CreateFieldData()
{
    auto* group = new QGroupBox(QStringLiteral("Field Data"), this);
    Place(group, 0, QStringLiteral("fieldDataGroup"), QRect(10, 122, 354, 312));
    int top = 24;
    for (const NumericField& field : kNumericFields) {
        const QString name = QString::fromLatin1(field.name);
        Place(new QLabel(QString::fromLatin1(field.label), group), field.labelId, name + QStringLiteral("Label"),
              QRect(10, top + 3, 158, 20));
        auto* edit = new XEdit(group);
        Place(edit, field.id, name + QStringLiteral("Edit"), QRect(170, top, 80, kRowHeight));
        edit->installEventFilter(this);
        numericEdits.insert(field.id, edit);
        auto* unit = new QLabel(group);
        Place(unit, field.unitId, name + QStringLiteral("Unit"), QRect(256, top + 3, 58, 20));
        unitLabels.insert(field.unitId, unit);
        if (field.id == kSpecificYield) {
            auto* button = new QPushButton(QStringLiteral("f(K)"), group);
            Place(button, kSpecificYieldButton, QStringLiteral("specificYieldButton"), QRect(314, top, 34, kRowHeight));
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, &CZelmViewView::ComputeSpecificYield);
        }
        top += 34;
    }
}

void CZelmViewView::CreateEventSchedule()
{
    auto* group = new QGroupBox(QStringLiteral("Deep Percolation Schedule"), this);
    Place(group, 0, QStringLiteral("scheduleGroup"), QRect(372, 42, 398, 296));
    eventTable = new TableListCtrl(kEventEditor, true, group);
    Place(eventTable, kEventTable, QStringLiteral("eventTable"), QRect(10, 22, 378, 228));
    eventTable->InsertColumn(0, QStringLiteral("Month"), 50);
    eventTable->InsertColumn(1, QStringLiteral("Day"), 50);
    eventTable->InsertColumn(kAmountColumn, QString::fromLatin1(kAmountTitles[0]), 100);
    eventTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eventTable, &TableListCtrl::endEdit, this, &CZelmViewView::OnCellEdited);
    connect(eventTable, &QWidget::customContextMenuRequested, this, &CZelmViewView::OnTableContextMenu);

    auto* add = new QPushButton(QStringLiteral("Add"), group);
    Place(add, kAddButton, QStringLiteral("addButton"), QRect(10, 258, 56, 26));
    Place(new QLabel(QStringLiteral("# to add:"), group), 0, QStringLiteral("eventsToAddLabel"),
          QRect(72, 262, 56, 20));
    eventsToAddEdit = new QSpinBox(group);
    eventsToAddEdit->setRange(-99, 999);
    eventsToAddEdit->setValue(1);
    Place(eventsToAddEdit, kEventsToAdd, QStringLiteral("eventsToAddEdit"), QRect(128, 258, 56, 26));
    auto* remove = new QPushButton(QStringLiteral("Delete"), group);
    Place(remove, kDeleteButton, QStringLiteral("deleteButton"), QRect(192, 258, 64, 26));
    auto* plot = new QPushButton(QStringLiteral("Plot"), group);
    Place(plot, kPlotButton, QStringLiteral("plotButton"), QRect(264, 258, 64, 26));
    for (QPushButton* button : {add, remove, plot}) button->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &CZelmViewView::AddEvents);
    connect(remove, &QPushButton::clicked, this, &CZelmViewView::DeleteEvents);
    connect(plot, &QPushButton::clicked, this, &CZelmViewView::PlotDeepPercolation);
}

void CZelmViewView::CreateDrainMode()
{
    auto* group = new QGroupBox(QStringLiteral("Drain Mode"), this);
    Place(group, 0, QStringLiteral("drainModeGroup"), QRect(372, 344, 398, 96));
    onBarrierRadio = new QRadioButton(QStringLiteral("On Barrier"), group);
    offBarrierRadio = new QRadioButton(QStringLiteral("Off Barrier"), group);
    criteriaRadio = new QRadioButton(QStringLiteral("Based on Criteria ()"), group);
    Place(onBarrierRadio, kOnBarrierRadio, QStringLiteral("onBarrierRadio"), QRect(10, 20, 380, 22));
    Place(offBarrierRadio, kOffBarrierRadio, QStringLiteral("offBarrierRadio"), QRect(10, 44, 380, 22));
    Place(criteriaRadio, kCriteriaRadio, QStringLiteral("criteriaRadio"), QRect(10, 68, 380, 22));
    connect(onBarrierRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(1); });
    connect(offBarrierRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(0); });
    connect(criteriaRadio, &QRadioButton::clicked, this, [this] { OnDrainModeClicked(-1); });
}

void CZelmViewView::CreateContextMenu()
{
    contextMenu = new QMenu(QStringLiteral("Irr Table Context"), this);
    contextMenu->setObjectName(QStringLiteral("tableContextMenu"));
    contextMenu->setProperty("controlId", int(zelm::kTableContextMenu));
    const auto addItem = [this](int commandId, const QString& text) {
        QAction* action = contextMenu->addAction(text);
        action->setProperty("controlId", commandId);
        connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
    };
    addItem(zelm::kInsertRow, QStringLiteral("Insert Row at Cursor"));
    contextMenu->addSeparator();
    addItem(zelm::kCopyRows, QStringLiteral("Copy"));
    addItem(zelm::kPasteRows, QStringLiteral("Paste"));
}

// ---- From the document to the form ----

void CZelmViewView::OnUpdate(docview::View*, long hint, QObject*)
{
    switch (hint) {
    case CZelmViewDoc::kHintCommit:
        CommitToDocument();
        return;
    case CZelmViewDoc::kHintEvents:
        FillEventTable();
        return;
    default:
        RefreshFromDocument();
    }
}

void CZelmViewView::RefreshFromDocument()
{
    CopyDocumentToForm();
    UpdateUnitLabels();
    UpdateBarrierText();
    ShowBenchControls();
    FillEventTable();
    ApplyInputModeRule();
    bound = true;
}

void CZelmViewView::CopyDocumentToForm()
{
    const ZELMData& data = GetZelmDocument()->GetData();
    inputModeGroup->button(data.inputMode != 0 ? 1 : 0)->setChecked(true);
    for (const NumericField& field : kNumericFields) formValues.insert(field.id, data.*field.member);
    titleEdit->setText(data.title);
    commentEdit->setPlainText(toFormLines(data.comment));
    unitsList->setCurrentIndex(data.metricUnits == 1 ? 1 : 0);
    SetDrainModeRadio(data.barrierMode);
    ShowFormValues();
}

void CZelmViewView::ShowFormValues()
{
    for (auto it = numericEdits.constBegin(); it != numericEdits.constEnd(); ++it)
        it.value()->setText(zelm::FormatFieldReal(formValues.value(it.key())));
}

void CZelmViewView::SetDrainModeRadio(int barrierMode)
{
    switch (barrierMode) {
    case -1:
        criteriaRadio->setChecked(true);
        break;
    case 0:
        offBarrierRadio->setChecked(true);
        break;
    case 1:
        onBarrierRadio->setChecked(true);
        break;
    default:
        break;
    }
}

void CZelmViewView::UpdateUnitLabels()
{
    const int units = GetZelmDocument()->GetData().metricUnits;
    if (units == 0 || units == 1) {
        for (const UnitText& unit : kUnitTexts)
            unitLabels.value(unit.id)->setText(QString::fromLatin1(units == 0 ? unit.english : unit.metric));
        eventTable->SetColumnTitle(kAmountColumn, QString::fromLatin1(kAmountTitles[units]));
    }
    MarkModified();
    ShowFormValues();
    FillEventTable();
}

void CZelmViewView::UpdateBarrierText()
{
    ZELMData& data = GetZelmDocument()->GetData();
    data.maxWaterTable = data.depthToDrain - data.minWaterTableDepth;
    double ratio = -1.0;
    if (data.barrierDistance > 0.0) ratio = data.maxWaterTable / data.barrierDistance;
    if (ratio < 0.0) {
        criteriaRadio->setText(QStringLiteral("Drain is on Barrier (Depth To Barrier = 0)"));
        return;
    }
    const QString text = ratio > kOnBarrierRatio ? QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = ")
                                                 : QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = ");
    criteriaRadio->setText(text + QString::asprintf("%.2f", ratio) + QLatin1Char(')'));
}

void CZelmViewView::ShowBenchControls()
{
    const bool on = GetZelmDocument()->IsBenchBottomland();
    for (int id : {int(kAwhcLabel), int(kAwhc), int(kAwhcUnit)}) controls.value(id)->setVisible(on);
}

void CZelmViewView::FillEventTable()
{
    const QList<IrrigationDataElement>& events = GetZelmDocument()->GetData().events;
    if (eventTable->rowCount() != events.size()) {
        eventTable->DeleteAllItems();
        for (qsizetype row = 0; row < events.size(); ++row) eventTable->InsertItem(int(row), QString());
    }
    for (qsizetype row = 0; row < events.size(); ++row) {
        const IrrigationDataElement& event = events.at(row);
        eventTable->SetCellText(int(row), 0, formatInteger(event.month));
        eventTable->SetCellText(int(row), 1, formatInteger(event.day));
        eventTable->SetCellText(int(row), kAmountColumn, formatAmount(event.amount));
    }
}

void CZelmViewView::ApplyInputModeRule()
{
    const int mode = inputModeGroup->checkedId() == 1 ? 1 : 0;
    numericEdits.value(kRootZoneRequirement)->setEnabled(mode == 0);
    numericEdits.value(kDrainSpacing)->setEnabled(mode == 1);
    GetZelmDocument()->GetData().inputMode = mode;
}

// ---- From the form to the document ----

void CZelmViewView::MarkModified()
{
    GetZelmDocument()->SetModifiedFlag(true);
}

bool CZelmViewView::CommitInOrder(std::span<const int> order, bool stopAtFailure)
{
    bool allCommitted = true;
    for (int controlId : order) {
        if (CommitField(controlId)) continue;
        allCommitted = false;
        if (stopAtFailure) break;
    }
    return allCommitted;
}

bool CZelmViewView::CommitToDocument()
{
    eventTable->EndEdit();
    return CommitInOrder(kSaveCommitOrder, true);
}

bool CZelmViewView::CommitField(int controlId)
{
    if (const NumericField* field = FindNumericField(controlId)) return CommitNumber(*field);
    CommitTexts(controlId);
    return true;
}

bool CZelmViewView::CommitNumber(const NumericField& field)
{
    XEdit* edit = numericEdits.value(field.id);
    // Each field is checked on its own, so a bad number elsewhere never resets this one.
    const std::optional<double> value = zelm::WholeReal(edit->text());
    if (!value) {
        RejectNumber(edit, field.id);
        return false;
    }
    formValues.insert(field.id, *value);
    double& stored = GetZelmDocument()->GetData().*field.member;
    // Exact comparison; a value that is not a number always counts as changed.
    if (*value != stored || std::isnan(*value)) {
        stored = *value;
        MarkModified();
    }
    if (field.id == kDrainToBarrier || field.id == kRootZoneRequirement) UpdateBarrierText();
    return true;
}

void CZelmViewView::RejectNumber(XEdit* edit, int controlId)
{
    formValues.insert(controlId, 0.0);
    edit->setText(QStringLiteral("0"));
    docview::showMessage(kBadNumberMessage);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CZelmViewView::CommitTexts(int controlId)
{
    ZELMData& data = GetZelmDocument()->GetData();
    if (controlId == kTitle && titleEdit->text() != data.title) {
        data.title = titleEdit->text();
        MarkModified();
    }
    if (controlId == kComment) {
        const QString comment = toDocumentLines(commentEdit->toPlainText());
        if (comment != data.comment) {
            data.comment = comment;
            MarkModified();
        }
    }
}

bool CZelmViewView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && bound && !committing) {
        const int controlId = watched->property("controlId").toInt();
        if (controlId == kTitle || controlId == kComment || FindNumericField(controlId) != nullptr) {
            committing = true;
            CommitField(controlId);
            committing = false;
        }
    }
    return docview::View::eventFilter(watched, event);
}

void CZelmViewView::OnInputModeClicked()
{
    ApplyInputModeRule();
    MarkModified();
}

void CZelmViewView::OnDrainModeClicked(int barrierMode)
{
    GetZelmDocument()->GetData().barrierMode = barrierMode;
    MarkModified();
}

void CZelmViewView::OnUnitsChosen(int index)
{
    // Every choice the user makes converts, by mouse or by keyboard alike, so the units shown and
    // the values stored never disagree.
    GetZelmDocument()->ConvertUnits(index);
    UpdateUnitLabels();
    CopyDocumentToForm();
}

void CZelmViewView::ToggleBenchBottomland()
{
    GetZelmDocument()->ToggleBenchBottomland();
    ShowBenchControls();
    emit benchBottomlandChanged(GetZelmDocument()->IsBenchBottomland());
}

void CZelmViewView::ComputeSpecificYield()
{
    const std::optional<double> result = askSpecificYield(unitsList->currentIndex() == 1);
    if (!result) return;
    formValues.insert(kSpecificYield, *result);
    numericEdits.value(kSpecificYield)->setText(zelm::FormatFieldReal(*result));
}

// ---- The events ----

void CZelmViewView::OnCellEdited(TableListCtrl*, int row, int column, const QString& text, bool cancelled)
{
    if (cancelled) return;
    QList<IrrigationDataElement>& events = GetZelmDocument()->GetData().events;
    if (row < 0 || row >= events.size()) return;
    IrrigationDataElement& event = events[row];
    QString shown = text;
    switch (column) {
    case 0:
        event.month = std::clamp(zelm::LeadingInteger(text), 1, 12);
        shown = formatInteger(event.month);
        break;
    case 1:
        event.day = std::clamp(zelm::LeadingInteger(text), 1, lastDayOfMonth(event.month));
        shown = formatInteger(event.day);
        break;
    case kAmountColumn:
        event.amount = zelm::LeadingReal(text);
        shown = formatAmount(event.amount);
        break;
    default:
        break;
    }
    MarkModified();
    eventTable->SetCellText(row, column, shown);
}

void CZelmViewView::AddEvents()
{
    const int firstNew = eventTable->rowCount();
    QList<IrrigationDataElement>& events = GetZelmDocument()->GetData().events;
    for (int added = 0; added < eventsToAddEdit->value(); ++added) events.append(IrrigationDataElement{});
    FillEventTable();
    eventTable->setFocus(Qt::OtherFocusReason);
    eventTable->EditCell(std::max(firstNew, 0), 0);
    MarkModified();
}

void CZelmViewView::InsertRowAtCursor()
{
    QList<IrrigationDataElement>& events = GetZelmDocument()->GetData().events;
    // The cursor may lie past the end after rows were deleted; the row then goes last.
    const int row = std::clamp(eventTable->GetCursorRow(), 0, int(events.size()));
    events.insert(row, IrrigationDataElement{});
    FillEventTable();
    eventTable->setFocus(Qt::OtherFocusReason);
    eventTable->EditCell(row, 0);
    MarkModified();
}

void CZelmViewView::DeleteEvents()
{
    eventTable->EndEdit();
    QList<IrrigationDataElement>& events = GetZelmDocument()->GetData().events;
    QStringList texts;
    for (const IrrigationDataElement& event : events)
        texts.append(formatInteger(event.month) + QLatin1Char('/') + formatInteger(event.day));
    // Highest first, so the positions still to be removed stay where they are.
    for (int index : chooseItemsToDelete(texts))
        if (index >= 0 && index < events.size()) events.removeAt(index);
    FillEventTable();
    MarkModified();
}

void CZelmViewView::PlotDeepPercolation()
{
    eventTable->EndEdit();
    zelm::PlotDeepPercolation(GetZelmDocument()->GetData(), this);
    // Plotting puts the events in calendar order; the table shows them so.
    FillEventTable();
}

void CZelmViewView::OnTableContextMenu(const QPoint& position)
{
    if (!eventTable->viewport()->rect().contains(position)) return;
    contextMenu->popup(eventTable->viewport()->mapToGlobal(position));
}

// ---- Commands ----

bool CZelmViewView::HandlesCommand(int commandId) const
{
    switch (commandId) {
    case zelm::kRunModel:
        return !IsRunning();
    case kCancelRunCommand:
        return IsRunning();
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
    switch (commandId) {
    case zelm::kRunModel:
        RunTransientModel();
        return true;
    case kCancelRunCommand:
        CancelRun();
        return true;
    case zelm::kBenchBottomland:
        ToggleBenchBottomland();
        return true;
    case zelm::kInsertRow:
        InsertRowAtCursor();
        return true;
    case zelm::kCopyRows:
        eventTable->EndEdit();
        eventTable->CopyToClipboard(false, false);
        return true;
    case zelm::kPasteRows:
        eventTable->PasteFromClipboard();
        return true;
    default:
        return PrintableView::OnCommand(commandId);
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

    eventTable->EndEdit();
    CommitInOrder(kRunCommitOrder, false);
    ZELMData& data = document->GetData();
    data.maxWaterTable = data.depthToDrain - data.minWaterTableDepth;

    std::optional<CZelmViewDoc::ModelRun> run = document->RunTransientModel();
    if (!run) return;
    runPoller = new ModelRunPoller(
        std::move(run->runner), run->outputPath,
        [this](const QString& path) {
            if (openReport) openReport(path);
        },
        this);
    connect(runPoller, &ModelRunPoller::finished, this, &CZelmViewView::OnRunFinished);
    runWatchdog.start(runTimeLimitMs);
    emit runStateChanged(true);
}

void CZelmViewView::OnRunFinished()
{
    runWatchdog.stop();
    if (runPoller) runPoller->deleteLater();
    runPoller = nullptr;
    emit runStateChanged(false);
}

void CZelmViewView::CancelRun()
{
    if (!IsRunning()) return;
    runWatchdog.stop();
    // Removing the runner stops the model and waits for it to end.
    delete runPoller;
    runPoller = nullptr;
    emit runStateChanged(false);
}

void CZelmViewView::OnRunTimedOut()
{
    if (!IsRunning()) return;
    CancelRun();
    docview::showMessage(QStringLiteral("The model did not finish within %1 seconds and was stopped.")
                             .arg(runTimeLimitMs / 1000.0, 0, 'g', 6));
}

// ---- Printing ----

void CZelmViewView::PrintForm(QPrinter& printer)
{
    if (GetDocument() != nullptr) printer.setDocName(GetDocument()->GetTitle());
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / width(), page.height() / height());
    painter.scale(scale, scale);
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
}
