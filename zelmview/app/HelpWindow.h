// The program's help: one window with pages about each window, the units and the file types.
// There is one help window; asking again brings it to the front. Escape closes it.
#pragma once

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window (creating it on first use) at `section`, an anchor of the page, or at the
    // contents when it is empty.
    static HelpWindow* ShowHelp(QWidget* parent, const QString& section = {});
    QTextBrowser* GetBrowser() const { return browser; }

private:
    QTextBrowser* browser;
};
