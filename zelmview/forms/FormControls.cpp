#include "forms/FormControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

namespace forms {

QLabel* labelFor(QWidget* control, const QString& text)
{
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

void checkRadio(QAbstractButton* button)
{
    button->setChecked(true);
    if (button->group() == nullptr) return;
    for (QAbstractButton* other : button->group()->buttons()) {
        const Qt::FocusPolicy policy = other->focusPolicy();
        other->setFocusPolicy(other == button ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

}  // namespace forms
