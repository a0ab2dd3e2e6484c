#include "forms/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <algorithm>

namespace forms {

namespace {

const char* const kFramePending = "screenFitFramePending";

// Menus, tool tips and the like place themselves.
bool placesItself(const QWidget* window)
{
    switch (window->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::Desktop:
        return true;
    default:
        return false;
    }
}

// Desktop platforms put a frame with a title bar around every window; the offscreen and minimal
// ones of tests and scripts do not.
bool platformFramesWindows()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int fitSpan(int& start, int length, int areaStart, int areaLength, int minimum)
{
    length = std::max(std::min(length, areaLength), minimum);
    start = std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
    return length;
}

}  // namespace

QRect fitRectInto(const QRect& window, const QRect& available, const QSize& minimum)
{
    if (available.isEmpty()) return window;
    int left = window.left();
    int top = window.top();
    const int width = fitSpan(left, window.width(), available.left(), available.width(), minimum.width());
    const int height = fitSpan(top, window.height(), available.top(), available.height(), minimum.height());
    return {left, top, width, height};
}

QScreen* screenOf(const QWidget* window)
{
    if (QScreen* under = QGuiApplication::screenAt(window->frameGeometry().center())) return under;
    if (QScreen* own = window->screen()) return own;
    return QGuiApplication::primaryScreen();
}

QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    if (!known.isNull() || !platformFramesWindows()) return known;
    // Until the window manager has framed the window, room for a title bar and a border.
    QStyleOptionTitleBar option;
    option.initFrom(window);
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return {border, title + border, border, border};
}

void fitToScreen(QWidget* window)
{
    if (window == nullptr || !window->isWindow() || placesItself(window) || window->isMaximized() ||
        window->isFullScreen())
        return;
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) return;
    const QRect inner = window->geometry();
    const QMargins margins = frameMargins(window);
    const QRect frame = inner.marginsAdded(margins);
    const QSize frameExtra(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QRect fitted = fitRectInto(frame, screen->availableGeometry(), window->minimumSize() + frameExtra);
    if (fitted.size() != frame.size()) window->resize(fitted.size() - frameExtra);
    // A window moves by its frame as far as the window system knows it; one not yet framed moves
    // by its inside, so it goes where its title bar will have room above it.
    const QPoint knownFrameCorner = window->geometry().topLeft() - window->frameGeometry().topLeft();
    const QPoint target = fitted.topLeft() + QPoint(margins.left(), margins.top()) - knownFrameCorner;
    if (target != window->pos()) window->move(target);
}

void centreOnParent(QWidget* window)
{
    const QWidget* parent = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
    const QScreen* screen = screenOf(window);
    QRect area = parent != nullptr && parent->isVisible() ? parent->frameGeometry() : QRect();
    if (area.isEmpty() && screen != nullptr) area = screen->availableGeometry();
    if (!area.isEmpty()) window->move(area.center() - window->rect().center());
}

bool ScreenFitFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType()) return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || placesItself(widget)) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        // A window the program has not placed gets its place here, so the window manager does
        // not put it where it does not fit.
        if (!widget->testAttribute(Qt::WA_Moved)) centreOnParent(widget);
        fitToScreen(widget);
        widget->setProperty(kFramePending, true);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The window manager's frame is known only once it has framed the shown window: the window
        // is fitted once more, frame and all.
        if (widget->property(kFramePending).toBool() && widget->frameGeometry() != widget->geometry()) {
            widget->setProperty(kFramePending, false);
            fitToScreen(widget);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace forms
