// Windows that fit their screen: every top-level window and dialog of the program opens inside the
// available area of its screen (work area less panels), whatever its saved or preferred size and
// whatever the scale factor. A window larger than the area shrinks to it, one partly outside it
// moves in; a window's minimum size is kept, so such a window keeps its top-left corner inside.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace forms {

// `window` moved, and shrunk where it must be (never below `minimum`), to lie inside `available`.
QRect fitRectInto(const QRect& window, const QRect& available, const QSize& minimum = QSize());

// The screen a window is on: the one under its centre, else its own, else the primary screen.
QScreen* screenOf(const QWidget* window);

// The frame around the top-level `window`: as the window system reports it, or, before the window
// is framed on a desktop, the room its title bar and border will take.
QMargins frameMargins(const QWidget* window);

// Fits the frame of the top-level `window` into the available geometry of its screen.
void fitToScreen(QWidget* window);

// Centres `window` over its parent window, or on its screen when it has none showing.
void centreOnParent(QWidget* window);

// Fits every top-level window into its screen as it is shown, first centring one that the
// program did not place; the application installs it once.
class ScreenFitFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace forms
