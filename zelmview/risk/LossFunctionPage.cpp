#include "risk/LossFunctionPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "data/RiskData.h"
#include "risk/LossFunctionPictures.h"

LossFunctionPage::LossFunctionPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Loss Function Analysis"), QStringLiteral("lossFunctionPage"))
{
    QGridLayout* grid = AddFieldRows(riskform::LossFunctionYieldFields());
    cropName = Name(new QLineEdit, kCropName, QStringLiteral("cropNameEdit"));
    // Longer names would not survive the project file.
    cropName->setMaxLength(RiskData::kCropNameLength);
    const int row = grid->rowCount();
    grid->addWidget(Name(new QLabel(QStringLiteral("Crop name:")), 0, QStringLiteral("cropNameLabel")), row, 0);
    grid->addWidget(cropName, row, 1);
    AddTextField(kCropName, cropName);
    AddLossFunctionChoice();
    Body()->addWidget(Name(new QLabel(QStringLiteral("Y = A + B(X^3 - 3X^2 + 3X)")), 0, QStringLiteral("formulaText")));
    AddFieldRows(riskform::LossFunctionCoefficientFields());
    Body()->addStretch(1);
}

void LossFunctionPage::AddLossFunctionChoice()
{
    lossFunction = AddRadioGroup(&RiskData::lossFunction,
                                 {{kLossFunction1Radio, "", "lossFunction1Radio"},
                                  {kLossFunction2Radio, "", "lossFunction2Radio"},
                                  {kLossFunction3Radio, "", "lossFunction3Radio"}},
                                 QStringLiteral("Loss function"));
    auto* row = new QHBoxLayout;
    for (QAbstractButton* button : lossFunction->buttons()) {
        const int shape = lossFunction->id(button);
        button->setIcon(LossFunctionPicture(shape));
        button->setIconSize({kLossFunctionPictureSize, kLossFunctionPictureSize});
        button->setAccessibleName(QStringLiteral("Loss function %1").arg(shape));
        row->addWidget(button);
    }
    row->addStretch(1);
    Body()->addLayout(row);
}

void LossFunctionPage::LoadFromDocument()
{
    ShowText(kCropName, Data().cropName);
    RiskPage::LoadFromDocument();
}

void LossFunctionPage::UpdateEnabling()
{
    SetEnabled({1067, 1068, 1069}, lossFunction->checkedId() == 1);
}

void LossFunctionPage::CommitField(int controlId)
{
    if (controlId != kCropName) {
        RiskPage::CommitField(controlId);
        return;
    }
    if (!TextChanged(kCropName)) return;
    const QString name = RiskData::FittedCropName(cropName->text());
    if (name != Data().cropName)
        Store(QStringLiteral("Crop name"), [&name](RiskData& project) { project.cropName = name; });
    ShowText(kCropName, Data().cropName);
}
