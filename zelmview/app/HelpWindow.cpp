#include "app/HelpWindow.h"

#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "app/Resources.h"

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    initZelmviewResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("zelmView Help"));
    setWindowIcon(programIcon());
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setSource(QUrl(QStringLiteral("qrc:/zelmview/help.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    // Escape closes the help, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(640, 560);
}

HelpWindow* HelpWindow::ShowHelp(QWidget* parent, const QString& section)
{
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
    // The page is laid out only once the window is shown, so it scrolls to the section after that.
    window->browser->home();
    window->browser->verticalScrollBar()->setValue(0);
    if (!section.isEmpty()) window->browser->scrollToAnchor(section);
    return window;
}
