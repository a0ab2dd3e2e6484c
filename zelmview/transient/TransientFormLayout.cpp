#include "transient/TransientFormLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "docview/ControlId.h"
#include "forms/ChoiceList.h"
#include "forms/FocusScrollArea.h"
#include "forms/FormControls.h"
#include "table/TableListCtrl.h"
#include "transient/TransientFields.h"
#include "transient/XEdit.h"

namespace {

using Ids = TransientFormIds;

constexpr int kFieldWidth = 90;
constexpr int kTableRowsShown = 10;
constexpr int kCommentLines = 3;

// Holds the event table and gives it the height of whole rows only, so that the last row shown
// is never cut in half, however tall the window.
class WholeRowsHolder : public QWidget {
public:
    WholeRowsHolder(TableListCtrl* table, QWidget* parent) : QWidget(parent), table(table)
    {
        table->setParent(this);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize minimumSizeHint() const override { return {table->minimumSizeHint().width(), HeightFor(kTableRowsShown)}; }
    QSize sizeHint() const override { return {table->sizeHint().width(), HeightFor(kTableRowsShown)}; }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const int rows = std::max(1, (height() - HeightFor(0)) / RowHeight());
        table->setGeometry(0, 0, width(), HeightFor(rows));
    }

private:
    int RowHeight() const { return table->verticalHeader()->defaultSectionSize(); }
    int HeightFor(int rows) const
    {
        return 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height() + rows * RowHeight();
    }
    TableListCtrl* table;
};

class Layout {
public:
    explicit Layout(QWidget& form) : form(form) {}

    TransientFormControls Build()
    {
        auto* scroll = new forms::FocusScrollArea(&form);
        scroll->setObjectName(QStringLiteral("formScrollArea"));
        // The form's live panel joins the scroll area on its right.
        auto* outer = new QHBoxLayout(&form);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll, 1);

        page = new QWidget;
        page->setObjectName(QStringLiteral("formPage"));
        auto* grid = new QGridLayout(page);
        grid->addLayout(CreateTitle(), 0, 0, 1, 2);
        grid->addLayout(CreateModesAndFields(), 1, 0);
        grid->addLayout(CreateScheduleAndDrainMode(), 1, 1);
        grid->addLayout(CreateCommentAndButtons(), 2, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(1, 3);
        grid->setRowStretch(2, 1);
        scroll->setWidget(page);
        controls.page = page;
        return controls;
    }

private:
    template <typename Control>
    Control* Name(Control* control, int controlId, const QString& name)
    {
        control->setObjectName(name);
        if (controlId != 0) {
            docview::setControlId(control, controlId);
            controls.byId.insert(controlId, control);
        }
        return control;
    }

    // The bench and bottomland switch beside the field it shows and hides; the Model menu has it too.
    QCheckBox* CreateBenchCheck()
    {
        controls.benchCheck = Name(new QCheckBox(QStringLiteral("&Bench && Bottomland")), Ids::kBenchBottomlandCheck,
                                   QStringLiteral("benchBottomlandCheck"));
        controls.benchCheck->setToolTip(QStringLiteral("Calculate the bench and bottom land classification"));
        return controls.benchCheck;
    }

    QPushButton* AddButton(int controlId, const QString& text, const QString& name)
    {
        auto* button = Name(new QPushButton(text), controlId, name);
        button->setAutoDefault(false);
        return button;
    }

    QLayout* CreateTitle()
    {
        auto* row = new QHBoxLayout;
        controls.titleEdit = Name(new QLineEdit, Ids::kTitle, QStringLiteral("titleEdit"));
        row->addWidget(
            Name(forms::labelFor(controls.titleEdit, QStringLiteral("Title:")), 0, QStringLiteral("titleLabel")));
        row->addWidget(controls.titleEdit, 1);
        return row;
    }

