#include "app/CChildFrame.h"

#include <QCloseEvent>

#include "app/Pictures.h"
#include "docview/Document.h"
#include "docview/View.h"

CChildFrame::CChildFrame(docview::View* shown, QWidget* parent) : QMdiSubWindow(parent), view(shown)
{
    setObjectName(QStringLiteral("childFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    setWidget(view);
    view->SetFrame(this);
    if (docview::Document* document = view->GetDocument()) {
        setWindowTitle(document->GetTitle());
        connect(document, &docview::Document::titleChanged, this, &QWidget::setWindowTitle);
    }
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    docview::Document* document = view->GetDocument();
    const bool lastWindow = document != nullptr && document->GetViews().size() == 1;
    if (lastWindow && !document->IsClosing() && !document->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
