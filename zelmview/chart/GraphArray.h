// A value per graph, set and point, as the graph dialog keeps its series.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <typename T>
class GraphArray {
public:
    void Allocate(int graphs, int sets, int points, const T& value)
    {
        graphCount = std::max(0, graphs);
        setCount = std::max(0, sets);
        pointCount = std::max(0, points);
        data.assign(std::size_t(graphCount) * setCount * pointCount, value);
    }
    void Free() { Allocate(0, 0, 0, T()); }

    bool IsEmpty() const { return data.empty(); }
    int Graphs() const { return graphCount; }
    int Sets() const { return setCount; }
    int Points() const { return pointCount; }
    bool Contains(int graph, int set, int point) const
    {
        return graph >= 0 && graph < graphCount && set >= 0 && set < setCount && point >= 0 && point < pointCount;
    }

    T& at(int graph, int set, int point) { return data.at(Index(graph, set, point)); }
    const T& at(int graph, int set, int point) const { return data.at(Index(graph, set, point)); }

    auto begin() const { return data.begin(); }
    auto end() const { return data.end(); }

private:
    std::size_t Index(int graph, int set, int point) const
    {
        return (std::size_t(graph) * setCount + set) * pointCount + point;
    }

    std::vector<T> data;
    int graphCount = 0;
    int setCount = 0;
    int pointCount = 0;
};
