#include "forms/PrintableView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "docview/CommandIds.h"

namespace forms {

using namespace docview;

bool PrintableView::OnCommand(int commandId)
{
    switch (commandId) {
    case kFileClose:
        if (GetDocument() != nullptr) GetDocument()->OnFileClose();
        return true;
    case kFilePrint:
        PrintWithDialog();
        return true;
    case kFilePrintDirect: {
        QPrinter printer;
        Print(printer);
        return true;
    }
    case kFilePrintPreview:
        PrintPreview();
        return true;
    default:
        return View::OnCommand(commandId);
    }
}

bool PrintableView::HandlesCommand(int commandId) const
{
    return commandId == kFilePrint || commandId == kFilePrintDirect || commandId == kFilePrintPreview ||
           View::HandlesCommand(commandId);
}

void PrintableView::PostClose()
{
    QMetaObject::invokeMethod(
        this, [this] { OnCommand(kFileClose); }, Qt::QueuedConnection);
}

void PrintableView::PrintAsShown(QPrinter& printer, QWidget* content)
{
    QWidget* drawn = content != nullptr ? content : this;
    if (GetDocument() != nullptr) printer.setDocName(GetDocument()->GetTitle());
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / drawn->width(), page.height() / drawn->height());
    painter.scale(scale, scale);
    drawn->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
}

void PrintableView::PrintWithDialog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) Print(printer);
}

void PrintableView::PrintPreview()
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { Print(*target); });
    preview.exec();
}

}  // namespace forms
