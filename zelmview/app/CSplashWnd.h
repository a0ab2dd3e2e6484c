// The splash window: bitmap 102 in a borderless window for 4000 ms. While it is up, the first key
// press or mouse button press anywhere in the program closes it and goes no further.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLifetimeMs = 4000;

    explicit CSplashWnd(QWidget* owner);
    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Sees every event of the program first (the message pre-filter).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void HideSplashScreen();
    void CentreOnOwner();

    QPixmap bitmap;
    QTimer lifetime;
    bool hiding = false;
};
