#include "risk/RiskPages.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "data/RiskData.h"

// ---- Field Data ----

FieldDataPage::FieldDataPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Field Data"), QStringLiteral("fieldDataPage"))
{
    auto* row = new QHBoxLayout;
    row->addWidget(Name(new QLabel(QStringLiteral("Type of pipe:")), 0, QStringLiteral("pipeTypeLabel")));
    pipeTypeList = Name(new QComboBox, kPipeTypeList, QStringLiteral("pipeTypeList"));
    pipeTypeList->addItems({QStringLiteral("Plastic"), QStringLiteral("Concrete"), QStringLiteral("Clay")});
    row->addWidget(pipeTypeList);
    row->addStretch(1);
    Body()->addLayout(row);
    AddFieldRows(riskform::FieldDataFields());
    Body()->addStretch(1);
    connect(pipeTypeList, &QComboBox::activated, this, &FieldDataPage::OnPipeTypeChosen);
}

void FieldDataPage::LoadFromDocument()
{
    RiskPage::LoadFromDocument();
    pipeTypeList->setCurrentIndex(Data().pipeType);
}

void FieldDataPage::OnPipeTypeChosen(int index)
{
    if (index == Data().pipeType) return;
    Store(QStringLiteral("Type of pipe"), [index](RiskData& project) { project.pipeType = index; });
}

// ---- Trenching Machines ----

TrenchDataPage::TrenchDataPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Trenching Machines"), QStringLiteral("trenchDataPage"))
{
    auto* radios = new QHBoxLayout;
    speed = AddRadioGroup(&RiskData::trenchSpeed,
                          {{kConstantSpeedRadio, "Constant Speed", "constantSpeedRadio"},
                           {kVariableSpeedRadio, "Variable Speed", "variableSpeedRadio"}},
                          QStringLiteral("Trenching machine speed"));
    for (QAbstractButton* button : speed->buttons()) radios->addWidget(button);
    radios->addStretch(1);
    Body()->addLayout(radios);
    AddFieldRows(riskform::TrenchDataFields());
    Body()->addStretch(1);
}

void TrenchDataPage::UpdateEnabling()
{
    const bool constant = speed->checkedId() != RiskData::kVariableSpeed;
    SetEnabled({1075, 1076}, constant);
    SetEnabled({1077, 1078, 1079, 1080}, !constant);
}

// ---- Single Design Evaluation ----

RiskDesignSinglePage::RiskDesignSinglePage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Single Design Evaluation"), QStringLiteral("designSinglePage"))
{
    AddFieldRows(riskform::DesignSingleFields());
    Body()->addWidget(Name(new QLabel, kTextArea, QStringLiteral("designSingleText")));
    Body()->addStretch(1);
}

// ---- Analysis of a Range of Designs ----

RiskDesignRangePage::RiskDesignRangePage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Analysis of a Range of Designs"),
               QStringLiteral("designRangePage"))
{
    auto* depth = Name(new QGroupBox(QStringLiteral("Depth Information")), 0, QStringLiteral("depthFrame"));
    AddFieldRows(riskform::DesignRangeDepthFields(), depth);
    auto* spacing = Name(new QGroupBox(QStringLiteral("Spacing Information")), 0, QStringLiteral("spacingFrame"));
    AddFieldRows(riskform::DesignRangeSpacingFields(), spacing);
    Body()->addWidget(depth);
    Body()->addWidget(spacing);
    Body()->addStretch(1);
}

// ---- Risk Analysis ----

RiskAnalysisPage::RiskAnalysisPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Risk Analysis"), QStringLiteral("riskAnalysisPage"))
{
    const std::span<const riskform::Field> reliabilities = riskform::ReliabilityFields();
    QGridLayout* grid = AddFieldRows({&riskform::RiskCriticalDepthField(), 1});
    reliability = AddRadioGroup(
        &RiskData::reliabilityOption,
        {{kGivenReliabilityRadio, "Find a given reliability:", "givenReliabilityRadio"},
         {kReliabilityTableRadio, "Produce a table and graph of reliabilty vs. cost:", "reliabilityTableRadio"}},
        QStringLiteral("Reliability option"));
    // The given reliability below its radio button, the range of the table below the other.
    grid->addWidget(reliability->button(RiskData::kGivenReliability), 1, 0, 1, 3);
    AddFieldRow(grid, 2, reliabilities[0]);
    grid->addWidget(reliability->button(RiskData::kReliabilityTable), 3, 0, 1, 3);
    for (int row = 1; row < int(reliabilities.size()); ++row) AddFieldRow(grid, 3 + row, reliabilities[row]);
    Body()->addStretch(1);
}

void RiskAnalysisPage::UpdateEnabling()
{
    if (Data().evaluation == RiskData::kGivenDesign) {
        SetEnabled({1042, 1045, 1046, 1047, 1048}, false);
        return;
    }
    SetEnabled({1042}, true);
    const bool given = reliability->checkedId() != RiskData::kReliabilityTable;
    SetEnabled({1045}, given);
    SetEnabled({1046, 1047, 1048}, !given);
}
