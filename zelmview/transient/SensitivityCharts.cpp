#include "transient/SensitivityCharts.h"

#include <qcustomplot.h>

#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "data/WaterTableAssessment.h"

namespace sensitivity {

namespace {

const QColor kLoweredColour(70, 110, 200);
const QColor kRaisedColour(210, 80, 60);
const QColor kBaseColour(40, 40, 40);
// The two bars of an input side by side, lowered above raised, so neither hides the other when
// both changes move the result the same way.
constexpr double kBarWidth = 0.36;
constexpr double kBarOffset = kBarWidth / 2.0;
// Room around the drawn values, as a share of their range.
constexpr double kMargin = 0.08;
// The stretch of a layout row that takes only the room it needs.
constexpr double kThinRow = 0.001;

enum TableColumn : int {
    kInputColumn,
    kLowInputColumn,
    kLowResultColumn,
    kHighInputColumn,
    kHighResultColumn,
    kEffectColumn,
    kColumnCount
};

QString withUnit(const QString& name, const QString& unit)
{
    return unit.isEmpty() ? name : name + QStringLiteral(" (") + unit + QLatin1Char(')');
}

QString resultAxisText(const ZELMData& project)
{
    return withUnit(model::resultName(project.inputMode), zelm::lengthUnit(project.metricUnits));
}

QString inputAxisText(model::StudyInput input, const ZELMData& project)
{
    return withUnit(model::inputName(input), model::inputUnit(input, project.metricUnits));
}

QString outcomeText(const model::StudyOutcome& outcome)
{
    return outcome.refused() ? refusedText(outcome) : resultText(outcome.value);
}

// The title above the plot, in its own row of the layout, made once.
void setTitle(QCustomPlot& plot, const QString& text)
{
    auto* title = qobject_cast<QCPTextElement*>(plot.plotLayout()->element(0, 0));
    if (title == nullptr) {
        plot.plotLayout()->insertRow(0);
        title = new QCPTextElement(&plot, text, QFont(plot.font().family(), 11, QFont::Bold));
        plot.plotLayout()->addElement(0, 0, title);
    }
    title->setText(text);
}

// The legend in a row of its own below the axes, its entries side by side, so it never hides a
// bar; moved there once.
void placeLegendBelow(QCustomPlot& plot)
{
    if (plot.legend->layout() != plot.axisRect()->insetLayout()) return;
    auto* row = new QCPLayoutGrid;
    QCPLayoutGrid& layout = *plot.plotLayout();
    const int below = layout.rowCount();
    layout.addElement(below, 0, row);
    row->addElement(0, 0, plot.legend);
    plot.legend->setFillOrder(QCPLegend::foColumnsFirst);
    plot.legend->setBorderPen(Qt::NoPen);
    layout.setRowStretchFactor(below, kThinRow);
}

void clear(QCustomPlot& plot)
{
    plot.clearPlottables();
    plot.clearItems();
    plot.legend->setVisible(false);
}

QCPItemStraightLine* verticalLine(QCustomPlot& plot, double x)
{
    auto* line = new QCPItemStraightLine(&plot);
    line->point1->setCoords(x, 0.0);
    line->point2->setCoords(x, 1.0);
    line->setPen(QPen(kBaseColour, 1.5, Qt::DashLine));
    return line;
}

QCPRange paddedRange(double low, double high)
{
    const double room = high > low ? (high - low) * kMargin : std::max(std::abs(low) * kMargin, 1.0);
    return {low - room, high + room};
}

// What a bar's tick says of its refused sides.
QString barLabel(const model::TornadoBar& bar, const ZELMData& project)
{
    QString label = inputAxisText(bar.input, project);
    if (bar.refused()) return label + QStringLiteral(" - refused");
    if (bar.low.refused()) return label + QStringLiteral(" - lowered: refused");
    if (bar.high.refused()) return label + QStringLiteral(" - raised: refused");
    return label;
}

QCPBars* sideBars(QCustomPlot& plot, const QString& name, const QColor& colour, double base)
{
    auto* bars = new QCPBars(plot.yAxis, plot.xAxis);
    bars->setName(name);
    bars->setBaseValue(base);
    bars->setWidth(kBarWidth);
    bars->setPen(QPen(colour.darker(130)));
    bars->setBrush(colour);
    return bars;
}

QTableWidgetItem* cell(const QString& text, const QString& toolTip = QString())
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (!toolTip.isEmpty()) item->setToolTip(toolTip);
    return item;
}

QTableWidgetItem* outcomeCell(const model::StudyOutcome& outcome)
{
    if (outcome.refused()) return cell(QStringLiteral("refused"), QString::fromStdString(outcome.error));
    const QString warning = QString::fromStdString(outcome.warning);
    return cell(resultText(outcome.value) + (warning.isEmpty() ? QString() : QStringLiteral(" *")), warning);
}

// A CSV field: quoted where it holds a comma or a quote.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))) return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

}  // namespace

