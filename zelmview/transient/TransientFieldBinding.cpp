#include "transient/TransientFieldBinding.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "data/BarrierCriterion.h"
#include "data/LeadingNumber.h"
#include "data/ZELMData.h"
#include "forms/AccessibleNames.h"
#include "forms/FormControls.h"
#include "transient/TransientFields.h"
#include "transient/XEdit.h"

namespace {

using Ids = TransientFormIds;
using transientform::NumericField;

// The comment's lines end in CR LF in the project and in LF in the edit box.
QString toFormLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The maximum water table follows the depth to the drain and the root zone requirement.
bool feedsMaxWaterTable(int controlId)
{
    return controlId == Ids::kDepthToDrain || controlId == Ids::kRootZoneRequirement;
}

// The typed fields in the order a save commits them.
constexpr int kCommitOrder[] = {Ids::kComment,      Ids::kDepthToDrain,
                                Ids::kDrainRadius,  Ids::kDrainToBarrier,
                                Ids::kDrainSpacing, Ids::kRootZoneRequirement,
                                Ids::kPermeability, Ids::kSpecificYield,
                                Ids::kTitle,        Ids::kAwhc};

// A number of the form into the project: the maximum water table follows the depth to the drain
// and the root zone requirement.
void setNumber(ZELMData& project, const NumericField& field, double value)
{
    project.*field.member = value;
    if (feedsMaxWaterTable(field.id)) zelm::updateMaxWaterTable(project);
}

}  // namespace

TransientFieldBinding::TransientFieldBinding(const TransientFormControls& formControls,
                                             std::function<const ZELMData&()> project, StoreChange storeChange)
    : controls(formControls), data(std::move(project)), store(std::move(storeChange))
{
    BindFields();
}

void TransientFieldBinding::BindFields()
{
    for (int controlId : kCommitOrder) {
        if (controlId == Ids::kComment) {
            fields.AddText(
                controls.commentEdit, [this] { return toFormLines(data().comment); },
                [this](const QString& typed) {
                    store(QStringLiteral("Comments"),
                          [comment = ZELMData::FittedComment(typed)](ZELMData& project) { project.comment = comment; });
                });
        } else if (controlId == Ids::kTitle) {
            fields.AddText(
                controls.titleEdit, [this] { return data().title; },
                [this](const QString& typed) {
                    store(QStringLiteral("Title"),
                          [title = ZELMData::FittedTitle(typed)](ZELMData& project) { project.title = title; });
                });
        } else {
            const NumericField& field = *transientform::FindNumericField(controlId);
            const auto member = field.member;
            fields.AddNumber(
                controls.numericEdits.value(controlId), [this, member] { return data().*member; },
                [this, &field](double value) {
                    store(QString::fromLatin1(field.label),
                          [&field, value](ZELMData& project) { setNumber(project, field, value); });
                },
                ZELMData::kLargestReal);
        }
    }
}

ZELMData TransientFieldBinding::ProjectAsTyped(QString* note) const
{
    ZELMData project = data();
    for (const NumericField& field : transientform::NumericFields()) {
        const auto typed = fields.TypedNumber(controls.numericEdits.value(field.id));
        if (!typed) continue;
        if (typed->number)
            setNumber(project, field, *typed->number);
        else if (note != nullptr)
            *note = QStringLiteral("\"%1\" in %2 is no number: the stored value counts.")
                        .arg(typed->text.trimmed(), QString::fromLatin1(field.label));
    }
    return project;
}

void TransientFieldBinding::CopyDocumentToForm()
{
    const ZELMData& project = data();
    const bool analysis = project.inputMode == ZELMData::InputMode::Analysis;
    forms::checkRadio(analysis ? controls.analysisRadio : controls.designRadio);
    fields.ShowAll();
    controls.unitsList->setCurrentIndex(controls.unitsList->findData(QVariant::fromValue(project.metricUnits)));
    SetDrainModeRadio(project.barrierMode);
}

void TransientFieldBinding::SetDrainModeRadio(ZELMData::BarrierMode barrierMode)
{
    using Mode = ZELMData::BarrierMode;
    switch (barrierMode) {
    case Mode::ByCriterion:
        forms::checkRadio(controls.criteriaRadio);
        break;
    case Mode::OffBarrier:
        forms::checkRadio(controls.offBarrierRadio);
        break;
    case Mode::OnBarrier:
        forms::checkRadio(controls.onBarrierRadio);
        break;
    default:
        // Another number from the file leaves the radio as it was.
        break;
    }
}

void TransientFieldBinding::ShowUnitLabels(ZELMData::Units units)
{
    for (const transientform::UnitText& unit : transientform::UnitTexts()) {
        auto* label = qobject_cast<QLabel*>(controls.byId.value(unit.id));
        label->setText(QString::fromLatin1(unit.In(units)));
        // A label that names a field (the AWHC's) names it anew for a screen reader.
        if (label->buddy() != nullptr) forms::nameAfterLabel(label->buddy(), label);
    }
}

void TransientFieldBinding::UpdateBarrierText()
{
    // Only a distance to the barrier of 0 says so. Once the distance is typed the ratio shows, also
    // while the root zone requirement still exceeds the depth to the drain (a new project whose
    // depth to the drain is not yet typed): the ratio is then negative, and the model's criterion
    // puts the drain off the barrier.
    const std::optional<double> ratio = zelm::maxWaterTableToBarrierRatio(data());
    if (!ratio) {
        controls.criteriaRadio->setText(QStringLiteral("Drain is on Barrier (Depth To Barrier = 0)"));
        return;
    }
    const QString text = zelm::isOnBarrier(*ratio)
                             ? QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = ")
                             : QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = ");
    controls.criteriaRadio->setText(text + QString::asprintf("%.2f", *ratio) + QLatin1Char(')'));
}

ZELMData::InputMode TransientFieldBinding::ChosenInputMode() const
{
    return controls.analysisRadio->isChecked() ? ZELMData::InputMode::Analysis : ZELMData::InputMode::Design;
}

void TransientFieldBinding::ApplyInputModeRule()
{
    const ZELMData::InputMode mode = ChosenInputMode();
    controls.numericEdits.value(Ids::kRootZoneRequirement)->setEnabled(mode == ZELMData::InputMode::Design);
    controls.numericEdits.value(Ids::kDrainSpacing)->setEnabled(mode == ZELMData::InputMode::Analysis);
}

void TransientFieldBinding::StoreInputMode()
{
    const ZELMData::InputMode mode = ChosenInputMode();
    store(QStringLiteral("Input Mode"), [mode](ZELMData& project) { project.inputMode = mode; });
}

void TransientFieldBinding::SetFormText(int controlId, const QString& text)
{
    controls.numericEdits.value(controlId)->setText(text);
}
