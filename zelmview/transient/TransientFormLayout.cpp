#include "transient/TransientFormLayout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "docview/ControlId.h"
#include "table/TableListCtrl.h"
#include "transient/TransientFields.h"
#include "transient/XEdit.h"

namespace {

using Ids = TransientFormIds;

const QSize kFormSize(780, 560);
constexpr int kRowHeight = 24;

class Layout {
public:
    Layout(QWidget& form, QObject& focusWatcher) : form(form), focusWatcher(focusWatcher) {}

    TransientFormControls Build()
    {
        CreateTitleAndModes();
        CreateFieldData();
        CreateEventSchedule();
        CreateDrainMode();
        CreateCommentAndButtons();
        form.setMinimumSize(kFormSize);
        form.resize(kFormSize);
        return controls;
    }

private:
    template <typename Control>
    Control* Place(Control* control, int controlId, const QString& name, const QRect& rect)
    {
        control->setObjectName(name);
        if (controlId != 0) {
            docview::SetControlId(control, controlId);
            controls.byId.insert(controlId, control);
        }
        control->setGeometry(rect);
        return control;
    }

    QPushButton* AddButton(QWidget* parent, int controlId, const QString& text, const QString& name, const QRect& rect)
    {
        auto* button = Place(new QPushButton(text, parent), controlId, name, rect);
        button->setAutoDefault(false);
        return button;
    }

    void CreateTitleAndModes()
    {
        Place(new QLabel(QStringLiteral("Title:"), &form), 0, QStringLiteral("titleLabel"), QRect(10, 12, 40, 20));
        controls.titleEdit =
            Place(new QLineEdit(&form), Ids::kTitle, QStringLiteral("titleEdit"), QRect(55, 10, 480, kRowHeight));
        controls.titleEdit->installEventFilter(&focusWatcher);

        auto* inputMode = Place(new QGroupBox(QStringLiteral("Input Mode"), &form), 0, QStringLiteral("inputModeGroup"),
                                QRect(10, 42, 160, 72));
        controls.inputModeGroup = new QButtonGroup(&form);
        auto* design = Place(new QRadioButton(QStringLiteral("Design"), inputMode), Ids::kDesignRadio,
                             QStringLiteral("designRadio"), QRect(10, 20, 140, 22));
        auto* analysis = Place(new QRadioButton(QStringLiteral("Analysis"), inputMode), Ids::kAnalysisRadio,
                               QStringLiteral("analysisRadio"), QRect(10, 44, 140, 22));
        controls.inputModeGroup->addButton(design, 0);
        controls.inputModeGroup->addButton(analysis, 1);
        design->setChecked(true);

        controls.unitsList = new QComboBox(&form);
        controls.unitsList->addItems({QStringLiteral("English"), QStringLiteral("Metric")});
        Place(controls.unitsList, Ids::kUnitsList, QStringLiteral("unitsList"), QRect(185, 62, 110, 26));
    }

    void CreateFieldData()
    {
        auto* group = Place(new QGroupBox(QStringLiteral("Field Data"), &form), 0, QStringLiteral("fieldDataGroup"),
                            QRect(10, 122, 354, 312));
        int top = 24;
        for (const transientform::NumericField& field : transientform::NumericFields()) {
            const QString name = QString::fromLatin1(field.name);
            Place(new QLabel(QString::fromLatin1(field.label), group), field.labelId, name + QStringLiteral("Label"),
                  QRect(10, top + 3, 158, 20));
            auto* edit =
                Place(new XEdit(group), field.id, name + QStringLiteral("Edit"), QRect(170, top, 80, kRowHeight));
            edit->installEventFilter(&focusWatcher);
            controls.numericEdits.insert(field.id, edit);
            auto* unit =
                Place(new QLabel(group), field.unitId, name + QStringLiteral("Unit"), QRect(256, top + 3, 58, 20));
            controls.unitLabels.insert(field.unitId, unit);
            if (field.id == Ids::kSpecificYield)
                controls.specificYieldButton =
                    AddButton(group, Ids::kSpecificYieldButton, QStringLiteral("f(K)"),
                              QStringLiteral("specificYieldButton"), QRect(314, top, 34, kRowHeight));
            top += 34;
        }
    }

