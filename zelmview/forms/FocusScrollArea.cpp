#include "forms/FocusScrollArea.h"

#include <QApplication>

namespace forms {

FocusScrollArea::FocusScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // A field moving the focus on by its own keys passes by the area's own Tab handling, which
    // alone would scroll; so every change of the focus is followed.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && widget() != nullptr && widget()->isAncestorOf(now)) ensureWidgetVisible(now);
    });
}

}  // namespace forms
