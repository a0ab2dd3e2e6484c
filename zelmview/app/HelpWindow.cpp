#include "app/HelpWindow.h"

#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "app/Resources.h"

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    InitZelmviewResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("zelmView Help"));
    setWindowIcon(ProgramIcon());
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setSource(QUrl(QStringLiteral("qrc:/zelmview/help.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 560);
}

HelpWindow* HelpWindow::ShowHelp(QWidget* parent, const QString& section)
{
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow(parent);
    window->browser->home();
    if (!section.isEmpty()) window->browser->scrollToAnchor(section);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
