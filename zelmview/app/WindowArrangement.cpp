#include "app/WindowArrangement.h"

#include <algorithm>
#include <cmath>

namespace windowarrangement {

namespace {

// A window of `size` (at least `minimum`, at most the area) at `wanted`, moved in so that it lies
// inside `area` where it fits.
QRect placeInside(const QRect& area, const QPoint& wanted, const QSize& size, const QSize& minimum)
{
    const QSize placed = size.boundedTo(area.size()).expandedTo(minimum);
    const int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - placed.width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - placed.height()));
    return {QPoint(x, y), placed};
}

}  // namespace

QList<QRect> cascade(const QRect& area, const QList<QSize>& minimums, int step)
{
    const int count = int(minimums.size());
    if (count == 0 || area.isEmpty()) return {};
    step = std::max(1, step);
    // As many steps as leave every window at least half of the area.
    const int run = std::max(1, std::min({count, 1 + area.width() / 2 / step, 1 + area.height() / 2 / step}));
    const QSize common = area.size() - QSize((run - 1) * step, (run - 1) * step);
    QList<QRect> places;
    for (int k = 0; k < count; ++k) {
        const int offset = (k % run) * step;
        places.append(placeInside(area, area.topLeft() + QPoint(offset, offset), common, minimums.at(k)));
    }
    return places;
}

QList<QRect> tile(const QRect& area, const QList<QSize>& minimums)
{
    const int count = int(minimums.size());
    if (count == 0 || area.isEmpty()) return {};
    const int columns = int(std::ceil(std::sqrt(double(count))));
    const int rows = (count + columns - 1) / columns;
    QList<QRect> places;
    for (int k = 0; k < count; ++k) {
        const int row = k / columns;
        // The last row shares the whole width among the windows it holds.
        const int inRow = row == rows - 1 ? count - row * columns : columns;
        const int column = k % columns;
        const int left = area.left() + column * area.width() / inRow;
        const int right = area.left() + (column + 1) * area.width() / inRow;
        const int top = area.top() + row * area.height() / rows;
        const int bottom = area.top() + (row + 1) * area.height() / rows;
        places.append(placeInside(area, QPoint(left, top), QSize(right - left, bottom - top), minimums.at(k)));
    }
    return places;
}

}  // namespace windowarrangement
