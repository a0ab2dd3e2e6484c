// The one way the program shows a modal message. Readers, writers and command handlers all report
// through showMessage, so tests can install a recording handler instead. The standard handler is
// a box with the caption "ZELM" and an OK button once the widgets have installed it
// (docview/StandardDialogs.h); before that a message goes to the console. This half builds
// without widgets, so the data layer can use it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace docview {

using MessageHandler = std::function<void(const QString&)>;

// Shows `text` through the installed handler, or the standard one when none is installed.
void showMessage(const QString& text);

// Installs `handler` and returns the one it replaces. An empty handler restores the standard one.
MessageHandler setMessageHandler(MessageHandler handler);

// Makes `handler` the standard handler; an empty one goes back to the console.
void setStandardMessageHandler(MessageHandler handler);

// Collects every message shown while it lives instead of showing it; restores the previous handler
// when it goes out of scope.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& messages() const { return recorded; }
    void clear() { recorded.clear(); }

private:
    QStringList recorded;
    MessageHandler previous;
};

}  // namespace docview
