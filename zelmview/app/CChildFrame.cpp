#include "app/CChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "app/Pictures.h"
#include "docview/Document.h"
#include "docview/EditableDocument.h"
#include "docview/View.h"

CChildFrame::CChildFrame(docview::View* shown, QWidget* parent) : QMdiSubWindow(parent), view(shown)
{
    setObjectName(QStringLiteral("childFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    setWidget(view);
    view->SetFrame(this);
    // The window menu of a child frame brings the platform's keys for Close, Minimize and the
    // rest; a maximized child puts them beside the main window's own Close (Ctrl+W), and the
    // clash would make both keys do nothing. The main window's commands keep the keys.
    if (QMenu* windowMenu = systemMenu())
        for (QAction* entry : windowMenu->actions()) entry->setShortcut({});
    if (docview::Document* document = view->GetDocument()) {
        // A document the user edits shows its unsaved changes in the title ("[*]" stands for
        // the mark, shown while the window is modified).
        const QString mark =
            qobject_cast<docview::EditableDocument*>(document) != nullptr ? QStringLiteral("[*]") : QString();
        setWindowTitle(document->GetTitle() + mark);
        setWindowModified(document->IsModified());
        connect(document, &docview::Document::titleChanged, this,
                [this, mark](const QString& title) { setWindowTitle(title + mark); });
        connect(document, &docview::Document::modifiedChanged, this, &QWidget::setWindowModified);
    }
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    docview::Document* document = view->GetDocument();
    const bool closing = document == nullptr || document->IsClosing();
    const bool lastWindow = document != nullptr && document->GetViews().size() == 1;
    // What is typed into this window goes into the document first, also when another window
    // of the document stays open; the last window asks whether to save.
    if (!closing && (!view->QueryClose() || !view->CommitTypedText() || (lastWindow && !document->SaveModified()))) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
