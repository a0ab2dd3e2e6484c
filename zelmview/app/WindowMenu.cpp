#include "app/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

#include "app/WindowArrangement.h"
#include "docview/CommandIds.h"

using namespace docview;

namespace {

const char* const kWindowEntry = "windowEntry";
// Entries 1 to 9 get their digit as the mnemonic, as the platform's window lists do.
constexpr int kNumberedEntries = 9;

// The title as the window's own title bar shows it: the "[*]" mark of unsaved changes becomes
// "*" while the window's document is modified and disappears otherwise.
QString shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

QString entryText(int index, const QString& title)
{
    QString shown = title;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (index < kNumberedEntries) return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
    return QStringLiteral("%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

WindowMenu::WindowMenu(QMdiArea* windows, CommandAction commandAction, QObject* parent)
    : QObject(parent), area(windows), action(std::move(commandAction))
{
}

QMenu* WindowMenu::Create() const
{
    auto* menu = new QMenu(QStringLiteral("&Window"));
    menu->setObjectName(QStringLiteral("windowMenu"));
    for (int id : {kWindowNew, kWindowCascade, kWindowTileHorizontal, kWindowArrange}) menu->addAction(action(id));
    menu->addSeparator();
    for (int id : {kNextPane, kPreviousPane}) menu->addAction(action(id));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowList(menu); });
    return menu;
}

void WindowMenu::FillWindowList(QMenu* menu) const
{
    for (QAction* entry : menu->actions())
        if (entry->property(kWindowEntry).toBool()) {
            menu->removeAction(entry);
            entry->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    if (windows.isEmpty()) return;
    auto* separator = menu->addSeparator();
    separator->setProperty(kWindowEntry, true);
    const QMdiSubWindow* active = area->activeSubWindow();
    for (int index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows.at(index);
        QAction* entry = menu->addAction(entryText(index, shownTitle(window)));
        entry->setProperty(kWindowEntry, true);
        entry->setObjectName(QStringLiteral("windowEntry%1").arg(index + 1));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        connect(entry, &QAction::triggered, area, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window) area->setActiveSubWindow(window);
        });
    }
}

bool WindowMenu::HandleCommand(int commandId) const
{
    switch (commandId) {
    case kWindowCascade:
        Arrange([this](const QRect& visible, const QList<QSize>& minimums) {
            return windowarrangement::cascade(visible, minimums, CascadeStep());
        });
        return true;
    case kWindowTileHorizontal:
    case kWindowArrange:
        Arrange(&windowarrangement::tile);
        return true;
    case kNextPane:
        area->activateNextSubWindow();
        return true;
    case kPreviousPane:
        area->activatePreviousSubWindow();
        return true;
    default:
        return false;
    }
}

void WindowMenu::Arrange(const Arrangement& arrangement) const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList())
        if (window->isVisible() && !window->isMinimized()) windows.append(window);
    QList<QSize> minimums;
    for (QMdiSubWindow* window : windows) {
        // A maximised window gives up its maximised state to take its place.
        if (window->isMaximized()) window->showNormal();
        minimums.append(window->minimumSizeHint().expandedTo(window->minimumSize()));
    }
    const QList<QRect> places = arrangement(QRect(QPoint(), VisibleSize(minimums)), minimums);
    for (qsizetype k = 0; k < windows.size() && k < places.size(); ++k) windows.at(k)->setGeometry(places.at(k));
}

QSize WindowMenu::VisibleSize(const QList<QSize>& minimums) const
{
    // The area less the scroll bars that windows larger than it will bring.
    const QSize whole = area->contentsRect().size();
    const bool across = std::any_of(minimums.begin(), minimums.end(),
                                    [&](const QSize& minimum) { return minimum.width() > whole.width(); });
    const bool down = std::any_of(minimums.begin(), minimums.end(),
                                  [&](const QSize& minimum) { return minimum.height() > whole.height(); });
    return whole - QSize(down ? area->verticalScrollBar()->sizeHint().width() : 0,
                         across ? area->horizontalScrollBar()->sizeHint().height() : 0);
}

int WindowMenu::CascadeStep() const
{
    // One title bar: each window's title stays in sight above the next.
    QStyleOptionTitleBar option;
    option.initFrom(area);
    return area->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, area) +
           area->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, area);
}