QString resultText(double value)
{
    return QString::number(value, 'f', 3);
}

QString inputText(double value)
{
    return QString::number(value, 'g', 6);
}

QString refusedText(const model::StudyOutcome& outcome)
{
    return QStringLiteral("refused: ") + QString::fromStdString(outcome.error);
}

void drawTornado(QCustomPlot& plot, const Study& study)
{
    clear(plot);
    const model::Tornado& tornado = study.tornado;
    const double percent = tornado.percent;
    setTitle(plot, QStringLiteral("%1 with each input changed by %2 %")
                       .arg(model::resultName(study.project.inputMode), QString::number(percent)));
    if (tornado.base.refused()) {
        plot.replot();
        return;
    }
    const double base = tornado.base.value;
    QCPBars* lowered = sideBars(plot, QStringLiteral("input lowered by %1 %").arg(percent), kLoweredColour, base);
    QCPBars* raised = sideBars(plot, QStringLiteral("input raised by %1 %").arg(percent), kRaisedColour, base);
    QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
    double low = base;
    double high = base;
    const int count = int(tornado.bars.size());
    for (int k = 0; k < count; ++k) {
        const model::TornadoBar& bar = tornado.bars[std::size_t(k)];
        // The largest effect on top.
        const double key = count - k;
        ticker->addTick(key, barLabel(bar, study.project));
        for (auto [side, bars, offset] :
             {std::tuple{&bar.low, lowered, kBarOffset}, std::tuple{&bar.high, raised, -kBarOffset}}) {
            if (side->refused()) continue;
            // A bar's value counts from its base value.
            bars->addData(key + offset, side->value - base);
            low = std::min(low, side->value);
            high = std::max(high, side->value);
        }
    }
    plot.yAxis->setTicker(ticker);
    plot.yAxis->setRange(0.4, count + 0.6);
    plot.yAxis->setLabel(QString());
    plot.xAxis->setRange(paddedRange(low, high));
    plot.xAxis->setLabel(resultAxisText(study.project) + QStringLiteral("; the base, ") + resultText(base) +
                         QStringLiteral(", dashed"));
    verticalLine(plot, base);
    placeLegendBelow(plot);
    plot.legend->setVisible(true);
    plot.replot();
}

