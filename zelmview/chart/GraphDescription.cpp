#include "chart/GraphDescription.h"

#include <algorithm>

#include "docview/WorkingFolder.h"

void GraphDescription::AllocateGraphs(int graphs, int sets, int points, int labels, int pointStyle, int useXLabelSizing,
                                      int withXValues)
{
    graphCount = graphs;
    setCount = sets;
    pointCount = points;
    labelCount = labels;
    useXLabels = useXLabelSizing;
    hasXValues = withXValues;
    values.Allocate(graphs, sets, points, 0.0);
    if (hasXValues) xValues.Allocate(graphs, sets, points, 0.0);
    pointStyles.Allocate(graphs, sets, points, pointStyle);
    setLegends = QStringList(std::max(0, sets));
    captions = titles = xTitles = yTitles = QStringList(std::max(0, graphs));
    if (labels >= 1) xLabels = QStringList(labels);
}

void GraphDescription::SetGraphTitles(const QString& title, const QString& xTitle, const QString& yTitle,
                                      const QString& caption, const QString& name)
{
    for (int g = 0; g < graphCount; ++g) {
        captions[g] = caption.isEmpty() ? title : caption;
        titles[g] = title;
        xTitles[g] = xTitle;
        yTitles[g] = yTitle;
    }
    if (!name.isEmpty()) chartName = name;
}

QString GraphDescription::SettingsFile() const
{
    return docview::workingFolder().FilePath(chartName + QStringLiteral(".gsp"));
}

QString dateAxisStart(const QDate& date)
{
    return QString::asprintf("%04d:%02d:%02d:00:00:00", date.year(), date.month(), date.day());
}
