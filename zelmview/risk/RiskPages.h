// The pages of a risk project that are rows of fields with at most a list or a radio group: the
// field data, the trenching machines, the single design, the range of designs and the risk
// analysis. The cost page and the loss function page, which bring a table and pictures, have
// files of their own.
#pragma once

#include "risk/RiskPage.h"

class QComboBox;

class FieldDataPage : public RiskPage, public FieldDataPageIds {
    Q_OBJECT

public:
    explicit FieldDataPage(CZELMRiskDoc& document);
    void LoadFromDocument() override;

private:
    void OnPipeTypeChosen(int index);

    QComboBox* pipeTypeList = nullptr;
};

class TrenchDataPage : public RiskPage, public TrenchDataPageIds {
    Q_OBJECT

public:
    explicit TrenchDataPage(CZELMRiskDoc& document);
    void UpdateEnabling() override;
};

class RiskDesignSinglePage : public RiskPage, public RiskDesignSinglePageIds {
    Q_OBJECT

public:
    explicit RiskDesignSinglePage(CZELMRiskDoc& document);
};

class RiskDesignRangePage : public RiskPage, public RiskDesignRangePageIds {
    Q_OBJECT

public:
    explicit RiskDesignRangePage(CZELMRiskDoc& document);
};

class RiskAnalysisPage : public RiskPage, public RiskAnalysisPageIds {
    Q_OBJECT

public:
    explicit RiskAnalysisPage(CZELMRiskDoc& document);
    void UpdateEnabling() override;
};