void drawSweep(QCustomPlot& plot, const Study& study)
{
    clear(plot);
    const model::StudyInput input = study.sweepInput;
    setTitle(plot, model::resultName(study.project.inputMode) + QStringLiteral(" against ") +
                       model::inputName(input).toLower());
    QVector<double> xs;
    QVector<double> ys;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const model::SweepPoint& point : study.sweep) {
        xs.append(point.input);
        // A refused value is a gap in the curve.
        ys.append(point.outcome.refused() ? std::numeric_limits<double>::quiet_NaN() : point.outcome.value);
        if (!point.outcome.refused()) {
            low = std::min(low, point.outcome.value);
            high = std::max(high, point.outcome.value);
        }
    }
    QCPGraph* curve = plot.addGraph();
    curve->setName(model::resultName(study.project.inputMode));
    curve->setData(xs, ys, true);
    curve->setPen(QPen(kLoweredColour, 2.0));
    curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 4.0));

    const double current = model::inputValue(study.project, input);
    verticalLine(plot, current);
    const model::StudyOutcome& base = study.tornado.base;
    if (!base.refused()) {
        QCPGraph* mark = plot.addGraph();
        mark->setName(QStringLiteral("the project as it stands"));
        mark->setLineStyle(QCPGraph::lsNone);
        mark->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kRaisedColour, 2.0), Qt::white, 10.0));
        mark->addData(current, base.value);
        low = std::min(low, base.value);
        high = std::max(high, base.value);
    }
    plot.xAxis->setLabel(inputAxisText(input, study.project) + QStringLiteral("; the project's value dashed"));
    plot.yAxis->setLabel(resultAxisText(study.project));
    const double first = xs.isEmpty() ? current : std::min({xs.front(), xs.back(), current});
    const double last = xs.isEmpty() ? current : std::max({xs.front(), xs.back(), current});
    plot.xAxis->setRange(paddedRange(first, last));
    if (low <= high) plot.yAxis->setRange(paddedRange(low, high));
    plot.replot();
}

void fillTornadoTable(QTableWidget& table, const Study& study)
{
    const QString result = model::resultName(study.project.inputMode);
    table.clear();
    table.setColumnCount(kColumnCount);
    table.setHorizontalHeaderLabels({QStringLiteral("Input"), QStringLiteral("Lowered to"), result,
                                     QStringLiteral("Raised to"), result, QStringLiteral("Effect")});
    const std::vector<model::TornadoBar>& bars = study.tornado.bars;
    table.setRowCount(int(bars.size()));
    for (int row = 0; row < int(bars.size()); ++row) {
        const model::TornadoBar& bar = bars[std::size_t(row)];
        table.setItem(row, kInputColumn, cell(inputAxisText(bar.input, study.project)));
        table.setItem(row, kLowInputColumn, cell(inputText(bar.lowInput)));
        table.setItem(row, kLowResultColumn, outcomeCell(bar.low));
        table.setItem(row, kHighInputColumn, cell(inputText(bar.highInput)));
        table.setItem(row, kHighResultColumn, outcomeCell(bar.high));
        table.setItem(row, kEffectColumn, cell(bar.refused() ? QStringLiteral("refused") : resultText(bar.effect)));
    }
    table.resizeColumnsToContents();
}

QString tornadoCsv(const Study& study)
{
    const QString result = resultAxisText(study.project);
    QString text = csvLine({QStringLiteral("Input"), QStringLiteral("Unit"), QStringLiteral("Lowered to"),
                            result + QStringLiteral(" lowered"), QStringLiteral("Raised to"),
                            result + QStringLiteral(" raised"), QStringLiteral("Effect")});
    text += csvLine({QStringLiteral("(base)"), QString(), QString(), outcomeText(study.tornado.base), QString(),
                     outcomeText(study.tornado.base), QString()});
    for (const model::TornadoBar& bar : study.tornado.bars)
        text += csvLine({model::inputName(bar.input), model::inputUnit(bar.input, study.project.metricUnits),
                         inputText(bar.lowInput), outcomeText(bar.low), inputText(bar.highInput), outcomeText(bar.high),
                         bar.refused() ? QStringLiteral("refused") : resultText(bar.effect)});
    return text;
}

QString sweepCsv(const Study& study)
{
    QString text = csvLine({inputAxisText(study.sweepInput, study.project), resultAxisText(study.project)});
    for (const model::SweepPoint& point : study.sweep)
        text += csvLine({inputText(point.input), outcomeText(point.outcome)});
    return text;
}

}  // namespace sensitivity
