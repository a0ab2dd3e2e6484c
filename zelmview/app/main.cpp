// zelmview: the windowed program of the drainage design suite. "--help" and "--version" print
// and end before any window (or display) is needed.
#include <QApplication>
#include <cstdio>

#include "app/CZelmViewApp.h"
#include "app/CommandLine.h"

int main(int argc, char* argv[])
{
    QStringList given;
    for (int k = 1; k < argc; ++k) given.append(QString::fromLocal8Bit(argv[k]));
    if (const std::optional<QString> reply = commandline::printedReply(given)) {
        std::fputs(reply->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelmview"));
    QApplication::setDesktopFileName(QStringLiteral("zelmview"));

    CZelmViewApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
    return QApplication::exec();
}
