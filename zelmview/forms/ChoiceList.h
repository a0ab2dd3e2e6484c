// A drop-down list of a project form, whose choice the user makes on purpose: an item picked from
// the open list, or a step with the keyboard. A wheel turned over the closed list (while the user
// scrolls the form) passes on to the form and changes nothing.
#pragma once

#include <QComboBox>
#include <QWheelEvent>

namespace forms {

class ChoiceList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace forms
