#include "app/CChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QPointer>

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
        if (qobject_cast<docview::EditableDocument*>(document) != nullptr) mark = QStringLiteral("[*]");
        setWindowModified(document->IsModified());
        connect(document, &docview::Document::titleChanged, this, [document] { RetitleWindowsOf(document); });
        connect(document, &docview::Document::modifiedChanged, this, &QWidget::setWindowModified);
        RetitleWindowsOf(document);
    }
}

CChildFrame::~CChildFrame()
{
    // The windows left renumber themselves once this one and its view are gone.
    if (QPointer<docview::Document> document = view ? view->GetDocument() : nullptr)
        QMetaObject::invokeMethod(
            document, [document] { RetitleWindowsOf(document); }, Qt::QueuedConnection);
}

QString CChildFrame::FrameTitle(const QString& documentTitle, int number, const QString& mark)
{
    const QString numbered = number > 0 ? QStringLiteral(":%1").arg(number) : QString();
    const qsizetype slash = documentTitle.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return documentTitle + numbered + mark;
    const QString folder = slash == 0 ? QStringLiteral("/") : documentTitle.left(slash);
    return documentTitle.mid(slash + 1) + numbered + mark + QStringLiteral(" - ") + folder;
}

void CChildFrame::RetitleWindowsOf(docview::Document* document)
{
    const QList<docview::View*> views = document->GetViews();
    for (qsizetype k = 0; k < views.size(); ++k)
        if (auto* frame = qobject_cast<CChildFrame*>(views.at(k)->GetFrame()))
            frame->Retitle(views.size() > 1 ? int(k) + 1 : 0);
}

void CChildFrame::Retitle(int number)
{
    if (docview::Document* document = view ? view->GetDocument() : nullptr)
        setWindowTitle(FrameTitle(document->GetTitle(), number, mark));
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    docview::Document* document = view ? view->GetDocument() : nullptr;
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
