#include "forms/FoldingPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "docview/ProfileStore.h"

namespace forms {

namespace {

const QString kOpen = QStringLiteral("open");
const QString kFolded = QStringLiteral("folded");

}  // namespace

FoldingPanel::FoldingPanel(const QString& title, const QString& key, QWidget* parent)
    : QWidget(parent), settingsKey(key)
{
    open = docview::getProfileString(docview::kProfileSection, settingsKey, kOpen) != kFolded;

    foldButton = new QToolButton(this);
    foldButton->setObjectName(QStringLiteral("foldButton"));
    foldButton->setAutoRaise(true);
    // Folding the panel leaves the focus where the user types: a field keeps its typed text.
    foldButton->setFocusPolicy(Qt::NoFocus);
    connect(foldButton, &QToolButton::clicked, this, [this] { SetOpen(!open); });
    titleLabel = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    titleLabel->setObjectName(QStringLiteral("panelTitle"));

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(foldButton);
    header->addWidget(titleLabel, 1);
    column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(header);
    column->addStretch(1);
    ShowOpen();
}

void FoldingPanel::SetContent(QWidget* newContent)
{
    delete content;
    content = newContent;
    content->setParent(this);
    column->insertWidget(1, content, 1);
    ShowOpen();
}

void FoldingPanel::SetOpen(bool isOpen)
{
    if (open == isOpen) return;
    open = isOpen;
    docview::writeProfileString(docview::kProfileSection, settingsKey, open ? kOpen : kFolded);
    ShowOpen();
    emit openChanged(open);
}

// Folded, the panel is the strip of its button alone.
void FoldingPanel::ShowOpen()
{
    foldButton->setArrowType(open ? Qt::RightArrow : Qt::LeftArrow);
    foldButton->setToolTip(open ? QStringLiteral("Fold the panel away") : QStringLiteral("Open the panel"));
    foldButton->setAccessibleName(foldButton->toolTip());
    titleLabel->setVisible(open);
    if (content != nullptr) content->setVisible(open);
    // The form beside it takes the width the panel does not need.
    setSizePolicy(open ? QSizePolicy::Maximum : QSizePolicy::Fixed, QSizePolicy::Preferred);
}

}  // namespace forms
