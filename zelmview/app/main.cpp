// zelmview: the windowed program of the drainage design suite.
#include <QApplication>

#include "app/CZelmViewApp.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelmview"));
    QApplication::setDesktopFileName(QStringLiteral("zelmview"));

    CZelmViewApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
    return QApplication::exec();
}
