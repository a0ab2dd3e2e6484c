// Small helpers of the controls of a project form: the label that names a control, and a choice
// of radio buttons shown from the project.
#pragma once

class QAbstractButton;
class QLabel;
class QString;
class QWidget;

namespace forms {

// A label with `text` that names `control`, for the eye and for a screen reader; its mnemonic,
// if any, moves the focus to the control.
QLabel* labelFor(QWidget* control, const QString& text);

// Checks `button` and makes it the one stop of Tab in its button group, so that Tab comes to the
// choice shown, as it does after the user chose with the arrows or the mouse.
void checkRadio(QAbstractButton* button);

}  // namespace forms
