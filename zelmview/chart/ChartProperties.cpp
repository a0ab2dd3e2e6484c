#include "chart/ChartProperties.h"

namespace chart {

namespace {

// Indices are kept in 24 bits each: far more points than the chart accepts.
constexpr int kIndexBits = 24;
constexpr quint64 kIndexMask = (quint64(1) << kIndexBits) - 1;

}  // namespace

ChartProperties::ChartProperties()
{
    for (const PropertyPair& pair : kAllProperties)
        if (pair.setter != 0) getterOfSetter.insert(pair.setter, pair.getter);
}

quint64 ChartProperties::Key(int getter, int first, int second)
{
    return (quint64(getter) << (2 * kIndexBits)) | ((quint64(first) & kIndexMask) << kIndexBits) |
           (quint64(second) & kIndexMask);
}

bool ChartProperties::Set(int setter, int first, int second, const QVariant& value)
{
    const auto getter = getterOfSetter.constFind(setter);
    if (getter == getterOfSetter.constEnd() || first < 0 || second < 0) return false;
    values.insert(Key(*getter, first, second), value);
    int& count = firstIndexCounts[*getter];
    count = std::max(count, first + 1);
    return true;
}

QVariant ChartProperties::Get(int getter, int first, int second) const
{
    return values.value(Key(getter, first, second));
}

bool ChartProperties::Has(const PropertyPair& pair, int first, int second) const
{
    return values.contains(Key(pair.getter, first, second));
}

int ChartProperties::Int(const PropertyPair& pair, int fallback, int first, int second) const
{
    const QVariant value = Get(pair.getter, first, second);
    return value.isValid() ? value.toInt() : fallback;
}

double ChartProperties::Double(const PropertyPair& pair, double fallback, int first, int second) const
{
    const QVariant value = Get(pair.getter, first, second);
    return value.isValid() ? value.toDouble() : fallback;
}

QString ChartProperties::Text(const PropertyPair& pair, int first, int second) const
{
    return Get(pair.getter, first, second).toString();
}

int ChartProperties::FirstIndexCount(const PropertyPair& pair) const
{
    return firstIndexCounts.value(pair.getter, 0);
}

}  // namespace chart
