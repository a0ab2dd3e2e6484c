#include "risk/RiskAnalysisSheet.h"

#include <QTabBar>
#include <QToolButton>

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
    for (RiskPage* page : pages) page->SetUnits(document.GetData().units);
    connect(this, &QTabWidget::currentChanged, this, &RiskAnalysisSheet::OnCurrentChanged);
    // Every page joins the sheet now, so that its fields follow the tabs in the window's tab order;
    // pages off the sheet stay with it, hidden, and keep their values.
    for (RiskPage* page : pages) Add(page);
    for (PageIndex index : {kDesignRange, kLossFunction}) Remove(pages[index]);
    // In a narrow window the tabs scroll: the arrow keys on the tabs do it, so the mouse's scroll
    // buttons are no stops of Tab.
    for (QToolButton* button : tabBar()->findChildren<QToolButton*>()) button->setFocusPolicy(Qt::NoFocus);
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

void RiskAnalysisSheet::SetEvaluation(RiskData::Evaluation evaluation)
{
    Swap(evaluation == RiskData::Evaluation::GivenDesign, kDesignSingle, kDesignRange);
}

void RiskAnalysisSheet::SetOption(RiskData::UncertaintyOption option)
{
    Swap(option == RiskData::UncertaintyOption::RiskAnalysis, kRiskAnalysis, kLossFunction);
}

void RiskAnalysisSheet::Swap(bool wantFirst, PageIndex first, PageIndex other)
{
    RiskPage* wanted = pages[wantFirst ? first : other];
    if (indexOf(wanted) >= 0) return;
    if (wantFirst) {
        Add(wanted);
        Remove(pages[other]);
    } else {
        Remove(pages[first]);
        Add(wanted);
    }
    setCurrentWidget(wanted);
}

void RiskAnalysisSheet::SetUnits(RiskData::Units units)
{
    for (RiskPage* page : pages) page->SetUnits(units);
    if (RiskPage* current = GetCurrentPage()) current->LoadFromDocument();
}

bool RiskAnalysisSheet::CommitAll()
{
    for (RiskPage* page : pages)
        if (page->IsShown() && !page->CommitFields()) return false;
    return true;
}
