#include "risk/CRiskOutputView.h"

#include <QPushButton>

#include "data/CRiskOutputDoc.h"
#include "docview/ControlId.h"
#include "risk/ReliabilityChart.h"

namespace {

// The window's size when it opens.
const QSize kFormSize(720, 452);

}  // namespace

CRiskOutputView::CRiskOutputView(CRiskOutputDoc* document, QWidget* parent)
    : forms::ReportView(document, kFormSize, parent)
{
    setObjectName(QStringLiteral("riskOutputView"));
    docview::setControlId(this, kFormId);
    CreateControls();
    FinishForm();
}

CRiskOutputDoc* CRiskOutputView::GetRiskOutputDocument() const
{
    return static_cast<CRiskOutputDoc*>(GetDocument());
}

void CRiskOutputView::CreateControls()
{
    QPushButton* plot = CreateReportControls(QStringLiteral("Drainage Design Under Uncertainty"));
    // The chart opens on its own and deletes itself when closed.
    connect(plot, &QPushButton::clicked, this, [this] {
        if (CRiskOutputDoc* document = GetRiskOutputDocument()) zelm::PlotReliability(*document);
    });
    plot->setWhatsThis(
        QStringLiteral("Draws the total cost and the spacing of the designs against their "
                       "reliability in a chart."));
    plot->setEnabled(false);
    GetControl(kReportEdit)
        ->setWhatsThis(QStringLiteral("The uncertainty model's report. You may add notes; Write saves them with it."));
}

void CRiskOutputView::OnUpdate(docview::UpdateHint)
{
    CRiskOutputDoc* document = GetRiskOutputDocument();
    if (document == nullptr) return;
    ShowReport(document->LoadOutputText(ReportTextMode::Display));
    GetControl(kPlotButton)->setEnabled(document->GetOutput().hasReliabilityTable);
}

QString CRiskOutputView::WordProcessorText() const
{
    const CRiskOutputDoc* document = GetRiskOutputDocument();
    return document != nullptr ? document->LoadOutputText(ReportTextMode::Copy) : QString();
}
