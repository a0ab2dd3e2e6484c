// The one way the program shows a modal message: a box with the caption "ZELM" and an OK button.
// Readers, writers and command handlers all report through showMessage, so tests can install a
// recording handler instead of a box. The header stays free of widgets so the data layer can use it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace docview {

using MessageHandler = std::function<void(const QString&)>;

// Shows `text` through the installed handler (by default a modal message box).
void showMessage(const QString& text);

// Installs `handler` and returns the one it replaces. An empty handler restores the message box.
MessageHandler setMessageHandler(MessageHandler handler);

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
