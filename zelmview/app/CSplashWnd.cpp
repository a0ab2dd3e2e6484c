#include "app/CSplashWnd.h"

#include <QApplication>
#include <QPainter>

#include "app/Pictures.h"
#include "docview/ControlId.h"
#include "docview/ResourceIds.h"
#include "forms/ScreenFit.h"

namespace {

bool closesSplash(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

}  // namespace

CSplashWnd::CSplashWnd(QWidget* owner)
    // Above the main window also when the window manager raises that one as it takes the focus.
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      bitmap(fieldSectionBitmap())
{
    setObjectName(QStringLiteral("splashWindow"));
    docview::setControlId(this, zelm::kSplashBitmap);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(bitmap.deviceIndependentSize().toSize());
    lifetime.setSingleShot(true);
    connect(&lifetime, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
    lifetime.start(kLifetimeMs);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

void CSplashWnd::showEvent(QShowEvent* event)
{
    CentreOnOwner();
    QWidget::showEvent(event);
}

void CSplashWnd::CentreOnOwner()
{
    // Over the main window when that is showing, else in the middle of the screen.
    forms::centreOnParent(this);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap);
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (hiding) return QWidget::eventFilter(watched, event);
    // The window manager may place the main window after it was shown; the splash follows it.
    if (watched == parentWidget() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        CentreOnOwner();
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep the key from firing a shortcut: it only closes the splash, as its key press below.
        event->accept();
        return true;
    }
    if (closesSplash(event)) {
        HideSplashScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::HideSplashScreen()
{
    if (hiding) return;
    hiding = true;
    lifetime.stop();
    qApp->removeEventFilter(this);
    QWidget* owner = parentWidget();
    close();
    if (owner != nullptr) owner->update();
}
