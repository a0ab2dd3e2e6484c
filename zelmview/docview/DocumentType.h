// One document type as the application registers it: its template strings, its File menu and the
// menus of its own, the commands it brings, its help section, how to make its document and view,
// and how it keeps its commands' check marks. Each type describes itself in its own room; the
// application registers the types in their order, and the main window knows their commands only
// by id.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

#include "docview/DocTemplate.h"

class QAction;

namespace docview {

class View;

// Which File menu a menu bar carries.
enum class FileMenuKind { NoDocument, WithClose, WithSave };

// A command: its id, menu text, accelerator and status-bar prompt (a part after "\n" is the
// tool-bar tip). A command that follows the view is enabled while the active view handles it. A
// standard key, where one is given, brings all of the platform's keys for it instead of `key`.
struct CommandSpec {
    int id = 0;
    QString text;
    QKeySequence key = {};
    QString prompt = {};
    bool checkable = false;
    bool followsView = false;
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
};

// An item of a type's menu: a command by id, or a separator (id 0). An item with a text of its
// own names a shared command in this type's words ("&Run Transient Model" for the tool bar's Run)
// and is enabled whenever the shared command is.
struct MenuItemSpec {
    int commandId = 0;
    QString text = {};
    QString objectName = {};
    QString prompt = {};
};

struct MenuSpec {
    QString title;
    QString objectName;
    QList<MenuItemSpec> items;
};

// What a type sees of the main window when it keeps its commands' states.
class CommandBoard {
public:
    virtual ~CommandBoard() = default;
    virtual QAction* GetCommandAction(int commandId) const = 0;
    virtual View* GetActiveView() const = 0;
};

struct DocumentType {
    int resourceId = 0;
    // The seven template strings separated by "\n" (see DocTemplate::DocStringIndex).
    QString description;
    FileMenuKind fileMenu = FileMenuKind::WithClose;
    // The application's command that creates an untitled document of this type; 0 for none.
    int newCommand = 0;
    // Opening a path that an open document of this type contains closes that document first, so
    // a model rerun replaces the window of its report.
    bool replacedOnReopen = false;
    QList<CommandSpec> commands;
    // The menus between File and View.
    QList<MenuSpec> menus;
    // The anchor in the help page that the type's Help opens at; empty for the contents.
    QString helpSection;
    DocTemplate::DocumentFactory makeDocument;
    DocTemplate::ViewFactory makeView;
    // Sets what following the view does not: check marks of the type's commands.
    std::function<void(const CommandBoard& board)> updateCommands;
};

}  // namespace docview
