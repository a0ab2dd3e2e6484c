// The binding of the transient form's fields to the project: the form keeps its own copy of the
// numbers it shows; values move into the project one field at a time (when a field loses the
// focus) and all of them, in a fixed order, before a save or a run. A field whose text is not a
// number is reset to "0" with a message and commits nothing.
#pragma once

#include <QHash>
#include <functional>
#include <span>

#include "transient/TransientFormLayout.h"

class ZELMData;

namespace transientform {
struct NumericField;
}

class TransientFieldBinding {
public:
    // `data` gives the project being edited; `markModified` is called for every stored change.
    TransientFieldBinding(const TransientFormControls& controls, std::function<ZELMData&()> data,
                          std::function<void()> markModified);

    // The project's values into the form: input mode, numbers, title, comment, units, drain mode.
    void CopyDocumentToForm();
    void ShowFormValues();
    // The unit labels for unit code 0 or 1; another code leaves them.
    void ShowUnitLabels(int units);
    // "Drain is on Barrier (...)" or "off": the criterion radio's text for the project's values.
    void UpdateBarrierText();
    // Enables the root zone requirement (Design) or the existing spacing (Analysis) and stores the
    // mode.
    void ApplyInputModeRule();

    // Whether `controlId` is a field that commits on its own: a numeric field, the title or the
    // comment.
    static bool IsCommittedField(int controlId);
    // Commits one field; false for a bad number, which turns the field into "0".
    bool CommitField(int controlId);
    // Commits the fields in `order`; with `stopAtFailure` it stops at the first bad number.
    // Returns whether all were committed.
    bool CommitInOrder(std::span<const int> order, bool stopAtFailure);

    // Shows `value` in a numeric field without committing it (a computed specific yield).
    void SetFormValue(int controlId, double value);

private:
    bool CommitNumber(const transientform::NumericField& field);
    void CommitTexts(int controlId);
    void RejectNumber(int controlId);
    void SetDrainModeRadio(int barrierMode);

    const TransientFormControls& controls;
    std::function<ZELMData&()> data;
    std::function<void()> markModified;
    // The form's own copy of the numbers shown, by control id.
    QHash<int, double> formValues;
};
