#include "chart/PlotExport.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "docview/AtomicSave.h"
#include "docview/MessageSink.h"

namespace chart {

namespace {

constexpr int kScreenDpi = 96;
constexpr double kPointsPerInch = 72.0;

// A drawing that could not be made counts as a failed write of its file.
bool saveDrawing(const QString& path, const QByteArray& bytes)
{
    if (!bytes.isEmpty()) return saveAtomically(path, bytes);
    docview::showMessage(QStringLiteral("Unable to write ") + path);
    return false;
}

// Draws the plot as shown, at its size, on `device`.
void paintPlot(QCustomPlot& plot, QPaintDevice& device)
{
    QCPPainter painter;
    if (!painter.begin(&device)) return;
    plot.toPainter(&painter, plot.width(), plot.height());
    painter.end();
}

}  // namespace

QString extensionOf(const QString& filter)
{
    return filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
}

QString chooseExportFile(QWidget* parent, const QString& filter, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Export Chart"), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extensionOf(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QImage plotImage(QCustomPlot& plot, const QSize& size)
{
    const QSize target = size.isEmpty() ? plot.size() : size;
    return plot.toPixmap(target.width(), target.height()).toImage();
}

bool savePlotPng(QCustomPlot& plot, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!plotImage(plot).save(&buffer, "PNG")) bytes.clear();
    return saveDrawing(path, bytes);
}

bool savePlotSvg(QCustomPlot& plot, const QString& path, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = plot.size();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    paintPlot(plot, svg);
    return saveDrawing(path, bytes);
}

bool savePlotPdf(QCustomPlot& plot, const QString& path, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = plot.size();
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kScreenDpi);
        pdf.setPageSize(QPageSize(QSizeF(size) * kPointsPerInch / kScreenDpi, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(title);
        paintPlot(plot, pdf);
    }
    return saveDrawing(path, bytes);
}

bool savePlot(QCustomPlot& plot, const QString& path, const QString& title)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return savePlotSvg(plot, path, title);
    if (suffix == QLatin1String("pdf")) return savePlotPdf(plot, path, title);
    return savePlotPng(plot, path);
}

void copyPlot(QCustomPlot& plot)
{
    QApplication::clipboard()->setImage(plotImage(plot));
}

}  // namespace chart
