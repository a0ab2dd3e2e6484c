// One property of the chart component as the graph dialog sees it: a getter and a setter with
// 0, 1 or 2 indices. A property without setter ignores writes; one without getter reads 0.
#pragma once

#include <QList>
#include <QVariant>

#include "chart/ChartOrdinals.h"

class ChartWrapper;

class ChartProperty {
public:
    ChartProperty(ChartWrapper& owner, const chart::PropertyPair& pair);

    // Selects the index (or indices, the first one first) of the next read or write; raises the
    // count to at least first + 1.
    ChartProperty& operator[](int first);
    ChartProperty& operator()(int first, int second);

    void Set(const QVariant& value);
    QVariant Get() const;
    int GetInt() const { return Get().toInt(); }
    double GetDouble() const { return Get().toDouble(); }

    // Writes indices 0 to count - 1 in order from `values` (as many as it holds).
    template <typename T>
    void SetAll(const QList<T>& values)
    {
        for (int k = 0; k < count && k < values.size(); ++k) (*this)[k].Set(values.at(k));
    }

    int Count() const { return count; }

private:
    ChartWrapper& wrapper;
    chart::PropertyPair pair;
    int firstIndex = 0;
    int secondIndex = 0;
    int count = 0;
};
