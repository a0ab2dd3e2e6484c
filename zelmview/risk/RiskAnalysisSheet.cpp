#include "risk/RiskAnalysisSheet.h"

#include "risk/CZELMRiskDoc.h"
#include "risk/CostDataPage.h"
#include "risk/LossFunctionPage.h"
#include "risk/RiskPages.h"

RiskAnalysisSheet::RiskAnalysisSheet(CZELMRiskDoc& document, QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("riskAnalysisSheet"));
    pages = {new FieldDataPage(document),        new CostDataPage(document),        new TrenchDataPage(document),
             new RiskDesignSinglePage(document), new RiskDesignRangePage(document), new RiskAnalysisPage(document),
             new LossFunctionPage(document)};
    for (RiskPage* page : pages) {
        // Pages off the sheet stay with it, hidden, and keep their values.
        page->setParent(this);
        page->hide();
        page->SetUnits(document.GetData().units);
    }
    connect(this, &QTabWidget::currentChanged, this, &RiskAnalysisSheet::OnCurrentChanged);
    for (PageIndex index : {kFieldData, kCostData, kTrenchData, kDesignSingle, kRiskAnalysis}) Add(pages[index]);
}

RiskPage* RiskAnalysisSheet::GetCurrentPage() const
{
    return qobject_cast<RiskPage*>(currentWidget());
}

QStringList RiskAnalysisSheet::TabCaptions() const
{
    QStringList captions;
    for (int index = 0; index < count(); ++index) captions.append(tabText(index));
    return captions;
}

void RiskAnalysisSheet::Add(RiskPage* page)
{
    addTab(page, page->GetCaption());
}

void RiskAnalysisSheet::Remove(RiskPage* page)
{
    const int index = indexOf(page);
    if (index < 0) return;
    removeTab(index);
    page->hide();
    page->Removed();
}

void RiskAnalysisSheet::OnCurrentChanged(int index)
{
    if (auto* page = qobject_cast<RiskPage*>(widget(index))) page->Activate();
}

void RiskAnalysisSheet::SetEvaluation(int code)
{
    Swap(evaluation, code, kDesignSingle, kDesignRange);
}

void RiskAnalysisSheet::SetOption(int code)
{
    Swap(option, code, kRiskAnalysis, kLossFunction);
}

void RiskAnalysisSheet::Swap(int& shownCode, int requested, PageIndex first, PageIndex other)
{
    // Every code but 1 chooses the second page.
    const int code = requested == 1 ? 1 : 2;
    if (code == shownCode) return;
    shownCode = code;
    RiskPage* wanted = pages[code == 1 ? first : other];
    if (code == 1) {
        Add(wanted);
        Remove(pages[other]);
    } else {
        Remove(pages[first]);
        Add(wanted);
    }
    setCurrentWidget(wanted);
}

void RiskAnalysisSheet::SetUnits(int code)
{
    for (RiskPage* page : pages) page->SetUnits(code);
    if (RiskPage* current = GetCurrentPage()) current->LoadFromDocument();
}

void RiskAnalysisSheet::CommitAll()
{
    for (RiskPage* page : pages)
        if (page->IsShown()) page->CommitFields();
}
