// The single-line field of the form's numbers: it selects all its text when it gets the focus and
// moves the focus on with the keyboard (Enter, Tab and Down to the next control, Up and Shift+Tab
// to the previous one, Page Down and Page Up within its group box). It does not filter what is
// typed; the form checks the number when it reads the field.
#pragma once

#include <QLineEdit>

class XEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit XEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool HandleMoveKey(int key, Qt::KeyboardModifiers modifiers);
    // The next or previous control that takes the focus among the field's siblings (its group).
    void FocusInGroup(bool next);
};
