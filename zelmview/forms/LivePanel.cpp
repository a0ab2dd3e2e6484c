#include "forms/LivePanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace forms {

namespace {

QLabel* selectableLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
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
    rows = new QFormLayout(values);
    rows->setContentsMargins(0, 0, 0, 0);
    column->addWidget(values);
    message = selectableLabel(content, QStringLiteral("panelMessage"));
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
    QLabel* value = selectableLabel(values, name);
    rows->addRow(label, value);
    valueLabels.append(value);
    return value;
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
