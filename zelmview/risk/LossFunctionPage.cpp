#include "risk/LossFunctionPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "data/RiskData.h"
#include "risk/LossFunctionPictures.h"

namespace {

using Shape = RiskData::LossFunction;
using Ids = LossFunctionPageIds;

// The radios show the curves' pictures instead of a text.
constexpr std::array<riskform::Choice<Shape>, 3> kShapes = {{
    {Ids::kLossFunction1Radio, Shape::Cubic, "", "lossFunction1Radio"},
    {Ids::kLossFunction2Radio, Shape::PeakAndDrop, "", "lossFunction2Radio"},
    {Ids::kLossFunction3Radio, Shape::Dome, "", "lossFunction3Radio"},
}};

}  // namespace

LossFunctionPage::LossFunctionPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Loss Function Analysis"), QStringLiteral("lossFunctionPage"))
{
    QGridLayout* grid = AddFieldRows(riskform::lossFunctionYieldFields());
    cropName = Name(new QLineEdit, kCropName, QStringLiteral("cropNameEdit"));
    // Longer names would not survive the project file.
    cropName->setMaxLength(RiskData::kCropNameLength);
    const int row = grid->rowCount();
    grid->addWidget(Name(new QLabel(QStringLiteral("Crop name:")), 0, QStringLiteral("cropNameLabel")), row, 0);
    grid->addWidget(cropName, row, 1);
    // The name as the file keeps it: cut to its field.
    AddTextField(
        kCropName, cropName, [this] { return Data().cropName; },
        [this](const QString& typed) {
            Store(QStringLiteral("Crop name"),
                  [name = RiskData::FittedCropName(typed)](RiskData& project) { project.cropName = name; });
        });
    AddLossFunctionChoice();
    Body()->addWidget(Name(new QLabel(QStringLiteral("Y = A + B(X^3 - 3X^2 + 3X)")), 0, QStringLiteral("formulaText")));
    AddFieldRows(riskform::lossFunctionCoefficientFields());
    Body()->addStretch(1);
}

void LossFunctionPage::AddLossFunctionChoice()
{
    AddRadioGroup(&RiskData::lossFunction, std::span<const riskform::Choice<Shape>>(kShapes),
                  QStringLiteral("Loss function"));
    auto* row = new QHBoxLayout;
    int number = 1;
    for (const riskform::Choice<Shape>& shape : kShapes) {
        auto* button = static_cast<QAbstractButton*>(GetControl(shape.id));
        button->setIcon(lossFunctionPicture(shape.code));
        button->setIconSize({kLossFunctionPictureSize, kLossFunctionPictureSize});
        button->setAccessibleName(QStringLiteral("Loss function %1").arg(number++));
        row->addWidget(button);
    }
    row->addStretch(1);
    Body()->addLayout(row);
}

void LossFunctionPage::UpdateEnabling()
{
    // Only the first curve has coefficients.
    SetEnabled({kCoefA, kCoefB, kCoefX}, Data().lossFunction == RiskData::LossFunction::Cubic);
}
