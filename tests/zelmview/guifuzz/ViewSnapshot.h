// What a project window shows, widget by widget, and what a new window of the same project data
// would show: the fuzzer's two views of the truth. A snapshot maps "page/widget:aspect" to the
// text shown ("permeabilityEdit:text" → "1.5", "eventTable:row3" → "4\t12\t1.2"); the risk pages
// put their name in front, since two pages may show the same value.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class RiskData;
class ZELMData;

namespace guifuzz {

using Snapshot = QMap<QString, QString>;

// What `view` shows. The widget with the focus, a cell whose editor is open and the live panel
// (which follows the typing) are left out unless `withTyping`, which takes the text typed into
// them as well (the editor's text under "TABLE:editing" with its row and column). Risk pages not shown since they were
// added are left out: they show the project only once they are.
Snapshot snapshotOf(const QWidget* view, bool withTyping);

// What a new window of the project shows, built offscreen and thrown away. `pages` names the risk
// pages to show (those a window compared with has shown). `changed` is set when showing the
// project changed it, or marked it modified.
Snapshot freshSnapshot(const ZELMData& data, bool* changed);
Snapshot freshSnapshot(const RiskData& data, const QStringList& pages, bool* changed);

// The risk pages `view` has shown, by name.
QStringList shownPages(const QWidget* view);

// Whether a key is one of the values the user edits (a field, a list, a radio button, a row of a
// table), rather than a label, an enabling or a column title.
bool isValueKey(const QString& key);
// The widget part of a key: "costDataPage/omCostEdit:text" → "omCostEdit".
QString widgetOf(const QString& key);

// Whether `text` is a number a field may hold: the whole text one number in the C locale (blanks
// around it allowed), finite, and within the range the project files keep.
bool isNumber(const QString& text);

// How `a` differs from `b`, one line per difference, over the keys both have (and the row counts
// of tables). `tolerant` compares as a file keeps values: numbers to six significant digits, texts
// without blanks at their ends, the event table's rows in calendar order (an edited row of `a`
// may be anywhere in `b`). `ignore` leaves keys out.
QStringList differences(const Snapshot& a, const Snapshot& b, bool tolerant,
                        const std::function<bool(const QString& key)>& ignore = {});

}  // namespace guifuzz
