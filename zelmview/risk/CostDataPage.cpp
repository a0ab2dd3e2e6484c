#include "risk/CostDataPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>

#include "data/LeadingNumber.h"
#include "forms/FieldBinder.h"
#include "risk/CZELMRiskDoc.h"
#include "table/TableListCtrl.h"

namespace {

const std::array<const char*, RiskData::kPipeSizes> kPipeDiameters = {"4", "6", "8", "10", "12", "14", "LARGER"};
constexpr int kPipeCostColumn = 1;
constexpr int kLateralColumn = 3;

}  // namespace

double& CostDataPage::PipeCosts::Cell(int row, int column)
{
    switch (column) {
    case kPipeCostColumn:
        return pipe[row];
    case kLateralColumn:
        return lateral[row];
    default:
        return gravel[row];
    }
}

CostDataPage::CostDataPage(CZELMRiskDoc& document)
    : RiskPage(document, kResourceId, QStringLiteral("Cost Data"), QStringLiteral("costDataPage"))
{
    QGridLayout* grid = AddFieldRows(riskform::costDataFields());
    using Type = RiskData::PipeCostType;
    AddRadioGroup(&RiskData::pipeCostType,
                  {{kAverageRadio, Type::Average, "Average of pipe costs:", "averagePipeCostRadio"},
                   {kDistributionRadio, Type::SizeTable, "Distribution of various pipe sizes:", "pipeSizeTableRadio"}},
                  QStringLiteral("Pipe cost type"));
    const int row = grid->rowCount();
    AddFieldRow(grid, row, riskform::averagePipeCostField());
    grid->addWidget(GetControl(kAverageRadio), row, 0);
    grid->addWidget(GetControl(kDistributionRadio), row + 1, 0, 1, 3);
    CreateTable();
    Body()->addWidget(table, 1);
}

void CostDataPage::CreateTable()
{
    table = Name(new TableListCtrl(kTableEditorId, false), kPipeCostTable, QStringLiteral("pipeCostTable"));
    table->InsertColumn(0, QStringLiteral("Pipe diameter"), 100);
    table->InsertColumn(1, QStringLiteral("Pipe cost"), 80);
    table->InsertColumn(2, QStringLiteral("Gravel envelope cost"), 160);
    table->InsertColumn(3, QStringLiteral("% of lateral"), 100);
    table->SetColumnMode(0, TableListCtrl::ColumnMode::ReadOnly);
    // The seven pipe sizes are all the file keeps; a header line copied with the costs is skipped.
    table->SetPasteRules({.numbersOnly = true});
    for (int row = 0; row < RiskData::kPipeSizes; ++row)
        table->InsertItem(row, QString::fromLatin1(kPipeDiameters[row]));
    // Opening a cell counts as a change, whether or not anything is typed.
    connect(table, &TableListCtrl::beginEdit, this, [this] { Document().SetModifiedFlag(true); });
    connect(table, &TableListCtrl::endEdit, this,
            [this](TableListCtrl*, int row, int column, const QString& text, bool cancelled) {
                OnCellEdited(row, column, text, cancelled);
            });
    connect(table, &TableListCtrl::pasteBegins, this, [this] { pasted = CostsOf(Data()); });
    connect(table, &TableListCtrl::pasteEnds, this, &CostDataPage::OnPasteEnds);
}

void CostDataPage::LoadFromDocument()
{
    RiskPage::LoadFromDocument();
    FillTable();
}

void CostDataPage::FillTable()
{
    PipeCosts costs = CostsOf(Data());
    for (int row = 0; row < RiskData::kPipeSizes; ++row)
        for (int column = kPipeCostColumn; column <= kLateralColumn; ++column)
            table->SetCellText(row, column, zelm::formatFieldReal(costs.Cell(row, column)));
}

bool CostDataPage::CommitFields()
{
    refused = false;
    table->EndEdit();
    return !refused && RiskPage::CommitFields();
}

CostDataPage::PipeCosts CostDataPage::CostsOf(const RiskData& project) const
{
    return {project.pipeCost, project.gravelCost, project.lateralPercent};
}

void CostDataPage::StoreCosts(const PipeCosts& costs)
{
    Store(QStringLiteral("Pipe cost table"), [&costs](RiskData& project) {
        project.pipeCost = costs.pipe;
        project.gravelCost = costs.gravel;
        project.lateralPercent = costs.lateral;
    });
}

void CostDataPage::OnCellEdited(int row, int column, const QString& text, bool cancelled)
{
    if (cancelled || row < 0 || row >= RiskData::kPipeSizes || column < kPipeCostColumn || column > kLateralColumn)
        return;
    const std::optional<double> value = zelm::cellReal(text, RiskData::kLargestReal);
    if (!value) {
        refused = true;
        forms::refuseCellText(text, pasted.has_value());
        if (!pasted) FillTable();
        return;
    }
    if (pasted) {
        pasted->Cell(row, column) = *value;
    } else {
        PipeCosts costs = CostsOf(Data());
        costs.Cell(row, column) = *value;
        StoreCosts(costs);
    }
    table->SetCellText(row, column, zelm::formatFieldReal(*value));
}

void CostDataPage::OnPasteEnds()
{
    if (!pasted) return;
    const PipeCosts costs = *pasted;
    pasted.reset();
    StoreCosts(costs);
}
