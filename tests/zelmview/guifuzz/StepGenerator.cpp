#include "StepGenerator.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "AppDriver.h"
#include "docview/View.h"
#include "table/CTableInPlaceEdit.h"
#include "table/TableListCtrl.h"

namespace guifuzz {

namespace {

const QStringList kHardNumbers = {
    QStringLiteral("0"),
    QStringLiteral("1"),
    QStringLiteral("-3"),
    QStringLiteral("0.05"),
    QStringLiteral("1e-05"),
    QStringLiteral("1.5e3"),
    QStringLiteral("abc"),
    QStringLiteral("inf"),
    QStringLiteral("-inf"),
    QStringLiteral("nan"),
    QStringLiteral("info"),
    QStringLiteral("nano"),
    QStringLiteral("1e39"),
    QStringLiteral("3.5e38"),
    QStringLiteral("-1e39"),
    QStringLiteral("1e-50"),
    QString(),
    QStringLiteral(" "),
    QStringLiteral(" 2 "),
    QStringLiteral("1,5"),
    QStringLiteral("3.5abc"),
    QStringLiteral("0x10"),
    QStringLiteral("1e"),
    QStringLiteral("."),
    QStringLiteral("-"),
    QStringLiteral("+4"),
    QStringLiteral("2 3"),
    QStringLiteral("99999999999"),
};
const QStringList kTexts = {
    QString(),
    QStringLiteral("Field 7"),
    QStringLiteral("corn"),
    QStringLiteral("#not a comment"),
    QStringLiteral("  padded  "),
    QStringLiteral("winter wheat on heavy clay"),
    QStringLiteral("1.5"),
    QStringLiteral("line one\nline two"),
    QStringLiteral("\u00fcber"),
};
const QStringList kAnswers = {QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("cancel")};

struct Offer {
    QStringList fields;
    QStringList lists;
    QStringList radios;
    QStringList pages;
    QStringList buttons;
    TableListCtrl* table = nullptr;
};

Offer offerOf(const docview::View& view)
{
    Offer offer;
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->objectName().isEmpty()) continue;
        const QString name = widget->objectName();
        if (auto* table = qobject_cast<TableListCtrl*>(widget)) {
            offer.table = table;
        } else if (qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
            const bool inner = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr ||
                               qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
                               qobject_cast<CTableInPlaceEdit*>(widget) != nullptr;
            if (!inner) offer.fields.append(name);
        } else if (qobject_cast<QComboBox*>(widget) != nullptr) {
            offer.lists.append(name);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            (button->isCheckable() ? offer.radios : offer.buttons).append(name);
        } else if (auto* sheet = qobject_cast<QTabWidget*>(widget)) {
            for (int index = 0; index < sheet->count(); ++index) offer.pages.append(sheet->widget(index)->objectName());
        }
    }
    return offer;
}

Step step(const QString& verb, const QStringList& words = {}, std::optional<QString> text = std::nullopt)
{
    return Step{verb, words, std::move(text)};
}

}  // namespace

