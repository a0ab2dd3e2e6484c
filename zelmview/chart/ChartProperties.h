// The property store of the chart component: every value set through a setter ordinal, kept under
// its getter with up to two indices. Values are integers, doubles or texts; an unset value reads as
// an invalid QVariant, which the typed getters turn into their fallback.
#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

#include "chart/ChartOrdinals.h"

namespace chart {

class ChartProperties {
public:
    ChartProperties();

    // Stores `value` under the getter paired with `setter`. Unknown setters and read-only
    // properties ignore the write and return false.
    bool Set(int setter, int first, int second, const QVariant& value);
    QVariant Get(int getter, int first = 0, int second = 0) const;

    bool Has(const PropertyPair& pair, int first = 0, int second = 0) const;
    int Int(const PropertyPair& pair, int fallback = 0, int first = 0, int second = 0) const;
    double Double(const PropertyPair& pair, double fallback = 0.0, int first = 0, int second = 0) const;
    QString Text(const PropertyPair& pair, int first = 0, int second = 0) const;

    // One more than the highest first index written to `pair` (0 when none was).
    int FirstIndexCount(const PropertyPair& pair) const;

private:
    static quint64 Key(int getter, int first, int second);

    QHash<int, int> getterOfSetter;
    QHash<quint64, QVariant> values;
    QHash<int, int> firstIndexCounts;
};

}  // namespace chart
