#include "chart/ChartSettingsFile.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>

#include "docview/AtomicSave.h"

namespace chart {

namespace {

const QString kZoomKey = QStringLiteral("zoom");
const QString kHiddenKey = QStringLiteral("hidden");
constexpr int kZoomNumbers = 6;

bool readZoom(const QStringList& words, ChartUserState& state)
{
    if (words.size() != kZoomNumbers + 1) return false;
    double numbers[kZoomNumbers];
    for (int k = 0; k < kZoomNumbers; ++k) {
        bool ok = false;
        numbers[k] = words.at(k + 1).toDouble(&ok);
        if (!ok) return false;
    }
    if (numbers[0] >= numbers[1] || numbers[2] >= numbers[3]) return false;
    state.zoomed = true;
    state.x = {numbers[0], numbers[1]};
    state.left = {numbers[2], numbers[3]};
    state.second = {numbers[4], numbers[5]};
    return true;
}

void readHidden(const QStringList& words, ChartUserState& state)
{
    for (qsizetype k = 1; k < words.size(); ++k) {
        bool ok = false;
        const int set = words.at(k).toInt(&ok);
        if (ok && set >= 0) state.hiddenSets.insert(set);
    }
}

}  // namespace

bool readChartSettings(const QString& path, ChartUserState& state)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    ChartUserState read;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList words = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        if (words.first() == kZoomKey)
            readZoom(words, read);
        else if (words.first() == kHiddenKey)
            readHidden(words, read);
    }
    state = read;
    return true;
}

bool writeChartSettings(const QString& path, const ChartUserState& state)
{
    QString text;
    QTextStream out(&text);
    out.setRealNumberPrecision(12);
    if (state.zoomed)
        out << kZoomKey << ' ' << state.x.lower << ' ' << state.x.upper << ' ' << state.left.lower << ' '
            << state.left.upper << ' ' << state.second.lower << ' ' << state.second.upper << '\n';
    QList<int> hidden(state.hiddenSets.begin(), state.hiddenSets.end());
    std::sort(hidden.begin(), hidden.end());
    out << kHiddenKey;
    for (int set : hidden) out << ' ' << set;
    out << '\n';
    out.flush();
    return saveTextAtomically(path, text);
}

}  // namespace chart