    void CreateEventSchedule()
    {
        auto* group = Place(new QGroupBox(QStringLiteral("Deep Percolation Schedule"), &form), 0,
                            QStringLiteral("scheduleGroup"), QRect(372, 42, 398, 296));
        controls.eventTable = Place(new TableListCtrl(Ids::kEventEditor, true, group), Ids::kEventTable,
                                    QStringLiteral("eventTable"), QRect(10, 22, 378, 228));
        controls.eventTable->InsertColumn(0, QStringLiteral("Month"), 50);
        controls.eventTable->InsertColumn(1, QStringLiteral("Day"), 50);
        controls.eventTable->InsertColumn(transientform::kAmountColumn,
                                          QString::fromLatin1(transientform::AmountTitle(0)), 100);
        controls.eventTable->setContextMenuPolicy(Qt::CustomContextMenu);

        controls.addButton = AddButton(group, Ids::kAddButton, QStringLiteral("Add"), QStringLiteral("addButton"),
                                       QRect(10, 258, 56, 26));
        Place(new QLabel(QStringLiteral("# to add:"), group), 0, QStringLiteral("eventsToAddLabel"),
              QRect(72, 262, 56, 20));
        controls.eventsToAddEdit = new QSpinBox(group);
        controls.eventsToAddEdit->setRange(-99, 999);
        controls.eventsToAddEdit->setValue(1);
        Place(controls.eventsToAddEdit, Ids::kEventsToAdd, QStringLiteral("eventsToAddEdit"), QRect(128, 258, 56, 26));
        controls.deleteButton = AddButton(group, Ids::kDeleteButton, QStringLiteral("Delete"),
                                          QStringLiteral("deleteButton"), QRect(192, 258, 64, 26));
        controls.plotButton = AddButton(group, Ids::kPlotButton, QStringLiteral("Plot"), QStringLiteral("plotButton"),
                                        QRect(264, 258, 64, 26));
    }

    void CreateDrainMode()
    {
        auto* group = Place(new QGroupBox(QStringLiteral("Drain Mode"), &form), 0, QStringLiteral("drainModeGroup"),
                            QRect(372, 344, 398, 96));
        controls.onBarrierRadio = Place(new QRadioButton(QStringLiteral("On Barrier"), group), Ids::kOnBarrierRadio,
                                        QStringLiteral("onBarrierRadio"), QRect(10, 20, 380, 22));
        controls.offBarrierRadio = Place(new QRadioButton(QStringLiteral("Off Barrier"), group), Ids::kOffBarrierRadio,
                                         QStringLiteral("offBarrierRadio"), QRect(10, 44, 380, 22));
        controls.criteriaRadio = Place(new QRadioButton(QStringLiteral("Based on Criteria ()"), group),
                                       Ids::kCriteriaRadio, QStringLiteral("criteriaRadio"), QRect(10, 68, 380, 22));
    }

    void CreateCommentAndButtons()
    {
        Place(new QLabel(QStringLiteral("Comments:"), &form), 0, QStringLiteral("commentLabel"),
              QRect(10, 446, 100, 18));
        controls.commentEdit =
            Place(new QPlainTextEdit(&form), Ids::kComment, QStringLiteral("commentEdit"), QRect(10, 466, 760, 56));
        controls.commentEdit->setTabChangesFocus(true);
        controls.commentEdit->installEventFilter(&focusWatcher);
        controls.doneButton = AddButton(&form, Ids::kDoneButton, QStringLiteral("Done"), QStringLiteral("doneButton"),
                                        QRect(612, 528, 76, 26));
        controls.helpButton = AddButton(&form, Ids::kHelpButton, QStringLiteral("Help"), QStringLiteral("helpButton"),
                                        QRect(694, 528, 76, 26));
    }

    QWidget& form;
    QObject& focusWatcher;
    TransientFormControls controls;
};

}  // namespace

TransientFormControls LayOutTransientForm(QWidget& form, QObject& focusWatcher)
{
    return Layout(form, focusWatcher).Build();
}
