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
#include <functional>

#include "docview/AtomicSave.h"
#include "docview/MessageSink.h"

namespace chart {

namespace {

constexpr int kScreenDpi = 96;
constexpr double kPointsPerInch = 72.0;

// Draws the plot as shown, at its size, on `device`; false when it cannot paint there.
bool paintPlot(QCustomPlot& plot, QPaintDevice& device)
{
    QCPPainter painter;
    if (!painter.begin(&device)) return false;
    plot.toPainter(&painter, plot.width(), plot.height());
    return painter.end();
}

// Saves what `draw` writes to the device it is given as the file `path`; a drawing that could not
// be made counts as a failed write of its file.
bool saveDrawn(const QString& path, const std::function<bool(QIODevice&)>& draw)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!draw(buffer)) bytes.clear();
    }
    if (!bytes.isEmpty()) return saveAtomically(path, bytes);
    docview::showMessage(QStringLiteral("Unable to write ") + path);
    return false;
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
    return saveDrawn(path, [&plot](QIODevice& device) { return plotImage(plot).save(&device, "PNG"); });
}

bool savePlotSvg(QCustomPlot& plot, const QString& path, const QString& title)
{
    return saveDrawn(path, [&](QIODevice& device) {
        const QSize size = plot.size();
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setTitle(title);
        return paintPlot(plot, svg);
    });
}

bool savePlotPdf(QCustomPlot& plot, const QString& path, const QString& title)
{
    return saveDrawn(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setResolution(kScreenDpi);
        pdf.setPageSize(QPageSize(QSizeF(plot.size()) * kPointsPerInch / kScreenDpi, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(title);
        return paintPlot(plot, pdf);
    });
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
