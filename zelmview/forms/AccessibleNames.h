// The names a screen reader gives the inputs of a form: an input is named after the label that
// stands before it (its text without the mnemonic mark and the closing colon), and the label
// becomes its buddy, so the label's mnemonic takes the focus to it.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace forms {

// "&Depth to the Drain:" reads "Depth to the Drain"; "Cost of O && M:" reads "Cost of O & M".
QString spokenLabel(const QString& labelText);

// Names `input` after `label` and makes it the label's buddy.
void nameAfterLabel(QWidget* input, QLabel* label);

}  // namespace forms
