// The base of the risk project's pages. A page edits one group of the project's values: it lays
// out rows of label, field and unit label from a table of field descriptions, binds radio buttons
// to the codes they store, shows the project's values and stores each one the user changes as one
// change of the document. Its fields go through the editors' one field binder: a field is stored
// when it loses the focus (or when the sheet commits all fields before a run, a save, an undo or
// a close), and only when its text differs from the text it was shown with, so showing a rounded
// value never changes the value behind it. The page's content scrolls when the window is small.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>

#include "docview/ControlId.h"
#include "forms/FieldBinder.h"
#include "risk/RiskPageFields.h"

class CZELMRiskDoc;
class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

class RiskPage : public QWidget {
    Q_OBJECT

public:
    RiskPage(CZELMRiskDoc& document, int resourceId, const QString& caption, const QString& name);

    const QString& GetCaption() const { return caption; }
    int GetResourceId() const { return resourceId; }

    // Shows the unit labels of `units`; a shown page also shows the project's values again.
    void SetUnits(RiskData::Units units);
    // The project's values into the fields, the radio buttons and the lists.
    virtual void LoadFromDocument();
    // Enables and disables the fields that the page's choices rule.
    virtual void UpdateEnabling() {}
    // The page becomes the sheet's current one: it shows the project and its enabling.
    void Activate();
    // Whether the page has been shown since it was last added to the sheet; only such a page
    // holds values typed by the user.
    bool IsShown() const { return shown; }
    void Removed() { shown = false; }

    // Every field of the page in turn, each stored when its text changed. At the first text that is
    // no number the file can keep: the prompt, the field shows the stored value again (selected),
    // nothing more is stored and the result is false.
    virtual bool CommitFields();
    // Writes into `project` the numbers typed into the page's fields and not yet stored, each read
    // by the rule a commit applies; a text that is no number leaves the stored value. Stores nothing.
    void ApplyTypedNumbers(RiskData& project) const;

    QWidget* GetControl(int controlId) const { return controls.value(controlId); }
    QLineEdit* GetEdit(int controlId) const;
    QLabel* GetUnitLabel(int unitId) const { return unitLabels.value(unitId); }

signals:
    // The text of one of the page's numeric fields changed: a key press, or the stored value shown.
    void numberEdited();

protected:
    // The layout of the page's scrolling content.
    QVBoxLayout* Body() const { return body; }
    // A grid of label, field and unit label rows for `fields`, added to `into` (the body when
    // null); returns the grid so a page can add rows of its own.
    QGridLayout* AddFieldRows(std::span<const riskform::Field> fields, QWidget* into = nullptr);
    // One row at `row` of `grid`.
    void AddFieldRow(QGridLayout* grid, int row, const riskform::Field& field);
    // A field that holds text: `text` gives the project's text, `store` stores the typed one.
    void AddTextField(int controlId, QLineEdit* edit, std::function<QString()> text,
                      std::function<void(const QString&)> store);
    // Radio buttons in one group, each bound to the code it stores in `member`: a click stores its
    // code as the change `text` and then updates the enabling; showing the project checks the
    // button of the project's code.
    template <typename Code>
    QButtonGroup* AddRadioGroup(Code RiskData::*member, std::span<const riskform::Choice<Code>> choices,
                                const QString& text)
    {
        QButtonGroup* group = NewRadioGroup();
        for (const riskform::Choice<Code>& choice : choices) {
            const Code code = choice.code;
            AddRadio(
                group, choice.id, choice.text, choice.name, text,
                [member, code](const RiskData& project) { return project.*member == code; },
                [member, code](RiskData& project) { project.*member = code; });
        }
        return group;
    }
    template <typename Code>
    QButtonGroup* AddRadioGroup(Code RiskData::*member, std::initializer_list<riskform::Choice<Code>> choices,
                                const QString& text)
    {
        return AddRadioGroup(member, std::span<const riskform::Choice<Code>>(choices.begin(), choices.size()), text);
    }
    template <typename Control>
    Control* Name(Control* control, int controlId, const QString& name)
    {
        control->setObjectName(name);
        if (controlId != 0) {
            docview::setControlId(control, controlId);
            controls.insert(controlId, control);
        }
        return control;
    }

    const RiskData& Data() const;
    // One change of the project, named `text`.
    bool Store(const QString& text, const std::function<void(RiskData&)>& change);
    CZELMRiskDoc& Document() const { return document; }
    void SetEnabled(std::initializer_list<int> controlIds, bool enabled);

private:
    struct RadioBinding {
        QAbstractButton* button;
        std::function<bool(const RiskData&)> isChosen;
    };

    QButtonGroup* NewRadioGroup();
    void AddRadio(QButtonGroup* group, int controlId, const char* label, const char* name, const QString& change,
                  std::function<bool(const RiskData&)> isChosen, std::function<void(RiskData&)> choose);

    CZELMRiskDoc& document;
    int resourceId;
    QString caption;
    bool shown = false;
    QVBoxLayout* body = nullptr;
    QHash<int, QWidget*> controls;
    forms::FieldBinder fields;
    QList<std::pair<const QLineEdit*, double RiskData::*>> numbers;  // the numeric fields and their values
    QHash<int, QLabel*> unitLabels;
    QList<riskform::UnitLabel> unitTexts;
    QList<RadioBinding> radios;
};
