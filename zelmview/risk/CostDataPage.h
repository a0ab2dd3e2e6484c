// The cost page of a risk project: interest, life of the system, operation and maintenance, and
// the pipe costs, either one average or a table of pipe sizes (in inches or millimetres, as the
// project's units say) with their pipe and gravel envelope costs and their share of the laterals;
// only the kind chosen can be edited. A cell stores the number its text begins with (one the
// project file can keep: any other gives the invalid-number prompt); opening a cell for editing
// marks the project modified; a paste is one change.
#pragma once

#include <array>
#include <optional>

#include "risk/RiskPage.h"

class TableListCtrl;

class CostDataPage : public RiskPage, public CostDataPageIds {
    Q_OBJECT

public:
    explicit CostDataPage(CZELMRiskDoc& document);

    void LoadFromDocument() override;
    // The table while the distribution of pipe sizes is chosen, the average while it is.
    void UpdateEnabling() override;
    // Ends an edit under way in the table, then commits the fields; false when a text was refused.
    bool CommitFields() override;
    TableListCtrl* GetPipeCostTable() const { return table; }

private:
    // The three columns of numbers of the table, as the project holds them.
    struct PipeCosts {
        std::array<double, RiskData::kPipeSizes> pipe;
        std::array<double, RiskData::kPipeSizes> gravel;
        std::array<double, RiskData::kPipeSizes> lateral;
        bool operator==(const PipeCosts&) const = default;
        double& Cell(int row, int column);
    };

    void CreateTable();
    void FillTable();
    void OnCellEdited(int row, int column, const QString& text, bool cancelled);
    void OnPasteEnds();
    PipeCosts CostsOf(const RiskData& project) const;
    void StoreCosts(const PipeCosts& costs);

    TableListCtrl* table = nullptr;
    // The cells a paste under way has filled so far.
    std::optional<PipeCosts> pasted;
    // Whether the last edit's text was refused.
    bool refused = false;
};
