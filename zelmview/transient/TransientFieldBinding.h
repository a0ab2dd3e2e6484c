// The binding of the transient form's fields and choices to the project. The typed fields (the
// numbers, the title and the comment) go through the editors' one field binder: each is stored
// when the user changed the text it was shown with, one change of the project, when it loses the
// focus and, with the others in a fixed order, before a save, a run, an undo or a close; the title
// and the comment as the file keeps them. Showing the project never changes it: the input-mode
// rule and the barrier text only read it.
#pragma once

#include <QString>
#include <functional>

#include "data/ZELMData.h"
#include "forms/FieldBinder.h"
#include "transient/TransientFormLayout.h"

class TransientFieldBinding {
public:
    // Stores one change of the project: `change` edits it, `text` names the change.
    using StoreChange = std::function<bool(const QString& text, const std::function<void(ZELMData&)>& change)>;

    // `data` gives the project being edited; every change the user makes goes through `store`.
    TransientFieldBinding(const TransientFormControls& controls, std::function<const ZELMData&()> data,
                          StoreChange store);

    // The project's values into the form, where they differ from what the form shows: input
    // mode, numbers, title, comment, units, drain mode.
    void CopyDocumentToForm();
    // The unit labels of `units`.
    void ShowUnitLabels(ZELMData::Units units);
    // "Drain is on Barrier (...)" or "off": the criterion radio's text for the project's values.
    void UpdateBarrierText();
    // Enables the root zone requirement (Design) or the existing spacing (Analysis) as the radio
    // says.
    void ApplyInputModeRule();
    // The input mode the user chose, stored.
    void StoreInputMode();

    // Commits every typed field in the order a save gives: the comment, the depth to the drain,
    // the drain radius, the drain to barrier, the existing spacing, the root zone requirement, the
    // permeability, the specific yield, the title and the AWHC. Stops at, and returns false for,
    // the first text that is no number.
    bool CommitAll() { return fields.CommitAll(); }

    // The project with the numbers the user is typing and has not stored, each read by the rule a
    // commit applies; nothing is stored. `note` (when given) tells of a typed text that is no
    // number, which leaves the stored value.
    ZELMData ProjectAsTyped(QString* note = nullptr) const;

    // Shows `text` in a numeric field without committing it (a computed specific yield).
    void SetFormText(int controlId, const QString& text);

private:
    void BindFields();
    void SetDrainModeRadio(ZELMData::BarrierMode barrierMode);
    ZELMData::InputMode ChosenInputMode() const;

    const TransientFormControls& controls;
    std::function<const ZELMData&()> data;
    StoreChange store;
    forms::FieldBinder fields;
};
