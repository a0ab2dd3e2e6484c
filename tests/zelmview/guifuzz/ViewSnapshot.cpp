#include "ViewSnapshot.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "docview/WorkingFolder.h"
#include "forms/FoldingPanel.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"
#include "risk/RiskAnalysisSheet.h"
#include "risk/RiskPage.h"
#include "table/TableListCtrl.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"

namespace guifuzz {

namespace {

const QString kEventTable = QStringLiteral("eventTable");

const RiskPage* pageOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (auto* page = qobject_cast<const RiskPage*>(w)) return page;
    return nullptr;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

void addTable(Snapshot& shown, const QString& key, const TableListCtrl& table, bool withTyping)
{
    const CTableInPlaceEdit* editor = table.GetEditor();
    shown.insert(key + QStringLiteral("rows"), QString::number(table.rowCount()));
    QStringList titles;
    for (int column = 0; column < table.columnCount(); ++column) titles.append(table.GetColumnTitle(column));
    shown.insert(key + QStringLiteral("titles"), titles.join(QLatin1Char('\t')));
    for (int row = 0; row < table.rowCount(); ++row) {
        if (editor != nullptr && editor->GetRow() == row) {
            if (withTyping)
                shown.insert(key + QStringLiteral("editing"),
                             QStringLiteral("%1\t%2\t%3").arg(row).arg(editor->GetColumn()).arg(editor->text()));
            continue;
        }
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) cells.append(table.GetCellText(row, column));
        shown.insert(key + QStringLiteral("row") + QString::number(row), cells.join(QLatin1Char('\t')));
    }
}

// A live panel shows what the model makes of the project as typed, so it counts as typing.
bool inLivePanel(const QWidget* widget)
{
    for (const QWidget* holder = widget; holder != nullptr; holder = holder->parentWidget())
        if (qobject_cast<const forms::FoldingPanel*>(holder) != nullptr) return true;
    return false;
}

void addWidget(Snapshot& shown, const QString& key, const QWidget* widget, bool withTyping)
{
    const bool typing = widget == QApplication::focusWidget();
    if (auto* table = qobject_cast<const TableListCtrl*>(widget)) {
        addTable(shown, key, *table, withTyping);
    } else if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        if (qobject_cast<const CTableInPlaceEdit*>(edit) != nullptr) return;
        if (qobject_cast<const QAbstractSpinBox*>(edit->parentWidget()) != nullptr) return;
        if (qobject_cast<const QComboBox*>(edit->parentWidget()) != nullptr) return;
        if (!typing || withTyping) shown.insert(key + QStringLiteral("text"), edit->text());
        shown.insert(key + QStringLiteral("enabled"), flag(edit->isEnabled()));
        shown.insert(key + QStringLiteral("hidden"), flag(edit->isHidden()));
    } else if (auto* text = qobject_cast<const QPlainTextEdit*>(widget)) {
        if (!typing || withTyping) shown.insert(key + QStringLiteral("text"), text->toPlainText());
    } else if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        shown.insert(key + QStringLiteral("choice"), list->currentText());
    } else if (auto* button = qobject_cast<const QAbstractButton*>(widget); button && button->isCheckable()) {
        shown.insert(key + QStringLiteral("checked"), flag(button->isChecked()));
        if (qobject_cast<const QRadioButton*>(button) != nullptr)
            shown.insert(key + QStringLiteral("label"), button->text());
    } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
        shown.insert(key + QStringLiteral("label"), label->text());
        shown.insert(key + QStringLiteral("hidden"), flag(label->isHidden()));
    }
}

// Numbers as the file keeps them: six significant digits, and the last of them may differ where
// a value is derived from two others that were rounded.
bool sameNumber(const QString& a, const QString& b, double scale = 0.0)
{
    bool okA = false;
    bool okB = false;
    const double x = QLocale::c().toDouble(a.trimmed(), &okA);
    const double y = QLocale::c().toDouble(b.trimmed(), &okB);
    if (!okA || !okB) return false;
    return std::fabs(x - y) <= 1e-5 * std::max({std::fabs(x), std::fabs(y), scale}) + 1e-6;
}

