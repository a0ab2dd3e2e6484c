#include "chart/ChartTickers.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// A depth closer to zero than this share of the tick step is zero (not -1.1e-16).
constexpr double kRoundOff = 1e-9;
// More ticks than this crowd an axis, whatever number of labels was asked for.
constexpr int kMostNumberTicks = 10;

class DepthTicker : public QCPAxisTicker {
public:
    explicit DepthTicker(double top) : top(top) { setTickCount(kNumberTicks); }

protected:
    // Ticks where the depth is a whole number of steps, so that the surface (depth 0) is one.
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override
    {
        QVector<double> ticks;
        if (!(tickStep > 0.0) || !std::isfinite(top)) return ticks;
        const double shallowest = std::floor((top - range.upper) / tickStep);
        const double deepest = std::ceil((top - range.lower) / tickStep);
        for (double k = deepest; k >= shallowest; k -= 1.0) ticks.append(top - k * tickStep);
        return ticks;
    }

    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override
    {
        double depth = top - tick;
        if (std::abs(depth) < kRoundOff * std::max(1.0, std::abs(top))) depth = 0.0;
        return QCPAxisTicker::getTickLabel(depth, locale, formatChar, precision);
    }

private:
    double top;
};

}  // namespace

QSharedPointer<QCPAxisTicker> numberTicker(int count)
{
    auto ticker = QSharedPointer<QCPAxisTicker>::create();
    ticker->setTickCount(std::clamp(count, kNumberTicks, kMostNumberTicks));
    return ticker;
}

QSharedPointer<QCPAxisTicker> depthTicker(double top)
{
    return QSharedPointer<DepthTicker>::create(top);
}

void keepNumbersInSight(QCPAxis& axis)
{
    const auto texts = axis.ticker().dynamicCast<QCPAxisTickerText>();
    if (!texts) return;
    const QCPRange shown = axis.range();
    const auto& ticks = texts->ticks();
    const auto inSight =
        std::count_if(ticks.keyBegin(), ticks.keyEnd(), [&](double tick) { return shown.contains(tick); });
    if (inSight < 2) axis.setTicker(numberTicker());
}

}  // namespace chart
