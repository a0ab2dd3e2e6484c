#include "forms/FieldBinder.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

#include "data/LeadingNumber.h"
#include "docview/MessageSink.h"

namespace forms {
namespace {

QString textOf(const QWidget* edit)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(edit)) return line->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(edit)) return box->toPlainText();
    return {};
}

// Setting a text also ends the field's own undo: from here on Undo takes back the document's step.
// The cursor and the scrolled place stay where they were, for a field the user is still in.
void setTextOf(QWidget* edit, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        const int at = line->cursorPosition();
        line->setText(text);
        line->setCursorPosition(std::min(at, int(text.size())));
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(edit)) {
        const int at = box->textCursor().position();
        const int scrolled = box->verticalScrollBar()->value();
        box->setPlainText(text);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(std::min(at, int(text.size())));
        box->setTextCursor(cursor);
        box->verticalScrollBar()->setValue(scrolled);
    }
}

void selectAllOf(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
    if (auto* box = qobject_cast<QPlainTextEdit*>(edit)) box->selectAll();
}

void scrollIntoView(QWidget* edit)
{
    for (QWidget* holder = edit->parentWidget(); holder != nullptr; holder = holder->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(holder)) {
            area->ensureWidgetVisible(edit);
            return;
        }
}

}  // namespace

FieldBinder::FieldBinder(QObject* parent) : QObject(parent) {}

void FieldBinder::AddNumber(QLineEdit* edit, std::function<double()> value, std::function<void(double)> store,
                            double largest)
{
    Add(
        edit, [value = std::move(value)] { return zelm::formatFieldReal(value()); },
        [store = std::move(store), largest](const QString& typed) {
            const std::optional<double> number = zelm::wholeReal(typed, largest);
            if (number) store(*number);
            return number.has_value();
        });
    fields.last().largest = largest;
}

std::optional<FieldBinder::TypedText> FieldBinder::TypedNumber(const QWidget* edit) const
{
    const Field* field = Find(edit);
    if (field == nullptr || !field->largest || !field->shown) return std::nullopt;
    const QString text = textOf(edit);
    if (text == *field->shown) return std::nullopt;
    return TypedText{text, zelm::wholeReal(text, *field->largest)};
}

void FieldBinder::AddText(QWidget* edit, std::function<QString()> text, std::function<void(const QString&)> store)
{
    Add(edit, std::move(text), [store = std::move(store)](const QString& typed) {
        store(typed);
        return true;
    });
}

void FieldBinder::Add(QWidget* edit, std::function<QString()> documentText, std::function<bool(const QString&)> store)
{
    fields.append({edit, std::move(documentText), std::move(store), std::nullopt, std::nullopt});
    edit->installEventFilter(this);
}

const FieldBinder::Field* FieldBinder::Find(const QWidget* edit) const
{
    for (const Field& field : fields)
        if (field.edit == edit) return &field;
    return nullptr;
}

FieldBinder::Field* FieldBinder::Find(const QWidget* edit)
{
    return const_cast<Field*>(std::as_const(*this).Find(edit));
}

void FieldBinder::ShowAll()
{
    for (Field& field : fields)
        if (!field.shown || *field.shown != field.documentText()) ShowField(field);
}

void FieldBinder::Show(QWidget* edit)
{
    if (Field* field = Find(edit)) ShowField(*field);
}

void FieldBinder::ShowField(Field& field)
{
    field.shown = field.documentText();
    setTextOf(field.edit, *field.shown);
}

bool FieldBinder::Commit(QWidget* edit)
{
    Field* field = Find(edit);
    if (field == nullptr || !field->shown || textOf(edit) == *field->shown) return true;
    const QScopedValueRollback<bool> storing(busy, true);
    if (!field->store(textOf(edit))) {
        Reject(*field);
        return false;
    }
    // Also when the value was the stored one already: the field shows it as every value is shown.
    ShowField(*field);
    return true;
}

bool FieldBinder::CommitAll()
{
    for (qsizetype index = 0; index < fields.size(); ++index)
        if (!Commit(fields[index].edit)) return false;
    return true;
}

void FieldBinder::Reject(Field& field)
{
    docview::showMessage(zelm::kNotANumberPrompt);
    // The field shows the value still stored, so leaving it again changes nothing.
    ShowField(field);
    QWidget* edit = field.edit;
    edit->setFocus(Qt::OtherFocusReason);
    selectAllOf(edit);
    // A field that is losing the focus clears its selection once this returns: select again then.
    QTimer::singleShot(0, edit, [edit] { selectAllOf(edit); });
    scrollIntoView(edit);
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !busy)
        if (auto* edit = qobject_cast<QWidget*>(watched); Find(edit) != nullptr) Commit(edit);
    return QObject::eventFilter(watched, event);
}

void refuseCellText(const QString& text, bool pasting)
{
    if (pasting)
        docview::showStatus(QStringLiteral("\"%1\" is no number the project can keep; it was left out.").arg(text));
    else
        docview::showMessage(zelm::kNotANumberPrompt);
}

}  // namespace forms
