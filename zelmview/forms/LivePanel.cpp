#include "forms/LivePanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace forms {

namespace {

// A row's value does not wrap: a form's rows would not grow to show the second line.
QLabel* selectableLabel(QWidget* parent, const QString& name, bool wraps)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(wraps);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

LivePanel::LivePanel(const QString& settingsKey, int width, QWidget* parent)
    : FoldingPanel(QStringLiteral("Live result"), settingsKey, parent)
{
    auto* content = new QWidget;
    content->setFixedWidth(width);
    column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    values = new QWidget(content);
    valueColumn = new QVBoxLayout(values);
    valueColumn->setContentsMargins(0, 0, 0, 0);
    column->addWidget(values);
    message = selectableLabel(content, QStringLiteral("panelMessage"), true);
    message->hide();
    column->addWidget(message);
    SetContent(content);
}

QLabel* LivePanel::GetLabel(const QString& name) const
{
    return findChild<QLabel*>(name);
}

QLabel* LivePanel::AddValue(const QString& label, const QString& name)
{
    if (rows == nullptr) {
        rows = new QFormLayout;
        valueColumn->addLayout(rows);
    }
    QLabel* value = selectableLabel(values, name, false);
    rows->addRow(label, value);
    valueLabels.append(value);
    return value;
}

QLabel* LivePanel::AddLine(const QString& name)
{
    QLabel* line = selectableLabel(values, name, true);
    valueColumn->addWidget(line);
    rows = nullptr;
    valueLabels.append(line);
    return line;
}

void LivePanel::ShowValues(bool shown)
{
    values->setVisible(shown);
    if (shown) return;
    for (QLabel* value : std::as_const(valueLabels)) value->clear();
}

void LivePanel::ShowMessage(const QString& text, bool isError)
{
    message->setStyleSheet(isError ? QStringLiteral("color: #b40000") : QString());
    message->setText(text);
    message->setVisible(!text.isEmpty());
}

}  // namespace forms
