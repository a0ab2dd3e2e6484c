// A plot as it is shown, exported: PNG, SVG and PDF files (each replaced atomically; a failure shows
// one message naming the file) and the clipboard, and the file dialog that chooses where. Every
// window that draws a chart exports it through here, so all export alike.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QCustomPlot;
class QWidget;

namespace chart {

inline const QString kPngFilter = QStringLiteral("PNG image (*.png)");
inline const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
inline const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
inline const QString kCsvFilter = QStringLiteral("CSV file (*.csv)");

// "png" of kPngFilter.
QString extensionOf(const QString& filter);
// The save dialog "Export Chart" for `filter`, starting at `suggested`; empty when cancelled.
QString chooseExportFile(QWidget* parent, const QString& filter, const QString& suggested);

// The plot as shown, at `size` (the plot's size when empty).
QImage plotImage(QCustomPlot& plot, const QSize& size = QSize());
bool savePlotPng(QCustomPlot& plot, const QString& path);
// `title` names the drawing in the file.
bool savePlotSvg(QCustomPlot& plot, const QString& path, const QString& title);
bool savePlotPdf(QCustomPlot& plot, const QString& path, const QString& title);
// By the file's suffix: ".svg", ".pdf", else PNG.
bool savePlot(QCustomPlot& plot, const QString& path, const QString& title);
void copyPlot(QCustomPlot& plot);

}  // namespace chart
