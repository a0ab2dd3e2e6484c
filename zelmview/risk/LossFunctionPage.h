// The loss function page of a risk project: the crop, the depth of the water table for the
// maximum yield, the annual benefits, the choice of one of three loss functions by its picture,
// and the coefficients of the first one, Y = A + B(X^3 - 3X^2 + 3X).
#pragma once

#include "risk/RiskPage.h"

class QLineEdit;

class LossFunctionPage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 143;
    static constexpr int kCropName = 1050;
    static constexpr int kLossFunction1Radio = 1049;
    static constexpr int kLossFunction2Radio = 1052;
    static constexpr int kLossFunction3Radio = 1053;

    explicit LossFunctionPage(CZELMRiskDoc& document);

    void LoadFromDocument() override;
    void UpdateEnabling() override;
    void CommitField(int controlId) override;

private:
    void AddLossFunctionChoice();

    QLineEdit* cropName = nullptr;
    QButtonGroup* lossFunction = nullptr;
};
