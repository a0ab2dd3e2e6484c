// The message box behind showMessage and the handler switch that tests use.
#include "docview/MessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QtDebug>
#include <utility>

namespace docview {
namespace {

void showMessageBox(const QString& text)
{
    // Without a widget application a box cannot be shown (a console tool or a test that forgot
    // to install a recorder); the message must still not be lost.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        qWarning().noquote() << "ZELM:" << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZELM"), text, QMessageBox::Ok);
    box.exec();
}

MessageHandler& installedHandler()
{
    static MessageHandler handler = showMessageBox;
    return handler;
}

}  // namespace

void showMessage(const QString& text)
{
    installedHandler()(text);
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    if (!handler) handler = showMessageBox;
    return std::exchange(installedHandler(), std::move(handler));
}

MessageRecorder::MessageRecorder() : previous(setMessageHandler([this](const QString& text) { recorded.append(text); }))
{
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(previous));
}

}  // namespace docview
