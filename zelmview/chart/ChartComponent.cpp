#include "chart/ChartComponent.h"

#include <qcustomplot.h>

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QRubberBand>

#include "chart/ChartRenderer.h"
#include "chart/PlotExport.h"
#include "docview/ControlId.h"

namespace chart {

namespace {

// A point count the chart accepts; more than any year of daily rows.
constexpr int kMaxPoints = 200000;
// A press and release closer than this many pixels are a click, not a zoom rectangle.
constexpr int kDragThreshold = 4;

}  // namespace

ChartComponent* ChartComponent::Create(QWidget* parent, const QRect& rect, int childId)
{
    auto* component = new ChartComponent(parent);
    component->setObjectName(QStringLiteral("chart"));
    docview::setControlId(component, childId);
    component->setGeometry(rect);
    component->show();
    return component;
}

ChartComponent::ChartComponent(QWidget* parent) : QWidget(parent)
{
    plot = new QCustomPlot(this);
    plot->setObjectName(QStringLiteral("chartPlot"));
    plot->setGeometry(rect());
    plot->installEventFilter(this);
    band = new QRubberBand(QRubberBand::Rectangle, plot);
    properties.Set(kDrawMode.setter, 0, 0, kDrawModeConfigure);
}

ChartComponent::~ChartComponent()
{
    chart::releaseChart(*plot);
}

QVariant ChartComponent::Get(int getter, int first, int second) const
{
    if (getter == kGeometry.getter) return Geometry(first);
    if (getter == kGroup2SetCount.getter) return properties.FirstIndexCount(kGroup2Value);
    if (getter == kSelectionPending.getter) return 0;
    return properties.Get(getter, first, second);
}

void ChartComponent::Set(int setter, int first, int second, const QVariant& value)
{
    if (setter == kPointCount.setter && (value.toInt() < 0 || value.toInt() > kMaxPoints)) return;
    if (!properties.Set(setter, first, second, value)) return;
    if (setter != kDrawMode.setter) return;
    switch (value.toInt()) {
    case kDrawModeLoadSettings:
        LoadSettings();
        break;
    case kDrawModeDraw:
    case kDrawModeRedraw:
        Draw();
        break;
    default:
        break;
    }
}

int ChartComponent::RequestMouseNotification(MessageSink messageSink, int message, int)
{
    sink = std::move(messageSink);
    notifyMessage = message;
    return 0;
}

int ChartComponent::Zoom(double x1, double y1, double x2, double y2, int flags, int redraw)
{
    ChartUserState zoomed = user;
    if (flags & kZoomPixels) {
        zoomed.x = {std::min(plot->xAxis->pixelToCoord(x1), plot->xAxis->pixelToCoord(x2)),
                    std::max(plot->xAxis->pixelToCoord(x1), plot->xAxis->pixelToCoord(x2))};
        zoomed.left = {std::min(plot->yAxis->pixelToCoord(y1), plot->yAxis->pixelToCoord(y2)),
                       std::max(plot->yAxis->pixelToCoord(y1), plot->yAxis->pixelToCoord(y2))};
        zoomed.second = {std::min(plot->yAxis2->pixelToCoord(y1), plot->yAxis2->pixelToCoord(y2)),
                         std::max(plot->yAxis2->pixelToCoord(y1), plot->yAxis2->pixelToCoord(y2))};
    } else {
        zoomed.x = {std::min(x1, x2), std::max(x1, x2)};
        zoomed.left = {std::min(y1, y2), std::max(y1, y2)};
        zoomed.second = zoomed.left;
    }
    if (!(zoomed.x.upper > zoomed.x.lower) || !(zoomed.left.upper > zoomed.left.lower)) return -1;
    zoomed.zoomed = true;
    user = zoomed;
    SaveSettings();
    if (redraw) Draw();
    return 0;
}

void ChartComponent::ShowWholeChart()
{
    user.zoomed = false;
    SaveSettings();
    Draw();
}

void ChartComponent::Draw()
{
    renderChart(properties, user, *plot);
    plot->replot();
}

void ChartComponent::LoadSettings()
{
    const QString path = properties.Text(kSettingsFile);
    if (!path.isEmpty()) readChartSettings(path, user);
}

void ChartComponent::SaveSettings() const
{
    // A settings file that cannot be written says so once per failure and keeps the old file; the
    // chart itself stays as the user made it.
    const QString path = properties.Text(kSettingsFile);
    if (!path.isEmpty()) writeChartSettings(path, user);
}

QVariant ChartComponent::Geometry(int index) const
{
    const QRect area = plot->axisRect()->rect();
    switch (index) {
    case kPlotLeft:
        return area.left();
    case kPlotTop:
        return area.top();
    case kPlotRight:
        return area.right();
    case kPlotBottom:
        return area.bottom();
    case kShownXMin:
        return plot->xAxis->range().lower;
    case kShownXMax:
        return plot->xAxis->range().upper;
    case kZoomed:
        return int(user.zoomed);
    default:
        return {};
    }
}

void ChartComponent::ToggleSet(int set)
{
    if (!user.hiddenSets.remove(set)) user.hiddenSets.insert(set);
    SaveSettings();
    Draw();
}

void ChartComponent::resizeEvent(QResizeEvent* event)
{
    plot->setGeometry(rect());
    QWidget::resizeEvent(event);
}

bool ChartComponent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != plot) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        OnMousePress(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        OnMouseMove(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        OnMouseRelease(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::ContextMenu:
        // The plot keeps its context menu requests to itself; the window that holds the chart
        // offers the menu.
        if (parentWidget() != nullptr) {
            auto* request = static_cast<QContextMenuEvent*>(event);
            QContextMenuEvent forwarded(request->reason(), mapToParent(request->pos()), request->globalPos(),
                                        request->modifiers());
            QCoreApplication::sendEvent(parentWidget(), &forwarded);
        }
        return true;
    default:
        return false;
    }
}

void ChartComponent::OnMousePress(QMouseEvent* event)
{
    pressed = true;
    pressPosition = event->position().toPoint();
    band->setGeometry(QRect(pressPosition, QSize()));
    band->show();
}

void ChartComponent::OnMouseMove(QMouseEvent* event)
{
    if (pressed) band->setGeometry(QRect(pressPosition, event->position().toPoint()).normalized());
}

void ChartComponent::OnMouseRelease(QMouseEvent* event)
{
    if (!pressed) return;
    pressed = false;
    band->hide();
    const QPoint release = event->position().toPoint();
    if ((release - pressPosition).manhattanLength() >= kDragThreshold) {
        // A dragged rectangle opens a zoom range at the press and closes it at the release.
        NotifyMouse(kEventRangeOpen, pressPosition);
        NotifyMouse(kEventRangeClose, release);
        return;
    }
    for (int k = 0; k < plot->legend->itemCount(); ++k) {
        auto* item = qobject_cast<QCPPlottableLegendItem*>(plot->legend->item(k));
        if (item != nullptr && item->realVisibility() && item->outerRect().contains(release)) {
            ToggleSet(chartSetOf(item->plottable()));
            return;
        }
    }
    NotifyMouse(kEventClick, release);
}

void ChartComponent::NotifyMouse(int kind, const QPoint& position)
{
    eventKind = kind;
    cursor = position;
    if (sink) sink(notifyMessage, kMouseEventParam);
}

QImage ChartComponent::ToImage(const QSize& size)
{
    return plotImage(*plot, size);
}

bool ChartComponent::SavePng(const QString& path)
{
    return savePlotPng(*plot, path);
}

bool ChartComponent::SaveSvg(const QString& path)
{
    return savePlotSvg(*plot, path, properties.Text(kTitle));
}

bool ChartComponent::SavePdf(const QString& path)
{
    return savePlotPdf(*plot, path, properties.Text(kTitle));
}

void ChartComponent::CopyToClipboard()
{
    copyPlot(*plot);
}

}  // namespace chart
