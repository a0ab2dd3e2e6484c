#include "app/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

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
        area->cascadeSubWindows();
        return true;
    case kWindowTileHorizontal:
    case kWindowArrange:
        Tile();
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

void WindowMenu::Tile() const
{
    area->tileSubWindows();
}
