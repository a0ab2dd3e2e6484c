#include "app/StatusBarPanes.h"

#include <QLabel>
#include <QStatusBar>

#include "docview/CommandIds.h"
#include "docview/ControlId.h"

namespace {

const QString kIdleMessage = QStringLiteral("Ready");

}  // namespace

QHash<int, QLabel*> CreateStatusBarPanes(QStatusBar* bar)
{
    QHash<int, QLabel*> indicators;
    for (const auto& [id, text] : {std::pair{docview::kIndicatorCaps, "CAP"}, std::pair{docview::kIndicatorNum, "NUM"},
                                   std::pair{docview::kIndicatorScroll, "SCRL"}}) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setObjectName(QStringLiteral("indicator%1").arg(text));
        docview::setControlId(label, id);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRLM")));
        // The lock-key state is not reported to the program here, so the panes stay dimmed.
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        indicators.insert(id, label);
    }
    // The message area falls back to "Ready" whenever a prompt goes away.
    bar->showMessage(kIdleMessage);
    QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(kIdleMessage);
    });
    return indicators;
}