// Text as the file keeps it: no blanks at the ends of lines, no blank lines at either end.
QString keptText(const QString& text)
{
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    for (QString& line : lines)
        while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
    return lines.join(QLatin1Char('\n')).trimmed();
}

bool sameShown(const QString& a, const QString& b, bool tolerant, double scale = 0.0)
{
    if (a == b) return true;
    if (!tolerant) return false;
    if (scale > 0.0) return sameNumber(a, b, scale);
    const QStringList cellsA = a.split(QLatin1Char('\t'));
    const QStringList cellsB = b.split(QLatin1Char('\t'));
    if (cellsA.size() != cellsB.size()) return false;
    for (qsizetype i = 0; i < cellsA.size(); ++i)
        if (!sameNumber(cellsA[i], cellsB[i]) && keptText(cellsA[i]) != keptText(cellsB[i])) return false;
    return true;
}

// The file keeps the root zone requirement as the depth to the drain less the maximum water table,
// each to six digits: it is as exact as the depth to the drain is large.
double derivedScale(const Snapshot& shown, const QString& key)
{
    if (!key.startsWith(QLatin1String("rootZoneRequirementEdit:"))) return 0.0;
    return 2.0 * std::fabs(QLocale::c().toDouble(shown.value(QStringLiteral("depthToDrainEdit:text"))));
}

// A crop name as the file keeps it: cut to its field.
QString asKept(const QString& key, const QString& text, bool tolerant)
{
    return tolerant && widgetOf(key) == QLatin1String("cropNameEdit") ? RiskData::FittedCropName(text) : text;
}

// The rows of an event table in calendar order, events of one date in their order.
QStringList calendarOrder(QStringList rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
        const QStringList x = a.split(QLatin1Char('\t'));
        const QStringList y = b.split(QLatin1Char('\t'));
        const auto date = [](const QStringList& cells) {
            return std::pair(cells.value(0).toInt(), cells.value(1).toInt());
        };
        return date(x) < date(y);
    });
    return rows;
}

QStringList tableRows(const Snapshot& shown, const QString& tableKey)
{
    QStringList rows;
    const int count = shown.value(tableKey + QStringLiteral("rows")).toInt();
    for (int row = 0; row < count; ++row) {
        const QString key = tableKey + QStringLiteral("row") + QString::number(row);
        if (shown.contains(key)) rows.append(shown.value(key));
    }
    return rows;
}

// The rows of `a` against those of `b` in calendar order; with an edited row in `a`, each row of
// `a` must still be somewhere in `b`.
void compareEventRows(const Snapshot& a, const Snapshot& b, const QString& tableKey, QStringList& out)
{
    const QStringList rowsA = calendarOrder(tableRows(a, tableKey));
    QStringList rowsB = calendarOrder(tableRows(b, tableKey));
    if (!a.contains(tableKey + QStringLiteral("editing"))) {
        if (rowsA.size() == rowsB.size() &&
            std::equal(rowsA.begin(), rowsA.end(), rowsB.begin(),
                       [](const QString& x, const QString& y) { return sameShown(x, y, true); }))
            return;
        out.append(tableKey + QStringLiteral("rows in calendar order: ") + rowsA.join(QStringLiteral(" | ")) +
                   QStringLiteral("  vs  ") + rowsB.join(QStringLiteral(" | ")));
        return;
    }
    for (const QString& row : rowsA) {
        const auto found = std::find_if(rowsB.begin(), rowsB.end(),
                                        [&row](const QString& other) { return sameShown(row, other, true); });
        if (found == rowsB.end()) {
            out.append(tableKey + QStringLiteral("row ") + row + QStringLiteral(" (not edited) is gone: ") +
                       rowsB.join(QStringLiteral(" | ")));
            return;
        }
        rowsB.erase(found);
    }
}

}  // namespace

