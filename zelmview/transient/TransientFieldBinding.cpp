#include "transient/TransientFieldBinding.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cmath>

#include "data/BarrierCriterion.h"
#include "data/LeadingNumber.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"
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
QString toDocumentLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The same stored value, a value that is not a number included.
bool sameValue(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The maximum water table follows the depth to the drain and the root zone requirement.
bool feedsMaxWaterTable(int controlId)
{
    return controlId == Ids::kDepthToDrain || controlId == Ids::kRootZoneRequirement;
}

}  // namespace

TransientFieldBinding::TransientFieldBinding(const TransientFormControls& formControls,
                                             std::function<ZELMData&()> project, StoreChange storeChange)
    : controls(formControls), data(std::move(project)), store(std::move(storeChange))
{
}

void TransientFieldBinding::CopyDocumentToForm()
{
    const ZELMData& project = data();
    const bool analysis = project.inputMode == ZELMData::InputMode::Analysis;
    (analysis ? controls.analysisRadio : controls.designRadio)->setChecked(true);
    for (const NumericField& field : transientform::NumericFields()) ShowNumber(field, false);
    ShowTexts();
    controls.unitsList->setCurrentIndex(controls.unitsList->findData(QVariant::fromValue(project.metricUnits)));
    SetDrainModeRadio(project.barrierMode);
}

void TransientFieldBinding::ShowNumber(const NumericField& field, bool always)
{
    const double value = data().*field.member;
    const auto shown = shownNumbers.constFind(field.id);
    if (!always && shown != shownNumbers.constEnd() && sameValue(shown->value, value)) return;
    const Shown now{value, zelm::formatFieldReal(value)};
    shownNumbers.insert(field.id, now);
    controls.numericEdits.value(field.id)->setText(now.text);
}

void TransientFieldBinding::ShowTexts()
{
    const ZELMData& project = data();
    if (shownTitle != project.title) {
        shownTitle = project.title;
        controls.titleEdit->setText(project.title);
    }
    if (shownComment != project.comment) {
        shownComment = project.comment;
        controls.commentEdit->setPlainText(toFormLines(project.comment));
    }
}

void TransientFieldBinding::SetDrainModeRadio(ZELMData::BarrierMode barrierMode)
{
    using Mode = ZELMData::BarrierMode;
    switch (barrierMode) {
    case Mode::ByCriterion:
        controls.criteriaRadio->setChecked(true);
        break;
    case Mode::OffBarrier:
        controls.offBarrierRadio->setChecked(true);
        break;
    case Mode::OnBarrier:
        controls.onBarrierRadio->setChecked(true);
        break;
    default:
        // Another number from the file leaves the radio as it was.
        break;
    }
}

void TransientFieldBinding::ShowUnitLabels(ZELMData::Units units)
{
    for (const transientform::UnitText& unit : transientform::UnitTexts())
        controls.unitLabels.value(unit.id)->setText(QString::fromLatin1(unit.In(units)));
}

void TransientFieldBinding::UpdateBarrierText()
{
    const double ratio = zelm::maxWaterTableToBarrierRatio(data()).value_or(-1.0);
    if (ratio < 0.0) {
        controls.criteriaRadio->setText(QStringLiteral("Drain is on Barrier (Depth To Barrier = 0)"));
        return;
    }
    const QString text = zelm::isOnBarrier(ratio)
                             ? QStringLiteral("Drain is on Barrier (Max WT / Depth To Barrier = ")
                             : QStringLiteral("Drain is off Barrier (Max WT / Depth To Barrier = ");
    controls.criteriaRadio->setText(text + QString::asprintf("%.2f", ratio) + QLatin1Char(')'));
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
    data().inputMode = mode;
}

void TransientFieldBinding::StoreInputMode()
{
    const ZELMData::InputMode mode = ChosenInputMode();
    store(QStringLiteral("Input Mode"), [mode](ZELMData& project) { project.inputMode = mode; });
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
    // A text the user left as it was shown stores nothing, so a rounded display never replaces
    // the value behind it.
    if (edit->text() == shownNumbers.value(field.id).text) return true;
    // Each field is checked on its own, so a bad number elsewhere never resets this one.
    const std::optional<double> value = zelm::wholeReal(edit->text());
    if (!value) {
        RejectNumber(field.id);
        return false;
    }
    const auto member = field.member;
    const bool maxWaterTableFollows = feedsMaxWaterTable(field.id);
    store(QString::fromLatin1(field.label), [member, maxWaterTableFollows, value](ZELMData& project) {
        project.*member = *value;
        if (maxWaterTableFollows) zelm::updateMaxWaterTable(project);
    });
    // The field shows what it holds now in the form of every other value, and its own typing is
    // no longer to be undone on its own: the project's undo takes over.
    ShowNumber(field, true);
    return true;
}

void TransientFieldBinding::RejectNumber(int controlId)
{
    XEdit* edit = controls.numericEdits.value(controlId);
    edit->setText(QStringLiteral("0"));
    docview::showMessage(zelm::kNotANumberPrompt);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void TransientFieldBinding::CommitTexts(int controlId)
{
    if (controlId == Ids::kTitle && controls.titleEdit->text() != shownTitle) {
        const QString title = controls.titleEdit->text();
        store(QStringLiteral("Title"), [title](ZELMData& project) { project.title = title; });
    }
    if (controlId == Ids::kComment) {
        const QString comment = toDocumentLines(controls.commentEdit->toPlainText());
        if (comment != shownComment)
            store(QStringLiteral("Comments"), [comment](ZELMData& project) { project.comment = comment; });
    }
}

void TransientFieldBinding::SetFormValue(int controlId, double value)
{
    controls.numericEdits.value(controlId)->setText(zelm::formatFieldReal(value));
}
