// The one way the program shows a modal message, and the one way it leaves a note in the status
// bar. Readers, writers and command handlers all report through showMessage, so tests can install
// a recording handler instead. The standard handler is a box with the caption "ZELM" and an OK
// button once the widgets have installed it (docview/StandardDialogs.h); before that a message goes
// to the console. A status note (a value the rules of a cell changed, lines a paste skipped) asks
// nothing: the main window shows it in its status bar, and without one it goes nowhere. This half
// builds without widgets, so the data layer can use it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace docview {

using MessageHandler = std::function<void(const QString&)>;

// Where a text goes: a modal box, or the status bar.
enum class MessageChannel { Box, StatusBar };

// Shows `text` through the installed handler, or the standard one when none is installed.
void showMessage(const QString& text);
// The same for a note in the status bar.
void showStatus(const QString& text);

// Installs `handler` and returns the one it replaces. An empty handler restores the standard one.
MessageHandler setMessageHandler(MessageHandler handler, MessageChannel channel = MessageChannel::Box);

// Makes `handler` the standard handler; an empty one goes back to the console (for the box) or to
// nothing (for the status bar).
void setStandardMessageHandler(MessageHandler handler, MessageChannel channel = MessageChannel::Box);

// Collects every text of its channel shown while it lives instead of showing it; restores the
// previous handler when it goes out of scope.
class MessageRecorder {
public:
    explicit MessageRecorder(MessageChannel channel = MessageChannel::Box);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& messages() const { return recorded; }
    void clear() { recorded.clear(); }

private:
    MessageChannel channel;
    QStringList recorded;
    MessageHandler previous;
};

// Gathers the status notes shown while it lives and shows them as one note when it ends, so a
// command that changes many values (a paste) says all it has to say at once.
class StatusNoteBatch {
public:
    StatusNoteBatch();
    ~StatusNoteBatch();
    StatusNoteBatch(const StatusNoteBatch&) = delete;
    StatusNoteBatch& operator=(const StatusNoteBatch&) = delete;

private:
    QStringList notes;
    MessageHandler previous;
};

}  // namespace docview
