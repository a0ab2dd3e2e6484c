// The base of every view: a widget that shows one document, receives its updates with a hint and
// gets the commands of the menus and the tool bar first while it is the active view.
#pragma once

#include <QPointer>
#include <QWidget>

#include "docview/Document.h"
#include "docview/DocumentView.h"

namespace docview {

class View : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit View(Document* document, QWidget* parent = nullptr);
    ~View() override;

    Document* GetDocument() const { return document; }
    View* AsView() override { return this; }

    // Called once when the view's frame is shown; the default asks for a full update.
    virtual void OnInitialUpdate();
    // The document changed; `hint` says what the view must do (the default hint: show it all).
    void OnUpdate(UpdateHint hint) override;
    // A menu, tool-bar or accelerator command while this view is active; true when handled.
    virtual bool OnCommand(int commandId);
    // Whether the view acts on a command now (for example printing); used to enable actions.
    virtual bool HandlesCommand(int commandId) const;
    // Asked before the user closes the view's window or the program: a view that holds something
    // the user would lose may ask about it; false keeps the window open. The default agrees.
    virtual bool QueryClose() { return true; }

    // The window that holds the view (a child frame), or null when it stands alone.
    QWidget* GetFrame() const { return frame; }
    void SetFrame(QWidget* holder) { frame = holder; }
    // Closes the frame (and with it the view); a view without a frame closes itself.
    void CloseFrame() override;

signals:
    // The view's Help button: the application opens the help at the section of the view's type.
    void helpRequested();

private:
    QPointer<Document> document;
    QPointer<QWidget> frame;
};

}  // namespace docview
