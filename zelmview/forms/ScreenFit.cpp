#include "forms/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
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

void fitToScreen(QWidget* window)
{
    if (window == nullptr || !window->isWindow() || placesItself(window) || window->isMaximized() ||
        window->isFullScreen())
        return;
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) return;
    // The frame around the window, as far as the window system has told it.
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QSize frameExtra(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QRect fitted = fitRectInto(frame, screen->availableGeometry(), window->minimumSize() + frameExtra);
    if (fitted.size() != frame.size()) window->resize(fitted.size() - frameExtra);
    if (fitted.topLeft() != frame.topLeft()) window->move(fitted.topLeft());
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
