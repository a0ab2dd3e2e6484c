// The binding of the transient form's fields to the project. The form keeps, for every field, the
// value it shows and the text it showed it with: a field is stored only when the user changed
// that text, so showing a value never changes it, and a value the project already holds is shown
// again only when the project's value differs from the one shown. Values move into the project
// one field at a time (when a field loses the focus) and all of them, in a fixed order, before a
// save or a run; each stored value is one change of the project (see StoreChange). A field whose
// text is not a number is reset to "0" with a message and stores nothing.
#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "data/ZELMData.h"
#include "transient/TransientFormLayout.h"

namespace transientform {
struct NumericField;
}

class TransientFieldBinding {
public:
    // Stores one change of the project: `change` edits it, `text` names the change.
    using StoreChange = std::function<bool(const QString& text, const std::function<void(ZELMData&)>& change)>;

    // `data` gives the project being edited; every change the user makes goes through `store`.
    TransientFieldBinding(const TransientFormControls& controls, std::function<ZELMData&()> data, StoreChange store);

    // The project's values into the form, where they differ from what the form shows: input
    // mode, numbers, title, comment, units, drain mode.
    void CopyDocumentToForm();
    // The unit labels of `units`.
    void ShowUnitLabels(ZELMData::Units units);
    // "Drain is on Barrier (...)" or "off": the criterion radio's text for the project's values.
    void UpdateBarrierText();
    // Enables the root zone requirement (Design) or the existing spacing (Analysis) as the radio
    // says, and keeps the project's mode to the radio's.
    void ApplyInputModeRule();
    // The input mode the user chose, stored.
    void StoreInputMode();

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
    // What a field shows: the project's value and the text it was shown with.
    struct Shown {
        double value = 0.0;
        QString text;
    };

    bool CommitNumber(const transientform::NumericField& field);
    void CommitTexts(int controlId);
    void RejectNumber(int controlId);
    void SetDrainModeRadio(ZELMData::BarrierMode barrierMode);
    ZELMData::InputMode ChosenInputMode() const;
    // Shows the project's value in a numeric field, unless it shows that value already and
    // `always` is off.
    void ShowNumber(const transientform::NumericField& field, bool always);
    void ShowTexts();

    const TransientFormControls& controls;
    std::function<ZELMData&()> data;
    StoreChange store;
    QHash<int, Shown> shownNumbers;
    std::optional<QString> shownTitle;
    std::optional<QString> shownComment;
};
