// The handler switches behind showMessage and showStatus, which tests use, and the console as the
// last resort of a message.
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

// A status note without a status bar has no one to tell.
void dropNote(const QString&) {}

struct Sink {
    MessageHandler fallback;
    MessageHandler standard;
    MessageHandler installed;  // empty while the standard handler applies

    void show(const QString& text) const
    {
        const MessageHandler& handler = installed ? installed : standard;
        handler(text);
    }
};

Sink& sink(MessageChannel channel)
{
    static Sink box{writeToConsole, writeToConsole, {}};
    static Sink statusBar{dropNote, dropNote, {}};
    return channel == MessageChannel::Box ? box : statusBar;
}

}  // namespace

void showMessage(const QString& text)
{
    sink(MessageChannel::Box).show(text);
}

void showStatus(const QString& text)
{
    sink(MessageChannel::StatusBar).show(text);
}

MessageHandler setMessageHandler(MessageHandler handler, MessageChannel channel)
{
    return std::exchange(sink(channel).installed, std::move(handler));
}

void setStandardMessageHandler(MessageHandler handler, MessageChannel channel)
{
    Sink& target = sink(channel);
    target.standard = handler ? std::move(handler) : target.fallback;
}

MessageRecorder::MessageRecorder(MessageChannel which)
    : channel(which), previous(setMessageHandler([this](const QString& text) { recorded.append(text); }, which))
{
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(previous), channel);
}

StatusNoteBatch::StatusNoteBatch()
    : previous(setMessageHandler([this](const QString& text) { notes.append(text); }, MessageChannel::StatusBar))
{
}

StatusNoteBatch::~StatusNoteBatch()
{
    setMessageHandler(std::move(previous), MessageChannel::StatusBar);
    if (!notes.isEmpty()) showStatus(notes.join(QLatin1Char(' ')));
}

}  // namespace docview
