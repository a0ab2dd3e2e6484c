#include "risk/RiskPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "data/RiskData.h"
#include "forms/FocusScrollArea.h"
#include "forms/FormControls.h"
#include "risk/CZELMRiskDoc.h"

namespace {

constexpr int kFieldWidth = 90;

// The name of a change in the Edit menu: the field's label with one ampersand for the form's "&&"
// (a label shows it so, as the buddy of its field) and without its colon.
QString changeName(const char* label)
{
    QString text = QString::fromLatin1(label).replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

}  // namespace

RiskPage::RiskPage(CZELMRiskDoc& riskDocument, int id, const QString& pageCaption, const QString& name)
    : document(riskDocument), resourceId(id), caption(pageCaption)
{
    setObjectName(name);
    docview::setControlId(this, id);
    auto* scroll = new forms::FocusScrollArea(this);
    scroll->setObjectName(name + QStringLiteral("ScrollArea"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* content = new QWidget;
    content->setObjectName(name + QStringLiteral("Content"));
    body = new QVBoxLayout(content);
    scroll->setWidget(content);
}

QLineEdit* RiskPage::GetEdit(int controlId) const
{
    return qobject_cast<QLineEdit*>(controls.value(controlId));
}

const RiskData& RiskPage::Data() const
{
    return document.GetData();
}

bool RiskPage::Store(const QString& text, const std::function<void(RiskData&)>& change)
{
    return document.StoreData(text, change);
}

// ---- Building ----

QGridLayout* RiskPage::AddFieldRows(std::span<const riskform::Field> fields, QWidget* into)
{
    auto* grid = new QGridLayout;
    if (into != nullptr)
        into->setLayout(grid);
    else
        body->addLayout(grid);
    int row = 0;
    for (const riskform::Field& field : fields) AddFieldRow(grid, row++, field);
    grid->setColumnStretch(3, 1);
    return grid;
}

void RiskPage::AddFieldRow(QGridLayout* grid, int row, const riskform::Field& field)
{
    const QString name = QString::fromLatin1(field.name);
    auto* edit = Name(new QLineEdit, field.id, name + QStringLiteral("Edit"));
    edit->setFixedWidth(kFieldWidth);
    if (field.label[0] != '\0') {
        // The label names the field for a screen reader too.
        grid->addWidget(
            Name(forms::labelFor(edit, QString::fromLatin1(field.label)), 0, name + QStringLiteral("Label")), row, 0);
    }
    grid->addWidget(edit, row, 1);
    const auto member = field.member;
    fields.AddNumber(
        edit, [this, member] { return Data().*member; },
        [this, member, change = changeName(field.label)](double value) {
            Store(change, [member, value](RiskData& project) { project.*member = value; });
        },
        RiskData::kLargestReal);
    numbers.append({edit, member});
    connect(edit, &QLineEdit::textChanged, this, &RiskPage::numberEdited);
    const riskform::UnitLabel& unit = field.unit;
    if (unit.id == 0 && unit.english[0] == '\0') return;
    auto* label = Name(new QLabel(QString::fromLatin1(unit.english)), unit.id, name + QStringLiteral("Unit"));
    grid->addWidget(label, row, 2);
    if (unit.id == 0) return;
    unitLabels.insert(unit.id, label);
    unitTexts.append(unit);
}

void RiskPage::AddTextField(int controlId, QLineEdit* edit, std::function<QString()> text,
                            std::function<void(const QString&)> store)
{
    controls.insert(controlId, edit);
    fields.AddText(edit, std::move(text), std::move(store));
}

QButtonGroup* RiskPage::NewRadioGroup()
{
    return new QButtonGroup(this);
}

void RiskPage::AddRadio(QButtonGroup* group, int controlId, const char* label, const char* name, const QString& change,
                        std::function<bool(const RiskData&)> isChosen, std::function<void(RiskData&)> choose)
{
    auto* button = Name(new QRadioButton(QString::fromLatin1(label)), controlId, QString::fromLatin1(name));
    group->addButton(button);
    radios.append({button, std::move(isChosen)});
    connect(button, &QRadioButton::clicked, this, [this, change, choose = std::move(choose)] {
        Store(change, choose);
        UpdateEnabling();
    });
}

// ---- Showing ----

void RiskPage::SetUnits(RiskData::Units units)
{
    for (const riskform::UnitLabel& unit : std::as_const(unitTexts))
        unitLabels.value(unit.id)->setText(
            QString::fromLatin1(units == RiskData::Units::English ? unit.english : unit.metric));
    if (shown) LoadFromDocument();
}

void RiskPage::LoadFromDocument()
{
    const RiskData& project = Data();
    fields.ShowAll();
    for (const RadioBinding& radio : std::as_const(radios))
        if (radio.isChosen(project)) forms::checkRadio(radio.button);
    // Undo and a second window change the choices as well: the enabling follows them.
    UpdateEnabling();
}

void RiskPage::Activate()
{
    LoadFromDocument();
    UpdateEnabling();
    shown = true;
}

void RiskPage::SetEnabled(std::initializer_list<int> controlIds, bool enabled)
{
    for (int controlId : controlIds) controls.value(controlId)->setEnabled(enabled);
}

// ---- Storing ----

bool RiskPage::CommitFields()
{
    return fields.CommitAll();
}

void RiskPage::ApplyTypedNumbers(RiskData& project) const
{
    for (const auto& [edit, member] : numbers)
        if (const auto typed = fields.TypedNumber(edit); typed && typed->number) project.*member = *typed->number;
}
