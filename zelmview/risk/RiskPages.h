// The pages of a risk project that are rows of fields with at most a list or a radio group: the
// field data, the trenching machines, the single design, the range of designs and the risk
// analysis. The cost page and the loss function page, which bring a table and pictures, have
// files of their own.
#pragma once

#include "risk/RiskPage.h"

class QComboBox;

class FieldDataPage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 134;
    static constexpr int kPipeTypeList = 1024;

    explicit FieldDataPage(CZELMRiskDoc& document);
    void LoadFromDocument() override;

private:
    void OnPipeTypeChosen(int index);

    QComboBox* pipeTypeList = nullptr;
};

class TrenchDataPage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 138;
    static constexpr int kConstantSpeedRadio = 1073;
    static constexpr int kVariableSpeedRadio = 1074;

    explicit TrenchDataPage(CZELMRiskDoc& document);
    void UpdateEnabling() override;

private:
    QButtonGroup* speed = nullptr;
};

class RiskDesignSinglePage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 140;
    static constexpr int kTextArea = 1039;

    explicit RiskDesignSinglePage(CZELMRiskDoc& document);
};

class RiskDesignRangePage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 141;

    explicit RiskDesignRangePage(CZELMRiskDoc& document);
};

class RiskAnalysisPage : public RiskPage {
    Q_OBJECT

public:
    static constexpr int kResourceId = 142;
    static constexpr int kGivenReliabilityRadio = 1041;
    static constexpr int kReliabilityTableRadio = 1043;

    explicit RiskAnalysisPage(CZELMRiskDoc& document);
    void UpdateEnabling() override;

private:
    QButtonGroup* reliability = nullptr;
};
