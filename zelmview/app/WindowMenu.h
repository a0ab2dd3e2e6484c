// The Window menu of every document's menu bar and the commands that arrange the windows inside
// the main window: New Window, Cascade, Tile and Arrange Icons, the next and previous window, and
// below them the open windows, the active one checked, each bringing its window to the front.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;

class WindowMenu : public QObject {
    Q_OBJECT

public:
    using CommandAction = std::function<QAction*(int commandId)>;

    // `area` holds the windows; `action` gives the shared action of a command id.
    WindowMenu(QMdiArea* area, CommandAction action, QObject* parent = nullptr);

    // A new Window menu; its list of windows is filled each time it opens.
    QMenu* Create() const;
    // Cascade, Tile, Arrange Icons, next and previous window; false for other commands.
    bool HandleCommand(int commandId) const;

private:
    void FillWindowList(QMenu* menu) const;
    void Tile() const;

    QMdiArea* area;
    CommandAction action;
};
