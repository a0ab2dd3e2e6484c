#include "risk/LossFunctionPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "data/RiskData.h"
#include "forms/FormControls.h"
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

// What each curve does, in a few words under its picture and in full under the pictures while it
// is chosen. x is the depth to the water table over the depth for the maximum yield.
struct ShapeText {
    const char* caption;
    const char* description;
};

ShapeText textOf(Shape shape)
{
    switch (shape) {
    case Shape::PeakAndDrop:
        return {"2: peak, then 70 %",
                "Shape 2: the yield rises to its maximum, 1, at the depth for maximum yield "
                "(Y = 1 - (1 - x)^2), falls sharply to 0.7 at 1.2 times that depth (by 1.5 per unit of x) "
                "and stays at 0.7 deeper. x is the depth to the water table over the depth for maximum "
                "yield. It takes no coefficients."};
    case Shape::Dome:
        return {"3: dome",
                "Shape 3: the yield is at its maximum, 1, at the depth for maximum yield and falls alike "
                "on both sides (Y = 1 - (x - 1)^2), to 0 with the water table at the surface and at twice "
                "that depth, and is 0 deeper. x is the depth to the water table over the depth for "
                "maximum yield. It takes no coefficients."};
    case Shape::Cubic:
        break;
    }
    return {"1: rises, levels off",
            "Shape 1, Y = A + B(X^3 - 3X^2 + 3X): the yield is A while the water table is shallower "
            "than X times the depth for maximum yield, rises smoothly to A + B at that depth and stays "
            "at A + B deeper."};
}

}  // namespace

LossFunctionPage::LossFunctionPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Loss Function Analysis"), QStringLiteral("lossFunctionPage"))
{
    QGridLayout* grid = AddFieldRows(riskform::lossFunctionYieldFields());
    cropName = Name(new QLineEdit, kCropName, QStringLiteral("cropNameEdit"));
    // Longer names would not survive the project file.
    cropName->setMaxLength(RiskData::kCropNameLength);
    const int row = grid->rowCount();
    grid->addWidget(Name(forms::labelFor(cropName, QStringLiteral("Crop name:")), 0, QStringLiteral("cropNameLabel")),
                    row, 0);
    grid->addWidget(cropName, row, 1);
    // The name as the file keeps it: cut to its field.
    AddTextField(
        kCropName, cropName, [this] { return Data().cropName; },
        [this](const QString& typed) {
            Store(QStringLiteral("Crop name"),
                  [name = RiskData::FittedCropName(typed)](RiskData& project) { project.cropName = name; });
        });
    // The report measures the reliability against the critical depth in a loss function analysis
    // too; of a given design it is set on the design's page.
    AddFieldRow(grid, row + 1, riskform::riskCriticalDepthField());
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
    for (const riskform::Choice<Shape>& shape : kShapes) {
        auto* button = static_cast<QAbstractButton*>(GetControl(shape.id));
        button->setIcon(lossFunctionPicture(shape.code));
        button->setIconSize({kLossFunctionPictureSize, kLossFunctionPictureSize});
        const QString caption = QString::fromLatin1(textOf(shape.code).caption);
        button->setAccessibleName(QStringLiteral("Loss function ") + caption);
        auto* column = new QVBoxLayout;
        column->addWidget(button);
        column->addWidget(
            Name(new QLabel(caption), 0,
                 QString::fromLatin1(shape.name).replace(QStringLiteral("Radio"), QStringLiteral("Caption"))));
        row->addLayout(column);
    }
    row->addStretch(1);
    Body()->addLayout(row);
    description = Name(new QLabel, 0, QStringLiteral("lossFunctionDescription"));
    description->setWordWrap(true);
    Body()->addWidget(description);
}

void LossFunctionPage::UpdateEnabling()
{
    const Shape shape = Data().lossFunction;
    description->setText(QString::fromLatin1(textOf(shape).description));
    // Only the first curve has coefficients.
    SetEnabled({kCoefA, kCoefB, kCoefX}, shape == Shape::Cubic);
    const bool givenDesign = Data().evaluation == RiskData::Evaluation::GivenDesign;
    SetEnabled({kCriticalDepth}, !givenDesign);
    GetControl(kCriticalDepth)
        ->setToolTip(givenDesign ? QStringLiteral("Set on the page \"Single Design Evaluation\".") : QString());
}
