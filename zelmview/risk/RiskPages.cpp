#include "risk/RiskPages.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "data/RiskData.h"
#include "forms/ChoiceList.h"
#include "forms/FormControls.h"

// ---- Field Data ----

FieldDataPage::FieldDataPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Field Data"), QStringLiteral("fieldDataPage"))
{
    auto* row = new QHBoxLayout;
    pipeTypeList = Name(new forms::ChoiceList, kPipeTypeList, QStringLiteral("pipeTypeList"));
    row->addWidget(
        Name(forms::labelFor(pipeTypeList, QStringLiteral("Type of pipe:")), 0, QStringLiteral("pipeTypeLabel")));
    pipeTypeList->addItem(QStringLiteral("Plastic"), QVariant::fromValue(RiskData::PipeType::Plastic));
    pipeTypeList->addItem(QStringLiteral("Concrete"), QVariant::fromValue(RiskData::PipeType::Concrete));
    pipeTypeList->addItem(QStringLiteral("Clay"), QVariant::fromValue(RiskData::PipeType::Clay));
    row->addWidget(pipeTypeList);
    row->addStretch(1);
    Body()->addLayout(row);
    AddFieldRows(riskform::fieldDataFields());
    Body()->addStretch(1);
    connect(pipeTypeList, &QComboBox::activated, this, &FieldDataPage::OnPipeTypeChosen);
}

void FieldDataPage::LoadFromDocument()
{
    RiskPage::LoadFromDocument();
    pipeTypeList->setCurrentIndex(pipeTypeList->findData(QVariant::fromValue(Data().pipeType)));
}

void FieldDataPage::OnPipeTypeChosen(int index)
{
    const auto pipeType = pipeTypeList->itemData(index).value<RiskData::PipeType>();
    if (pipeType == Data().pipeType) return;
    Store(QStringLiteral("Type of pipe"), [pipeType](RiskData& project) { project.pipeType = pipeType; });
}

// ---- Trenching Machines ----

TrenchDataPage::TrenchDataPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Trenching Machines"), QStringLiteral("trenchDataPage"))
{
    auto* radios = new QHBoxLayout;
    const QButtonGroup* speed =
        AddRadioGroup(&RiskData::trenchSpeed,
                      {{kConstantSpeedRadio, RiskData::TrenchSpeed::Constant, "Constant Speed", "constantSpeedRadio"},
                       {kVariableSpeedRadio, RiskData::TrenchSpeed::Variable, "Variable Speed", "variableSpeedRadio"}},
                      QStringLiteral("Trenching machine speed"));
    for (QAbstractButton* button : speed->buttons()) radios->addWidget(button);
    radios->addStretch(1);
    Body()->addLayout(radios);
    AddFieldRows(riskform::trenchDataFields());
    Body()->addStretch(1);
}

void TrenchDataPage::UpdateEnabling()
{
    const bool constant = Data().trenchSpeed == RiskData::TrenchSpeed::Constant;
    SetEnabled({kConstInstallRate, kConstCostPerMinute}, constant);
    SetEnabled({kMaxInstallDepth, kMinInstallRate, kVarCostPerMinute, kDepthRateSlope}, !constant);
}

// ---- Single Design Evaluation ----

RiskDesignSinglePage::RiskDesignSinglePage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Single Design Evaluation"), QStringLiteral("designSinglePage"))
{
    AddFieldRows(riskform::designSingleFields());
    Body()->addWidget(Name(new QLabel, kTextArea, QStringLiteral("designSingleText")));
    Body()->addStretch(1);
}

// ---- Analysis of a Range of Designs ----

RiskDesignRangePage::RiskDesignRangePage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Analysis of a Range of Designs"),
               QStringLiteral("designRangePage"))
{
    auto* depth = Name(new QGroupBox(QStringLiteral("Depth Information")), 0, QStringLiteral("depthFrame"));
    AddFieldRows(riskform::designRangeDepthFields(), depth);
    auto* spacing = Name(new QGroupBox(QStringLiteral("Spacing Information")), 0, QStringLiteral("spacingFrame"));
    AddFieldRows(riskform::designRangeSpacingFields(), spacing);
    Body()->addWidget(depth);
    Body()->addWidget(spacing);
    Body()->addStretch(1);
}

// ---- Risk Analysis ----

RiskAnalysisPage::RiskAnalysisPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Risk Analysis"), QStringLiteral("riskAnalysisPage"))
{
    const std::span<const riskform::Field> reliabilities = riskform::reliabilityFields();
    QGridLayout* grid = AddFieldRows({&riskform::riskCriticalDepthField(), 1});
    using Option = RiskData::ReliabilityOption;
    AddRadioGroup(
        &RiskData::reliabilityOption,
        {{kGivenReliabilityRadio, Option::GivenReliability, "Find a given reliability:", "givenReliabilityRadio"},
         {kReliabilityTableRadio, Option::ReliabilityTable,
          "Produce a table and graph of reliabilty vs. cost:", "reliabilityTableRadio"}},
        QStringLiteral("Reliability option"));
    // The given reliability below its radio button, the range of the table below the other.
    grid->addWidget(GetControl(kGivenReliabilityRadio), 1, 0, 1, 3);
    AddFieldRow(grid, 2, reliabilities[0]);
    grid->addWidget(GetControl(kReliabilityTableRadio), 3, 0, 1, 3);
    for (int row = 1; row < int(reliabilities.size()); ++row) AddFieldRow(grid, 3 + row, reliabilities[row]);
    Body()->addStretch(1);
}

void RiskAnalysisPage::UpdateEnabling()
{
    if (Data().evaluation == RiskData::Evaluation::GivenDesign) {
        SetEnabled({kCriticalDepth, kGivenReliability, kMinReliability, kMaxReliability, kReliabilityIncrement}, false);
        return;
    }
    SetEnabled({kCriticalDepth}, true);
    const bool given = Data().reliabilityOption == RiskData::ReliabilityOption::GivenReliability;
    SetEnabled({kGivenReliability}, given);
    SetEnabled({kMinReliability, kMaxReliability, kReliabilityIncrement}, !given);
}
