// Walking a window by keyboard alone, as a user without a mouse or with a screen reader does: Tab
// (or Shift+Tab) pressed on whatever has the focus, stop after stop, and at each stop whether the
// focus could be seen and what a screen reader says. Shared by the tests of every window.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QWidget>

#include "docview/ControlId.h"

namespace keywalk {

// A label's text as it is read out: without the "&" of its mnemonic (a doubled one is one "&").
inline QString withoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// The name a screen reader reads for `widget`: the label that names it (the label whose buddy it
// is), else its own accessible name (a button's text, a name it was given).
inline QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr) return {};
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
        if (label != nullptr && !label->text(QAccessible::Name).isEmpty()) return label->text(QAccessible::Name);
    return accessible->text(QAccessible::Name);
}

// The text of the label whose buddy `widget` is, as read out; empty when none is.
inline QString labelText(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) return {};
    for (const QLabel* label : parent->findChildren<QLabel*>())
        if (label->buddy() == widget) return withoutMnemonic(label->text());
    return {};
}

// Whether `widget` takes input from the user (a field, a list, a table, a button, tabs), so that a
// screen reader must be able to name it.
inline bool isInput(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr || qobject_cast<const QTabBar*>(widget) != nullptr;
}

// Whether the user can see where the focus is: the widget is shown, wholly or in part, and not
// scrolled out of sight or clipped away by the widgets that hold it.
inline bool isInSight(const QWidget* widget)
{
    return widget != nullptr && widget->isVisible() && !widget->visibleRegion().isEmpty();
}

// One stop of a walk: where the focus went (null when it left the window or vanished), whether it
// could be seen there, and what a screen reader said.
struct Stop {
    QPointer<QWidget> widget;
    bool inSight = false;
    QString spokenName;
};

// Presses Tab (Shift+Tab when `backwards`) on the widget that has the focus, starting on `start`,
// until the focus comes back to `start` or after `limit` presses. Returns the stops in order: the
// last is `start` when the walk went round. A press after which nothing of `start`'s window has
// the focus ends the walk with a stop without a widget.
inline QList<Stop> walkTabs(QWidget* start, int limit = 300, bool backwards = false)
{
    QList<Stop> stops;
    start->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    QWidget* focus = QApplication::focusWidget();
    for (int press = 0; press < limit && focus != nullptr; ++press) {
        if (backwards)
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (focus != nullptr && focus->window() != start->window()) focus = nullptr;
        stops.append({focus, isInSight(focus), focus != nullptr ? spokenName(focus) : QString()});
        if (focus == start) break;
    }
    return stops;
}

// The control ids of the stops of a walk, 0 for a stop without one.
inline QList<int> stopIds(const QList<Stop>& stops)
{
    QList<int> ids;
    for (const Stop& stop : stops) ids.append(docview::controlIdOf(stop.widget));
    return ids;
}

// Checks every stop of a walk: the focus stayed in the window and in sight, on a control that
// takes input, and the screen reader named it, by its label where it has one.
inline void checkStops(const QList<Stop>& stops)
{
    for (const Stop& stop : stops) {
        QVERIFY2(stop.widget != nullptr, "the focus left the window");
        const QString where = stop.widget->objectName();
        QVERIFY2(stop.inSight, qPrintable(where + QStringLiteral(" is out of sight")));
        QVERIFY2(isInput(stop.widget), qPrintable(where + QStringLiteral(" takes no input")));
        QVERIFY2(!stop.spokenName.isEmpty(), qPrintable(where + QStringLiteral(" has no name")));
        // A list's own name on this desktop is the item it shows; a label has to say what it is.
        if (auto* list = qobject_cast<QComboBox*>(stop.widget.data()))
            QVERIFY2(stop.spokenName != list->currentText(), qPrintable(where + QStringLiteral(" has no label")));
        const QString label = labelText(stop.widget);
        if (!label.isEmpty()) QCOMPARE(stop.spokenName, label);
    }
}

}  // namespace keywalk
