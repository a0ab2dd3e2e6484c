// The window of a model report (form 131): the report text under "Computations of Water Table
// Fluctuations:" with the seasonal-high-water-table summary, above it the assessment line that
// judges the run (the report text stays as the model wrote it), and Plot, Write, Print via Wordpad,
// Done, Help and the choice of the chart's year. The report also prints through the print dialog.
#pragma once

#include "data/EventCalendar.h"
#include "forms/ReportView.h"

class CZELMOutputDoc;
class QButtonGroup;
class QLabel;
class QLayout;

class CZELMOutputView : public forms::ReportView {
    Q_OBJECT

public:
    // Control ids of form 131 beside the report form's own.
    enum ControlId : int {
        kFormId = 131,
        kTraditionalYearRadio = 1089,
        kCalendarRadio = 1090,
        kGraphingGroup = 1091,
    };
    explicit CZELMOutputView(CZELMOutputDoc* document, QWidget* parent = nullptr);

    CZELMOutputDoc* GetOutputDocument() const;

    void OnUpdate(docview::UpdateHint hint) override;
    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

    // The Graphing radios' choice.
    zelm::YearMode GetGraphType() const;
    // The line that judges the run above the report.
    QLabel* GetAssessmentLabel() const { return assessment; }

private:
    void CreateControls();
    // "Graphing": the year the chart shows.
    QLayout* CreateGraphingGroup();
    void FillReport();
    QString WordProcessorText() const override;

    QButtonGroup* graphing = nullptr;
    QLabel* assessment = nullptr;
};
