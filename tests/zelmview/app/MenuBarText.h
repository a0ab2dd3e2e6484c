// What a test reads of a menu bar: the titles of its menus, and a menu by its title.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

inline QStringList menuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* action : bar->actions()) titles.append(action->text());
    return titles;
}

// The menu titled `title` ("&File"); null when the bar has none.
inline QMenu* menuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}
