// The frame of one view inside the main window: created visible and maximised, titled with the
// document's name and marked while the document has unsaved changes; before the user closes it, it
// asks the view and, when it is the document's last window, the save question. The title puts the
// file's name before its folder, so a long path never hides the name, and numbers the windows of a
// document that has more than one (":1", ":2").
#pragma once

#include <QMdiSubWindow>
#include <QPointer>

namespace docview {
class Document;
class View;
}  // namespace docview

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(docview::View* view, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The title of window `number` (from 1; 0 for a document's only window) of a document titled
    // `documentTitle`: "hillcrest-design.otr:2 - /home/ann/fields" for "/home/ann/fields/
    // hillcrest-design.otr"; a title without a folder stays as it is, numbered. `mark` (the mark of
    // unsaved changes) goes after the name.
    static QString FrameTitle(const QString& documentTitle, int number, const QString& mark = {});

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Retitles every window of `document` with its number among them.
    static void RetitleWindowsOf(docview::Document* document);
    void Retitle(int number);

    QPointer<docview::View> view;
    QString mark;
};