    QLayout* CreateModesAndFields()
    {
        auto* inputMode = Name(new QGroupBox(QStringLiteral("Input Mode")), 0, QStringLiteral("inputModeGroup"));
        auto* radios = new QVBoxLayout(inputMode);
        controls.inputModeGroup = new QButtonGroup(&form);
        controls.designRadio =
            Name(new QRadioButton(QStringLiteral("Design")), Ids::kDesignRadio, QStringLiteral("designRadio"));
        controls.analysisRadio =
            Name(new QRadioButton(QStringLiteral("Analysis")), Ids::kAnalysisRadio, QStringLiteral("analysisRadio"));
        for (QRadioButton* radio : {controls.designRadio, controls.analysisRadio}) {
            radios->addWidget(radio);
            controls.inputModeGroup->addButton(radio);
        }
        controls.designRadio->setChecked(true);

        controls.unitsList = Name(new forms::ChoiceList, Ids::kUnitsList, QStringLiteral("unitsList"));
        controls.unitsList->addItem(QStringLiteral("English"), QVariant::fromValue(ZELMData::Units::English));
        controls.unitsList->addItem(QStringLiteral("Metric"), QVariant::fromValue(ZELMData::Units::Metric));

        auto* modes = new QHBoxLayout;
        modes->addWidget(inputMode);
        modes->addWidget(
            Name(forms::labelFor(controls.unitsList, QStringLiteral("&Units:")), 0, QStringLiteral("unitsLabel")), 0,
            Qt::AlignVCenter);
        modes->addWidget(controls.unitsList, 0, Qt::AlignVCenter);
        modes->addStretch(1);

        auto* column = new QVBoxLayout;
        column->addLayout(modes);
        column->addWidget(CreateFieldData());
        column->addStretch(1);
        return column;
    }

