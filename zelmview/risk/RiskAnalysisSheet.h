// The tabbed pages of a risk project, as its view shows them below the selectors. Field Data,
// Cost Data and Trenching Machines are always there; of the two design pages the one of the
// project's evaluation is shown, of the two analysis pages the one of its uncertainty option. A
// page that comes back is added at the end, so the order of the tabs follows the user's choices.
#pragma once

#include <QTabWidget>
#include <array>

#include "data/RiskData.h"

class CZELMRiskDoc;
class RiskPage;

class RiskAnalysisSheet : public QTabWidget {
    Q_OBJECT

public:
    // The pages in the order they commit.
    enum PageIndex : int {
        kFieldData,
        kCostData,
        kTrenchData,
        kDesignSingle,
        kDesignRange,
        kRiskAnalysis,
        kLossFunction
    };
    static constexpr int kPageCount = 7;

    explicit RiskAnalysisSheet(CZELMRiskDoc& document, QWidget* parent = nullptr);

    // The design page of `evaluation` (the single design or the range) takes the other's place, at
    // the end, and becomes current; nothing when it is shown already.
    void SetEvaluation(RiskData::Evaluation evaluation);
    // The same for the analysis pages: the risk analysis or the loss function.
    void SetOption(RiskData::UncertaintyOption option);
    // The unit labels of every page, then the current page shows its values again.
    void SetUnits(RiskData::Units units);
    // Every field of every page shown since it was added, in page order; stops at, and returns
    // false for, the first text that is no number (which has shown the prompt).
    bool CommitAll();

    RiskPage* GetPage(PageIndex index) const { return pages[index]; }
    RiskPage* GetCurrentPage() const;
    // The captions of the tabs from left to right.
    QStringList TabCaptions() const;

private:
    // Shows the first of two pages that take each other's place, or the other.
    void Swap(bool wantFirst, PageIndex first, PageIndex other);
    void Add(RiskPage* page);
    void Remove(RiskPage* page);
    void OnCurrentChanged(int index);

    std::array<RiskPage*, kPageCount> pages{};
};
