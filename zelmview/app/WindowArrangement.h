// Where Cascade and Tile put the windows of the main window's area: every window inside the
// visible area, none smaller than the least size its form needs. Cascade gives every window the
// same size, each a title bar below and to the right of the one before, and starts again at the
// top-left before a window would have less than half the area; Tile splits the area into a grid
// of nearly square cells, and a window that needs more than its cell grows over its neighbours
// rather than past the edge of the area. Only a window whose least size exceeds the area itself
// reaches beyond it (the area then scrolls to it).
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace windowarrangement {

// The places of windows whose least sizes are `minimums`, in that order, cascading inside `area`
// by `step` pixels.
QList<QRect> cascade(const QRect& area, const QList<QSize>& minimums, int step);

// The places of windows whose least sizes are `minimums`, in that order, tiled inside `area`.
QList<QRect> tile(const QRect& area, const QList<QSize>& minimums);

}  // namespace windowarrangement