Snapshot snapshotOf(const QWidget* view, bool withTyping)
{
    Snapshot shown;
    for (const QWidget* widget : view->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty()) continue;
        if (!withTyping && inLivePanel(widget)) continue;
        const RiskPage* page = pageOf(widget);
        if (page != nullptr && !page->IsShown()) continue;
        const QString key = (page != nullptr && page != widget ? page->objectName() + QLatin1Char('/') : QString()) +
                            widget->objectName() + QLatin1Char(':');
        addWidget(shown, key, widget, withTyping);
    }
    return shown;
}

QStringList shownPages(const QWidget* view)
{
    QStringList pages;
    for (const RiskPage* page : view->findChildren<RiskPage*>())
        if (page->IsShown()) pages.append(page->objectName());
    return pages;
}

Snapshot freshSnapshot(const ZELMData& data, bool* changed)
{
    // A new transient document moves the program to its remembered folder: the fuzzed program
    // stays where it was.
    const QString folder = docview::workingFolder().Path();
    auto* document = new CZelmViewDoc;
    docview::workingFolder().MoveTo(folder);
    document->GetData() = data;
    auto* view = new CZelmViewView(document);
    view->OnInitialUpdate();
    Snapshot shown = snapshotOf(view, false);
    *changed = !(document->GetData() == data) || document->IsModified();
    delete view;  // the document goes with its last view
    return shown;
}

Snapshot freshSnapshot(const RiskData& data, const QStringList& pages, bool* changed)
{
    auto* document = new CZELMRiskDoc;
    document->GetData() = data;
    auto* view = new CZELMRiskView(document);
    view->OnInitialUpdate();
    RiskAnalysisSheet* sheet = view->GetSheet();
    for (int index = 0; index < sheet->count(); ++index)
        if (pages.contains(sheet->widget(index)->objectName())) sheet->setCurrentIndex(index);
    Snapshot shown = snapshotOf(view, false);
    *changed = !(document->GetData() == data) || document->IsModified();
    delete view;
    return shown;
}

bool isNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

bool isValueKey(const QString& key)
{
    const QString aspect = key.mid(key.lastIndexOf(QLatin1Char(':')) + 1);
    return aspect == QLatin1String("text") || aspect == QLatin1String("choice") || aspect == QLatin1String("checked") ||
           aspect == QLatin1String("rows") || aspect.startsWith(QLatin1String("row")) ||
           aspect == QLatin1String("editing");
}

QString widgetOf(const QString& key)
{
    const QString name = key.left(key.lastIndexOf(QLatin1Char(':')));
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

QStringList differences(const Snapshot& a, const Snapshot& b, bool tolerant,
                        const std::function<bool(const QString& key)>& ignore)
{
    QStringList out;
    QStringList eventTables;
    for (auto it = a.constBegin(); it != a.constEnd(); ++it) {
        const QString& key = it.key();
        if (ignore && ignore(key)) continue;
        if (tolerant && !isValueKey(key)) continue;
        const QString aspect = key.mid(key.lastIndexOf(QLatin1Char(':')) + 1);
        if (tolerant && widgetOf(key) == kEventTable && aspect != QLatin1String("rows")) {
            const QString table = key.left(key.lastIndexOf(QLatin1Char(':')) + 1);
            if (!eventTables.contains(table)) eventTables.append(table);
            continue;
        }
        if (!b.contains(key) ||
            sameShown(asKept(key, it.value(), tolerant), b.value(key), tolerant, derivedScale(a, key)))
            continue;
        out.append(key + QStringLiteral(": \"") + it.value() + QStringLiteral("\" vs \"") + b.value(key) +
                   QLatin1Char('"'));
    }
    for (const QString& table : std::as_const(eventTables)) compareEventRows(a, b, table, out);
    return out;
}

}  // namespace guifuzz
