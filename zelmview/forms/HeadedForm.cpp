#include "forms/HeadedForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "docview/ControlId.h"
#include "forms/AccessibleNames.h"

namespace forms {

namespace {

// Room around the form's controls, and between them.
constexpr int kMargin = 8;
constexpr int kHeadingGap = 4;
constexpr int kRowGap = 6;
constexpr int kButtonGap = 8;
// A little taller than the style's buttons, as the program's forms have always had them.
constexpr int kButtonHeight = 28;

}  // namespace

ButtonRow::ButtonRow(int span, QWidget* form) : span(span), form(form)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(kButtonGap);
}

QPushButton* ButtonRow::AddButton(int controlId, const QString& text, const QString& name)
{
    auto* button = new QPushButton(text, form);
    button->setObjectName(name);
    docview::setControlId(button, controlId);
    button->setMinimumHeight(kButtonHeight);
    addWidget(button);
    return button;
}

void ButtonRow::setGeometry(const QRect& rect)
{
    // From the left, the row takes its span (or what its controls ask for, when more) of the
    // width the form gives it, or all of it when that is less.
    const int width = std::max(span, QHBoxLayout::sizeHint().width());
    QHBoxLayout::setGeometry(QRect(rect.topLeft(), QSize(std::min(rect.width(), width), rect.height())));
}

ButtonRow* layOutHeadedForm(QWidget* form, const QString& heading, QWidget* main, int defaultWidth)
{
    auto* row = new ButtonRow(defaultWidth - 2 * kMargin, form);
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(0);
    auto* label = new QLabel(heading, form);
    // A screen reader names the control after the heading above it.
    nameAfterLabel(main, label);
    column->addWidget(label);
    column->addSpacing(kHeadingGap);
    column->addWidget(main, 1);
    column->addSpacing(kRowGap);
    column->addLayout(row);
    return row;
}

}  // namespace forms