Step StepGenerator::Next(const AppDriver& driver)
{
    const docview::View* view = driver.ActiveView();
    const bool input = view != nullptr && (view->inherits("CZelmViewView") || view->inherits("CZELMRiskView"));
    if (!input || Chance(4)) return Anywhere(driver);
    const Offer offer = offerOf(*view);
    const int rows = offer.table != nullptr ? offer.table->rowCount() : 0;
    const int columns = offer.table != nullptr ? offer.table->columnCount() : 0;
    struct Choice {
        int weight;
        std::function<Step()> make;
    };
    const QList<Choice> choices = {
        {offer.fields.isEmpty() ? 0 : 24,
         [&] {
             const QString& field = Pick(offer.fields);
             return step(QStringLiteral("type"), {field, Chance(80) ? QStringLiteral("leave") : QStringLiteral("keep")},
                         FieldText(field));
         }},
        {rows > 0 ? 14 : 0, [&] { return OnTable(QStringLiteral("cell"), rows, columns); }},
        {offer.lists.isEmpty() ? 0 : 6,
         [&] {
             const QString& list = Pick(offer.lists);
             if (Chance(20))
                 return step(QStringLiteral("select"), {list, QStringLiteral("wheel"),
                                                        Chance(50) ? QStringLiteral("up") : QStringLiteral("down")});
             return step(QStringLiteral("select"), {list, Chance(50) ? QStringLiteral("key") : QStringLiteral("pick"),
                                                    QString::number(Below(3))});
         }},
        {offer.radios.isEmpty() ? 0 : 5, [&] { return step(QStringLiteral("radio"), {Pick(offer.radios)}); }},
        {offer.pages.isEmpty() ? 0 : 5, [&] { return step(QStringLiteral("tab"), {Pick(offer.pages)}); }},
        {offer.buttons.contains(QStringLiteral("addButton")) ? 3 : 0,
         [&] { return step(QStringLiteral("add"), {QString::number(Below(4))}); }},
        {rows > 0 && offer.buttons.contains(QStringLiteral("addButton")) ? 2 : 0,
         [&] { return OnTable(QStringLiteral("insert"), rows, columns); }},
        {offer.buttons.contains(QStringLiteral("deleteButton")) ? 2 : 0,
         [&] {
             if (Chance(20)) return step(QStringLiteral("delete"), {QStringLiteral("cancel")});
             QStringList chosen;
             for (int count = 1 + Below(2); count > 0 && rows > 0; --count) chosen.append(QString::number(Below(rows)));
             return step(QStringLiteral("delete"), {chosen.join(QLatin1Char(','))});
         }},
        {rows > 0 && offer.buttons.contains(QStringLiteral("addButton")) ? 2 : 0,
         [&] { return OnTable(Chance(50) ? QStringLiteral("cut") : QStringLiteral("del"), rows, columns); }},
        {rows > 0 ? 1 : 0, [&] { return step(QStringLiteral("copy")); }},
        {rows > 0 ? 2 : 0, [&] { return step(QStringLiteral("clip"), {}, Rows()); }},
        {rows > 0 ? 3 : 0, [&] { return OnTable(QStringLiteral("paste"), rows, columns); }},
        {6,
         [&] { return step(QStringLiteral("undo"), {Chance(50) ? QStringLiteral("key") : QStringLiteral("menu")}); }},
        {3,
         [&] { return step(QStringLiteral("redo"), {Chance(50) ? QStringLiteral("key") : QStringLiteral("menu")}); }},
        {2, [&] { return step(QStringLiteral("undoall")); }},
        {4,
         [&] { return step(QStringLiteral("save"), {Chance(50) ? QStringLiteral("key") : QStringLiteral("menu")}); }},
        {1, [&] { return step(QStringLiteral("saveas")); }},
        {3,
         [&] {
             static const QStringList ways = {QStringLiteral("key"), QStringLiteral("done"), QStringLiteral("x")};
             return step(QStringLiteral("close"), {Pick(kAnswers), Pick(ways)});
         }},
        {1, [&] { return step(QStringLiteral("quit"), {Pick(kAnswers)}); }},
        {3, [&] { return step(QStringLiteral("run"), {Pick(kAnswers)}); }},
        {1, [&] { return step(QStringLiteral("newwindow")); }},
        {offer.buttons.contains(QStringLiteral("addButton")) ? 1 : 0, [&] { return step(QStringLiteral("bench")); }},
        {offer.buttons.contains(QStringLiteral("specificYieldButton")) ? 1 : 0,
         [&] {
             return step(QStringLiteral("sy"), {Chance(80) ? QStringLiteral("ok") : QStringLiteral("cancel")},
                         Number());
         }},
        {offer.buttons.contains(QStringLiteral("plotButton")) ? 1 : 0, [&] { return step(QStringLiteral("plot")); }},
    };
    int total = 0;
    for (const Choice& choice : choices) total += choice.weight;
    int drawn = Below(total);
    for (const Choice& choice : choices) {
        if (drawn < choice.weight) return choice.make();
        drawn -= choice.weight;
    }
    return Anywhere(driver);
}

// Steps that need no project window: open a project, make one, go to another window.
Step StepGenerator::Anywhere(const AppDriver& driver)
{
    const int windows = int(driver.InputDocuments().size());
    switch (Below(windows > 0 ? 6 : 3)) {
    case 0:
    case 1:
        return step(QStringLiteral("open"), {Pick(driver.ProjectFiles())});
    case 2:
        return step(QStringLiteral("new"), {Chance(50) ? QStringLiteral("transient") : QStringLiteral("risk")});
    case 3:
        return step(QStringLiteral("closereports"));
    default:
        return step(QStringLiteral("window"), {QString::number(Below(8))});
    }
}

Step StepGenerator::OnTable(const QString& verb, int rows, int columns)
{
    // Mostly the last rows, where adding and pasting go past the end.
    const int row = Chance(50) ? std::max(0, rows - 1 - Below(3)) : Below(rows);
    const int column = Below(columns);
    if (verb != QLatin1String("cell")) return step(verb, {QString::number(row), QString::number(column)});
    static const QStringList ends = {QStringLiteral("return"), QStringLiteral("tab"), QStringLiteral("escape"),
                                     QStringLiteral("down"), QStringLiteral("keep")};
    return step(verb, {QString::number(row), QString::number(column), Pick(ends)}, CellText(column));
}

QString StepGenerator::Number()
{
    if (Chance(40)) return Pick(kHardNumbers);
    const double magnitude = std::pow(10.0, Below(7) - 3) * (1 + Below(999)) / 100.0;
    const double value = Chance(15) ? -magnitude : magnitude;
    return QString::number(value, 'g', 1 + Below(8));
}

QString StepGenerator::FieldText(const QString& field)
{
    const bool text = field.contains(QLatin1String("title")) || field.contains(QLatin1String("comment")) ||
                      field.contains(QLatin1String("crop"));
    return text ? Pick(kTexts) : Number();
}

QString StepGenerator::CellText(int column)
{
    if (column >= 2 || Chance(15)) return Number();
    const int day = column == 1 ? 1 + Below(32) : Below(15);
    return Chance(10) ? QString::number(day) + QStringLiteral("x") : QString::number(day);
}

// Rows as a spreadsheet copies them: cells separated by a tab, lines by CR LF, sometimes with the
// header line, an empty cell or a line end after the last line.
QString StepGenerator::Rows()
{
    QStringList lines;
    if (Chance(25)) lines.append(QStringLiteral("Month\tDay\tDeep Perc (in)"));
    for (int count = 1 + Below(6); count > 0; --count) {
        QStringList cells = {QString::number(1 + Below(12)), QString::number(1 + Below(31)), Number()};
        if (Chance(10)) cells[Below(3)].clear();
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QStringLiteral("\r\n")) + (Chance(30) ? QStringLiteral("\r\n") : QString());
}

}  // namespace guifuzz
