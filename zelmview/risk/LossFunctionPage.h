// The loss function page of a risk project: the crop, the depth of the water table for the
// maximum yield, the annual benefits, the critical depth the reliability is measured against, the
// choice of one of three loss functions by its captioned picture with what the chosen one does,
// and the coefficients of the first one, Y = A + B(X^3 - 3X^2 + 3X).
#pragma once

#include "risk/RiskPage.h"

class QLabel;
class QLineEdit;

class LossFunctionPage : public RiskPage, public LossFunctionPageIds {
    Q_OBJECT

public:
    explicit LossFunctionPage(CZELMRiskDoc& document);

    void UpdateEnabling() override;

private:
    void AddLossFunctionChoice();

    QLineEdit* cropName = nullptr;
    QLabel* description = nullptr;
};
