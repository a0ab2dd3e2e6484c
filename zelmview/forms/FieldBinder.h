// The one path from what the user types into a project form to its document, shared by the editors.
// Each bound field shows the document's value as text and remembers the text it showed it with; the
// field is stored only when the user changed that text, through the document's undoable change, so
// showing a value never changes it and a rounded display never replaces the value behind it. A
// numeric field takes its whole text as one C-locale number that the project file can keep and read
// back; any other text gives the invalid-number prompt, after which the field shows the stored value
// again, selected, and nothing is stored. A field is stored when it loses the focus and, with the
// others, when its form commits everything before a save, a run, an undo or a close.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace forms {

class FieldBinder : public QObject {
    Q_OBJECT

public:
    explicit FieldBinder(QObject* parent = nullptr);

    // A numeric field: `value` gives the document's value, `store` stores a new one as one change;
    // a number larger in size than `largest` is refused, as the file's reader would refuse it.
    void AddNumber(QLineEdit* edit, std::function<double()> value, std::function<void(double)> store, double largest);
    // A text field, one line (QLineEdit) or a text box (QPlainTextEdit): `text` gives the document's
    // text as the field shows it, `store` stores the field's text.
    void AddText(QWidget* edit, std::function<QString()> text, std::function<void(const QString&)> store);

    // Shows the document's values in the fields, each where it differs from the text the field
    // was last shown with (so a field the user is typing into keeps the typing while other values
    // change).
    void ShowAll();
    // Shows the document's value in one field, whatever it shows now.
    void Show(QWidget* edit);

    // Stores one field if the user changed its text; false for a text that is no number, after the
    // prompt. A field never shown stores nothing.
    bool Commit(QWidget* edit);
    // Every field in the order they were added; stops at, and returns false for, the first text
    // that is no number.
    bool CommitAll();

    bool IsBound(const QWidget* edit) const { return Find(edit) != nullptr; }

    // What the user typed into a numeric field and has not stored: the text, and the number it
    // reads as by the rule a commit applies (nothing when it is no number the field takes).
    struct TypedText {
        QString text;
        std::optional<double> number;
    };
    // Nothing when the field shows what it was shown with, or was never shown, or holds text.
    std::optional<TypedText> TypedNumber(const QWidget* edit) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QWidget* edit;
        std::function<QString()> documentText;
        // Stores the typed text; false when it is no value the field takes.
        std::function<bool(const QString& typed)> store;
        std::optional<QString> shown;
        std::optional<double> largest;  // a numeric field's largest size
    };

    void Add(QWidget* edit, std::function<QString()> documentText, std::function<bool(const QString&)> store);
    const Field* Find(const QWidget* edit) const;
    Field* Find(const QWidget* edit);
    void ShowField(Field& field);
    void Reject(Field& field);

    QList<Field> fields;
    // While a field is stored or rejected, the focus changes it causes store nothing more.
    bool busy = false;
};

// A table cell's text that is no number the project file can keep: while a paste runs, a note for
// the status bar (the paste tells all of them at once); otherwise the invalid-number prompt.
void refuseCellText(const QString& text, bool pasting);

}  // namespace forms
