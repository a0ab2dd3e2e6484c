#include "transient/TransientFieldBinding.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cmath>
#include <optional>

#include "data/BarrierCriterion.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"
#include "transient/LeadingNumber.h"
#include "transient/TransientFields.h"
#include "transient/XEdit.h"

namespace {

using Ids = TransientFormIds;
using transientform::NumericField;

const QString kBadNumberMessage = QStringLiteral("Please enter a number.");

// The comment's lines end in CR LF in the project and in LF in the edit box.
QString toFormLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QString toDocumentLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

TransientFieldBinding::TransientFieldBinding(const TransientFormControls& formControls,
                                             std::function<ZELMData&()> project, std::function<void()> modified)
    : controls(formControls), data(std::move(project)), markModified(std::move(modified))
{
}

void TransientFieldBinding::CopyDocumentToForm()
{
    const ZELMData& project = data();
    controls.inputModeGroup->button(project.inputMode != 0 ? 1 : 0)->setChecked(true);
    for (const NumericField& field : transientform::NumericFields()) formValues.insert(field.id, project.*field.member);
    controls.titleEdit->setText(project.title);
    controls.commentEdit->setPlainText(toFormLines(project.comment));
    controls.unitsList->setCurrentIndex(project.metricUnits == 1 ? 1 : 0);
    SetDrainModeRadio(project.barrierMode);
    ShowFormValues();
}

void TransientFieldBinding::ShowFormValues()
{
    for (auto it = controls.numericEdits.constBegin(); it != controls.numericEdits.constEnd(); ++it)
        it.value()->setText(zelm::FormatFieldReal(formValues.value(it.key())));
}

void TransientFieldBinding::SetDrainModeRadio(int barrierMode)
{
    switch (barrierMode) {
    case -1:
        controls.criteriaRadio->setChecked(true);
        break;
    case 0:
        controls.offBarrierRadio->setChecked(true);
        break;
    case 1:
        controls.onBarrierRadio->setChecked(true);
        break;
    default:
        break;
    }
}

void TransientFieldBinding::ShowUnitLabels(int units)
{
    if (units != 0 && units != 1) return;
    for (const transientform::UnitText& unit : transientform::UnitTexts())
        controls.unitLabels.value(unit.id)->setText(QString::fromLatin1(units == 0 ? unit.english : unit.metric));
}

void TransientFieldBinding::UpdateBarrierText()
{
    const double ratio = zelm::MaxWaterTableToBarrierRatio(data()).value_or(-1.0);
    if (ratio < 0.0) {
        controls.criteriaRadio->setText(QStringLiteral("Drain is on Barrier (Depth To Barrier = 0)"));
        return;
    }
    const QString text = zelm::IsOnBarrier(ratio)
                             ? QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = ")
                             : QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = ");
    controls.criteriaRadio->setText(text + QString::asprintf("%.2f", ratio) + QLatin1Char(')'));
}

void TransientFieldBinding::ApplyInputModeRule()
{
    const int mode = controls.inputModeGroup->checkedId() == 1 ? 1 : 0;
    controls.numericEdits.value(Ids::kRootZoneRequirement)->setEnabled(mode == 0);
    controls.numericEdits.value(Ids::kDrainSpacing)->setEnabled(mode == 1);
    data().inputMode = mode;
}

bool TransientFieldBinding::IsCommittedField(int controlId)
{
    return controlId == Ids::kTitle || controlId == Ids::kComment ||
           transientform::FindNumericField(controlId) != nullptr;
}

bool TransientFieldBinding::CommitInOrder(std::span<const int> order, bool stopAtFailure)
{
    bool allCommitted = true;
    for (int controlId : order) {
        if (CommitField(controlId)) continue;
        allCommitted = false;
        if (stopAtFailure) break;
    }
    return allCommitted;
}

bool TransientFieldBinding::CommitField(int controlId)
{
    if (const NumericField* field = transientform::FindNumericField(controlId)) return CommitNumber(*field);
    CommitTexts(controlId);
    return true;
}

bool TransientFieldBinding::CommitNumber(const NumericField& field)
{
    XEdit* edit = controls.numericEdits.value(field.id);
    // Each field is checked on its own, so a bad number elsewhere never resets this one.
    const std::optional<double> value = zelm::WholeReal(edit->text());
    if (!value) {
        RejectNumber(field.id);
        return false;
    }
    formValues.insert(field.id, *value);
    double& stored = data().*field.member;
    // Exact comparison; a value that is not a number always counts as changed.
    if (*value != stored || std::isnan(*value)) {
        stored = *value;
        markModified();
    }
    if (field.id == Ids::kDrainToBarrier || field.id == Ids::kRootZoneRequirement) UpdateBarrierText();
    return true;
}

void TransientFieldBinding::RejectNumber(int controlId)
{
    XEdit* edit = controls.numericEdits.value(controlId);
    formValues.insert(controlId, 0.0);
    edit->setText(QStringLiteral("0"));
    docview::showMessage(kBadNumberMessage);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void TransientFieldBinding::CommitTexts(int controlId)
{
    ZELMData& project = data();
    if (controlId == Ids::kTitle && controls.titleEdit->text() != project.title) {
        project.title = controls.titleEdit->text();
        markModified();
    }
    if (controlId == Ids::kComment) {
        const QString comment = toDocumentLines(controls.commentEdit->toPlainText());
        if (comment != project.comment) {
            project.comment = comment;
            markModified();
        }
    }
}

void TransientFieldBinding::SetFormValue(int controlId, double value)
{
    formValues.insert(controlId, value);
    controls.numericEdits.value(controlId)->setText(zelm::FormatFieldReal(value));
}
