// The Window menu of every document's menu bar and the commands that arrange the windows inside
// the main window: New Window, Cascade, Tile and Arrange Icons (WindowArrangement says where the
// windows go), the next and previous window, and below them the open windows, the active one
// checked, each bringing its window to the front.
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
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
    // Where the windows go, given the visible part of the area and their least sizes.
    using Arrangement = std::function<QList<QRect>(const QRect& visible, const QList<QSize>& minimums)>;

    void FillWindowList(QMenu* menu) const;
    // Places the shown windows, in the order they were opened, as `arrangement` says.
    void Arrange(const Arrangement& arrangement) const;
    // The part of the area the windows may take: all of it, less the scroll bars that windows
    // whose least sizes are `minimums` will bring.
    QSize VisibleSize(const QList<QSize>& minimums) const;
    int CascadeStep() const;

    QMdiArea* area;
    CommandAction action;
};
