// The forms of the windows that show one large control (a report, a table): a heading over the
// control, and a row of buttons under it. The control takes every change of the window's size.
// At the window's default size the row spans the width the form gives it there; when the window
// grows, the row keeps that span, so every button stays where the user found it. A narrower
// window narrows the row from the right: first the room between its controls, then a control that
// may shrink. The row is a layout: its controls are children of the form itself.
#pragma once

#include <QHBoxLayout>

class QPushButton;

namespace forms {

class ButtonRow : public QHBoxLayout {
    Q_OBJECT

public:
    // A row of the controls of `form` that spans `span`, to be added to the form's layout.
    ButtonRow(int span, QWidget* form);

    // A button named `name` that carries `controlId`, after the controls so far.
    QPushButton* AddButton(int controlId, const QString& text, const QString& name);

    void setGeometry(const QRect& rect) override;

private:
    const int span;
    QWidget* form;
};

// Lays out `form` with `heading` over `main` over a row of buttons, for a window whose default
// width is `defaultWidth`; `main` is named after the heading for screen readers. Returns the row,
// for the form to fill.
ButtonRow* layOutHeadedForm(QWidget* form, const QString& heading, QWidget* main, int defaultWidth);

}  // namespace forms
