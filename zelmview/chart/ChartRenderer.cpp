#include "chart/ChartRenderer.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "chart/ChartCodes.h"
#include "chart/ChartDateAxis.h"
#include "chart/ChartProperties.h"
#include "chart/ChartSettingsFile.h"
#include "chart/ChartTickers.h"

namespace chart {

namespace {

const char* const kSetProperty = "chartSet";
constexpr int kDefaultColours[] = {kPaletteBlue, kPaletteRed, kPaletteGreen, kPaletteMagenta, 1, 4, 5, 6};
constexpr double kLineWidth = 2.0;
constexpr double kMarkerSize = 7.0;

enum class SeriesKind { Line, LineMarkers, Markers, Sticks };

struct Series {
    int set = 0;
    QVector<double> x, y;
    QStringList labels;
};

SeriesKind kindOfChartStyle(int style)
{
    switch (style) {
    case 1:
        return SeriesKind::Markers;
    case 2:
        return SeriesKind::Sticks;
    default:
        return SeriesKind::Line;
    }
}

SeriesKind kindOfSetStyle(int style)
{
    switch (style) {
    case 0:
        return SeriesKind::Markers;
    case 1:
        return SeriesKind::LineMarkers;
    case 3:
        return SeriesKind::Sticks;
    default:
        return SeriesKind::Line;
    }
}

// The points of one set whose attribute does not hide them.
Series collectSeries(const ChartProperties& p, const PropertyPair& value, const PropertyPair& xValue,
                     const PropertyPair& attribute, int set, int legendIndex, int pointCount)
{
    Series series;
    series.set = legendIndex;
    const bool hasX = p.FirstIndexCount(xValue) > set;
    for (int point = 0; point < pointCount; ++point) {
        if (p.Int(attribute, 0, set, point) == kHiddenPoint) continue;
        series.x.append(hasX ? p.Double(xValue, 0.0, set, point) : point);
        series.y.append(p.Double(value, 0.0, set, point));
        series.labels.append(p.Text(kPointLabel, set, point));
    }
    return series;
}

void addPointLabels(QCustomPlot& plot, const Series& series, QCPAxis* valueAxis, const QColor& colour)
{
    for (qsizetype k = 0; k < series.x.size(); ++k) {
        if (series.labels.at(k).isEmpty()) continue;
        auto* label = new QCPItemText(&plot);
        // A label of a point on the edge of the plot may reach into the margin.
        label->setClipToAxisRect(false);
        label->position->setAxes(plot.xAxis, valueAxis);
        label->position->setCoords(series.x.at(k), series.y.at(k));
        label->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setPadding(QMargins(2, 2, 2, 6));
        label->setText(series.labels.at(k));
        label->setColor(colour.darker(130));
    }
}

// Point labels may reach into the margin, but only for points inside the plot.
void hideLabelsOutsideThePlot(QCustomPlot& plot)
{
    for (int k = 0; k < plot.itemCount(); ++k) {
        auto* label = qobject_cast<QCPItemText*>(plot.item(k));
        if (label == nullptr) continue;
        const QPointF at = label->position->coords();
        label->setVisible(label->position->keyAxis()->range().contains(at.x()) &&
                          label->position->valueAxis()->range().contains(at.y()));
    }
}

QCPAbstractPlottable* addSeries(QCustomPlot& plot, const Series& series, SeriesKind kind, bool markers,
                                const QColor& colour, QCPAxis* valueAxis)
{
    const QPen pen(colour, kLineWidth);
    const QCPScatterStyle scatter(QCPScatterStyle::ssDisc, colour, colour, kMarkerSize);
    if (kind == SeriesKind::Sticks || kind == SeriesKind::Markers) {
        auto* graph = plot.addGraph(plot.xAxis, valueAxis);
        graph->setData(series.x, series.y);
        graph->setPen(pen);
        graph->setLineStyle(kind == SeriesKind::Sticks ? QCPGraph::lsImpulse : QCPGraph::lsNone);
        graph->setScatterStyle(scatter);
        return graph;
    }
    // A curve keeps the points in their order, so a rise drawn at one x stays a vertical step.
    auto* curve = new QCPCurve(plot.xAxis, valueAxis);
    QVector<double> order(series.x.size());
    std::iota(order.begin(), order.end(), 0.0);
    curve->setData(order, series.x, series.y);
    curve->setPen(pen);
    if (markers || kind == SeriesKind::LineMarkers) curve->setScatterStyle(scatter);
    return curve;
}

struct Extent {
    double lower = std::numeric_limits<double>::max();
    double upper = std::numeric_limits<double>::lowest();
    void add(const QVector<double>& values)
    {
        for (double v : values) {
            lower = std::min(lower, v);
            upper = std::max(upper, v);
        }
    }
    QCPRange range() const
    {
        if (lower > upper) return {0.0, 1.0};
        if (lower == upper) return {lower - 0.5, upper + 0.5};
        return {lower, upper};
    }
};

QCPRange validRange(double lower, double upper)
{
    return upper > lower ? QCPRange(lower, upper) : QCPRange(lower, lower + 1.0);
}

QSharedPointer<QCPAxisTickerText> textTicker(const QList<DateTick>& ticks)
{
    auto ticker = QSharedPointer<QCPAxisTickerText>::create();
    for (const DateTick& tick : ticks) ticker->addTick(tick.x, tick.label);
    return ticker;
}

bool hasAnyText(const ChartProperties& p, const PropertyPair& pair, int count)
{
    for (int k = 0; k < count; ++k)
        if (!p.Text(pair, k).isEmpty()) return true;
    return false;
}

// The x axis over `shown` (the whole range, or the user's zoom): dates, the x labels of the points,
// or numbers.
void setUpXAxis(const ChartProperties& p, QCustomPlot& plot, const QCPRange& shown, int pointCount)
{
    plot.xAxis->setRange(shown);
    plot.xAxis->setLabel(p.Text(kXTitle));

    if (p.Int(kDateAxis) == 1 && !p.Text(kDateStart).isEmpty()) {
        const QList<DateTick> ticks =
            dateTicks(p.Text(kDateStart), p.Text(kDateStep), p.Text(kDateFormat), shown.lower, shown.upper);
        if (!ticks.isEmpty()) {
            plot.xAxis->setTicker(textTicker(ticks));
            return;
        }
    }
    const int labelCount = p.FirstIndexCount(kXLabel);
    if (labelCount > 0 && hasAnyText(p, kXLabel, labelCount)) {
        const int every = std::max(1, p.Int(kLabelInterval, 1));
        QList<DateTick> ticks;
        for (int k = 0; k < std::min(labelCount, std::max(pointCount, 1)); k += every)
            ticks.append({double(k), p.Text(kXLabel, k)});
        plot.xAxis->setTicker(textTicker(ticks));
        return;
    }
    plot.xAxis->setTicker(numberTicker(p.Int(kXDivisions)));
}

QCPRange wholeXRange(const ChartProperties& p, const Extent& xData)
{
    if (p.Int(kXScaleMode) == kScaleModeSet && p.Has(kXMin) && p.Has(kXMax))
        return validRange(p.Double(kXMin), p.Double(kXMax));
    return xData.range();
}

QCPRange wholeValueRange(const ChartProperties& p, int index, const Extent& data)
{
    if (p.Int(kYScaleMode, -1, index) == kScaleModeSet && p.Has(kYMin, index) && p.Has(kYMax, index))
        return validRange(p.Double(kYMin, 0.0, index), p.Double(kYMax, 0.0, index));
    return data.range();
}

// A value axis over `shown`: its custom labels where it has texts for them, the depth below its
// top where its axis code says so, and otherwise nice numbers, about as many as it asks labels.
void setUpValueAxis(const ChartProperties& p, QCPAxis* axis, int index, const QCPRange& whole, const QCPRange& shown)
{
    axis->setRange(shown);
    if (-p.Int(kCustomLabelCode, 0, index) == kAxisCodeDepthBelowTop) {
        axis->setTicker(depthTicker(whole.upper));
        return;
    }
    const int count = p.Int(kCustomLabelCount, 0, index);
    if (count < 1 || !p.Has(kCustomLabel, index, 0)) {
        axis->setTicker(numberTicker(count));
        return;
    }
    // Custom labels sit evenly from the bottom (label 0) to the top (label count) of the range.
    QList<DateTick> ticks;
    for (int b = 0; b <= count; ++b) {
        const double y = whole.lower + b * (whole.upper - whole.lower) / count;
        const QString text =
            p.Has(kCustomLabel, index, b) ? p.Text(kCustomLabel, index, b) : QString::asprintf("%g", y);
        ticks.append({y, text});
    }
    axis->setTicker(textTicker(ticks));
    keepNumbersInSight(*axis);
}

QCPTextElement* titleElement(QCustomPlot& plot)
{
    if (auto* title = qobject_cast<QCPTextElement*>(plot.plotLayout()->element(0, 0))) return title;
    plot.plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(&plot, QString(), QFont(QFont().family(), 12, QFont::Bold));
    plot.plotLayout()->addElement(0, 0, title);
    // The legend goes below the axes, in rows, so it never covers the data.
    auto* legendRow = new QCPLayoutGrid;
    plot.plotLayout()->addElement(2, 0, legendRow);
    legendRow->setMargins(QMargins(5, 0, 5, 5));
    legendRow->addElement(0, 0, plot.legend);
    plot.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    plot.legend->setWrap(3);
    plot.plotLayout()->setRowStretchFactor(2, 0.001);
    return title;
}

// The legend's row is in the layout only while the legend has entries: an empty legend would hold
// the whole column of the layout to its own width of nothing.
void placeLegend(QCustomPlot& plot, bool shown)
{
    plot.legend->setVisible(shown);
    QCPLayout* legendRow = plot.legend->layout();
    const bool placed = legendRow->layout() == plot.plotLayout();
    if (shown && !placed) {
        plot.plotLayout()->addElement(2, 0, legendRow);
        plot.plotLayout()->setRowStretchFactor(2, 0.001);
    } else if (!shown && placed) {
        plot.plotLayout()->take(legendRow);
        plot.plotLayout()->simplify();
    }
}

}  // namespace

QColor paletteColour(int code)
{
    static const QColor kPalette[] = {
        QColor(0, 0, 0),    QColor(0, 0, 128),   QColor(0, 150, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),  QColor(128, 0, 128), QColor(128, 128, 0), QColor(160, 160, 160),
        QColor(96, 96, 96), QColor(0, 0, 255),   QColor(0, 200, 0),   QColor(0, 170, 200),
        QColor(230, 0, 0),  QColor(200, 0, 200), QColor(200, 160, 0), QColor(40, 40, 40),
    };
    constexpr int kColours = int(std::size(kPalette));
    return kPalette[((code % kColours) + kColours) % kColours];
}

void releaseChart(QCustomPlot& plot)
{
    // The plot deletes what its layout holds; the legend's row must be in it by then.
    placeLegend(plot, true);
}

int chartSetOf(const QObject* plottable)
{
    const QVariant set = plottable->property(kSetProperty);
    return set.isValid() ? set.toInt() : -1;
}

void renderChart(const ChartProperties& p, const ChartUserState& user, QCustomPlot& plot)
{
    plot.clearPlottables();
    plot.clearItems();
    titleElement(plot)->setText(p.Text(kTitle));

    const int pointCount = std::max(0, p.Int(kPointCount));
    const int setCount = std::max(0, p.Int(kSetCount));
    const bool markers = (p.Int(kDrawingFlags, 3) & 2) != 0;
    const bool perSetStyles = p.Int(kSetStyleMode) >= 1;
    const bool pointLabels = p.Int(kPointLabelMode) == 2;
    Extent xData, leftData, secondData;

    auto draw = [&](const Series& series, SeriesKind kind, const QColor& colour, QCPAxis* valueAxis,
                    const QString& legend) {
        if (series.x.isEmpty()) return;
        QCPAbstractPlottable* plottable = addSeries(plot, series, kind, markers, colour, valueAxis);
        plottable->setProperty(kSetProperty, series.set);
        plottable->setName(legend);
        const bool hidden = user.hiddenSets.contains(series.set);
        plottable->setVisible(!hidden);
        if (legend.isEmpty())
            plottable->removeFromLegend();
        else if (hidden)
            plot.legend->itemWithPlottable(plottable)->setTextColor(Qt::gray);
        if (pointLabels && !hidden) addPointLabels(plot, series, valueAxis, colour);
        xData.add(series.x);
        (valueAxis == plot.yAxis ? leftData : secondData).add(series.y);
    };

    for (int set = 0; set < setCount; ++set) {
        const Series series = collectSeries(p, kValue, kXValue, kPointAttribute, set, set, pointCount);
        const SeriesKind kind =
            perSetStyles ? kindOfSetStyle(p.Int(kSetStyle, 2, set)) : kindOfChartStyle(p.Int(kChartStyle, 5));
        const int colour = p.Int(kSetColour, kDefaultColours[set % std::size(kDefaultColours)], set);
        draw(series, kind, paletteColour(colour), plot.yAxis, p.Text(kLegend, set));
    }
    const int group2Sets = p.FirstIndexCount(kGroup2Value);
    for (int set = 0; set < group2Sets; ++set) {
        Series series =
            collectSeries(p, kGroup2Value, kGroup2XValue, kGroup2Attribute, set, setCount + set, pointCount);
        // The point labels belong to the first group's points.
        series.labels.fill(QString());
        draw(series, SeriesKind::LineMarkers, paletteColour(p.Int(kGroup2Colour, kPaletteGrey)), plot.yAxis2,
             p.Text(kLegend, setCount + set));
    }

    // The ranges shown: the whole chart, or the user's zoom; the ticks follow what is shown.
    const auto shownOr = [&user](const QCPRange& whole, const AxisRange& zoomed) {
        return user.zoomed ? QCPRange(zoomed.lower, zoomed.upper) : whole;
    };
    setUpXAxis(p, plot, shownOr(wholeXRange(p, xData), user.x), pointCount);
    const QCPRange left = wholeValueRange(p, 0, leftData);
    setUpValueAxis(p, plot.yAxis, 0, left, shownOr(left, user.left));
    plot.yAxis->setLabel(p.Text(kLeftTitle));
    const bool secondAxis = p.Int(kSecondAxis) == 2;
    plot.yAxis2->setVisible(secondAxis);
    if (secondAxis) {
        const QCPRange second = wholeValueRange(p, 1, secondData);
        setUpValueAxis(p, plot.yAxis2, 1, second, shownOr(second, user.second));
        plot.yAxis2->setLabel(p.Text(kRightTitle));
        plot.yAxis2->setTickLabels(true);
    }
    const bool grid = (p.Int(kDrawingFlags, 3) & 1) != 0;
    plot.xAxis->grid()->setVisible(grid);
    plot.yAxis->grid()->setVisible(grid);
    placeLegend(plot, plot.legend->itemCount() > 0);
    hideLabelsOutsideThePlot(plot);
}

}  // namespace chart