    QGroupBox* CreateFieldData()
    {
        auto* group = Name(new QGroupBox(QStringLiteral("Field Data")), 0, QStringLiteral("fieldDataGroup"));
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const transientform::NumericField& field : transientform::NumericFields()) {
            const QString name = QString::fromLatin1(field.name);
            // The switch comes before the field it shows, on the form and in the tab order.
            if (field.id == Ids::kAwhc) grid->addWidget(CreateBenchCheck(), row++, 0, 1, 3);
            auto* edit = Name(new XEdit(group), field.id, name + QStringLiteral("Edit"));
            edit->setMinimumWidth(kFieldWidth);
            grid->addWidget(Name(forms::labelFor(edit, QString::fromLatin1(field.label)), field.labelId,
                                 name + QStringLiteral("Label")),
                            row, 0);
            controls.numericEdits.insert(field.id, edit);
            grid->addWidget(edit, row, 1);
            auto* unit = Name(new QLabel, field.unitId, name + QStringLiteral("Unit"));
            unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("decimal")));
            grid->addWidget(unit, row, 2);
            if (field.id == Ids::kSpecificYield) {
                controls.specificYieldButton = AddButton(Ids::kSpecificYieldButton, QStringLiteral("f(&K)"),
                                                         QStringLiteral("specificYieldButton"));
                controls.specificYieldButton->setAccessibleDescription(
                    QStringLiteral("Compute the specific yield from the hydraulic conductivity"));
                grid->addWidget(controls.specificYieldButton, row, 3);
            }
            ++row;
        }
        return group;
    }

    QLayout* CreateScheduleAndDrainMode()
    {
        auto* column = new QVBoxLayout;
        column->addWidget(CreateEventSchedule(), 1);
        column->addWidget(CreateDrainMode());
        return column;
    }

    QGroupBox* CreateEventSchedule()
    {
        auto* group =
            Name(new QGroupBox(QStringLiteral("Deep Percolation Schedule")), 0, QStringLiteral("scheduleGroup"));
        controls.eventTable =
            Name(new TableListCtrl(Ids::kEventEditor, true), Ids::kEventTable, QStringLiteral("eventTable"));
        controls.eventTable->InsertColumn(0, QStringLiteral("Month"), 50);
        controls.eventTable->InsertColumn(1, QStringLiteral("Day"), 50);
        controls.eventTable->InsertColumn(transientform::kAmountColumn,
                                          QString::fromLatin1(transientform::AmountTitle(ZELMData::Units::English)),
                                          100);
        controls.eventTable->setContextMenuPolicy(Qt::CustomContextMenu);
        controls.eventTable->setAccessibleName(QStringLiteral("Deep Percolation Schedule"));
        // A header line copied with the events is skipped; events pasted past the last are added.
        controls.eventTable->SetPasteRules({.numbersOnly = true, .addsRows = true});

        controls.addButton = AddButton(Ids::kAddButton, QStringLiteral("&Add"), QStringLiteral("addButton"));
        controls.eventsToAddEdit = Name(new QSpinBox, Ids::kEventsToAdd, QStringLiteral("eventsToAddEdit"));
        controls.eventsToAddEdit->setRange(-99, 999);
        controls.eventsToAddEdit->setValue(1);
        controls.deleteButton =
            AddButton(Ids::kDeleteButton, QStringLiteral("&Delete"), QStringLiteral("deleteButton"));
        controls.plotButton = AddButton(Ids::kPlotButton, QStringLiteral("&Plot"), QStringLiteral("plotButton"));

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(controls.addButton);
        buttons->addWidget(Name(forms::labelFor(controls.eventsToAddEdit, QStringLiteral("# to add:")), 0,
                                QStringLiteral("eventsToAddLabel")));
        buttons->addWidget(controls.eventsToAddEdit);
        buttons->addWidget(controls.deleteButton);
        buttons->addWidget(controls.plotButton);
        buttons->addStretch(1);

        auto* box = new QVBoxLayout(group);
        box->addWidget(new WholeRowsHolder(controls.eventTable, group), 1);
        box->addLayout(buttons);
        return group;
    }

    QGroupBox* CreateDrainMode()
    {
        auto* group = Name(new QGroupBox(QStringLiteral("Drain Mode")), 0, QStringLiteral("drainModeGroup"));
        controls.onBarrierRadio = Name(new QRadioButton(QStringLiteral("On Barrier")), Ids::kOnBarrierRadio,
                                       QStringLiteral("onBarrierRadio"));
        controls.offBarrierRadio = Name(new QRadioButton(QStringLiteral("Off Barrier")), Ids::kOffBarrierRadio,
                                        QStringLiteral("offBarrierRadio"));
        controls.criteriaRadio = Name(new QRadioButton(QStringLiteral("Based on Criteria ()")), Ids::kCriteriaRadio,
                                      QStringLiteral("criteriaRadio"));
        auto* radios = new QVBoxLayout(group);
        // One group: Tab stops on the chosen mode only, and the arrows choose another.
        auto* modes = new QButtonGroup(group);
        for (QRadioButton* radio : {controls.onBarrierRadio, controls.offBarrierRadio, controls.criteriaRadio}) {
            radios->addWidget(radio);
            modes->addButton(radio);
        }
        return group;
    }

    QLayout* CreateCommentAndButtons()
    {
        controls.commentEdit = Name(new QPlainTextEdit, Ids::kComment, QStringLiteral("commentEdit"));
        controls.commentEdit->setTabChangesFocus(true);
        controls.commentEdit->setMinimumHeight(controls.commentEdit->fontMetrics().lineSpacing() * kCommentLines +
                                               2 * controls.commentEdit->frameWidth() + 8);
        controls.doneButton = AddButton(Ids::kDoneButton, QStringLiteral("D&one"), QStringLiteral("doneButton"));
        controls.helpButton = AddButton(Ids::kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"));

        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(controls.doneButton);
        buttons->addWidget(controls.helpButton);

        auto* column = new QVBoxLayout;
        column->addWidget(Name(forms::labelFor(controls.commentEdit, QStringLiteral("Comments:")), 0,
                               QStringLiteral("commentLabel")));
        column->addWidget(controls.commentEdit, 1);
        column->addLayout(buttons);
        return column;
    }

    QWidget& form;
    QWidget* page = nullptr;
    TransientFormControls controls;
};

}  // namespace

TransientFormControls layOutTransientForm(QWidget& form)
{
    return Layout(form).Build();
}
