// The frame of one view inside the main window: created visible and maximised, titled with the
// document's name and marked while the document has unsaved changes; before the user closes it, it
// asks the view and, when it is the document's last window, the save question.
#pragma once

#include <QMdiSubWindow>

namespace docview {
class View;
}

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(docview::View* view, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    docview::View* view;
};
