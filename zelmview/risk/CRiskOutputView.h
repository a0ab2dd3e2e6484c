// The window of an uncertainty report (form 237): the report under "Drainage Design Under
// Uncertainty", and Plot (the reliability chart, while the report has its table), Write, Print via
// Wordpad, Done and Help. The report also prints through the print dialog.
#pragma once

#include "forms/ReportView.h"

class CRiskOutputDoc;

class CRiskOutputView : public forms::ReportView {
    Q_OBJECT

public:
    static constexpr int kFormId = 237;

    explicit CRiskOutputView(CRiskOutputDoc* document, QWidget* parent = nullptr);

    CRiskOutputDoc* GetRiskOutputDocument() const;

    void OnUpdate(docview::UpdateHint hint) override;

private:
    void CreateControls();
    QString WordProcessorText() const override;
};
