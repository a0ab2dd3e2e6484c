// The handler switch behind showMessage, which tests use, and the console as the last resort.
#include "docview/MessageSink.h"

#include <QtDebug>
#include <utility>

namespace docview {
namespace {

// Without widgets a box cannot be shown (a console tool or a test that forgot to install a
// recorder); the message must still not be lost.
void writeToConsole(const QString& text)
{
    qWarning().noquote() << "ZELM:" << text;
}

MessageHandler& standardHandler()
{
    static MessageHandler handler = writeToConsole;
    return handler;
}

// Empty while the standard handler applies.
MessageHandler& installedHandler()
{
    static MessageHandler handler;
    return handler;
}

}  // namespace

void showMessage(const QString& text)
{
    const MessageHandler& handler = installedHandler() ? installedHandler() : standardHandler();
    handler(text);
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(installedHandler(), std::move(handler));
}

void setStandardMessageHandler(MessageHandler handler)
{
    standardHandler() = handler ? std::move(handler) : writeToConsole;
}

MessageRecorder::MessageRecorder() : previous(setMessageHandler([this](const QString& text) { recorded.append(text); }))
{
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(previous));
}

}  // namespace docview
