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

// The pipe sizes of the table's rows, in inches; the last row holds every larger pipe.
constexpr std::array<int, RiskData::kPipeSizes - 1> kPipeDiametersInches = {4, 6, 8, 10, 12, 14};
const QString kLargerPipes = QStringLiteral("LARGER");
constexpr double kMillimetresPerInch = 25.4;
constexpr int kPipeCostColumn = 1;
constexpr int kLateralColumn = 3;

// The diameter of a row as the project's units give it: in inches, or in whole millimetres.
QString pipeDiameterText(int row, RiskData::Units units)
{
    if (row >= int(kPipeDiametersInches.size())) return kLargerPipes;
    const int inches = kPipeDiametersInches[row];
    return QString::number(units == RiskData::Units::English ? inches : qRound(inches * kMillimetresPerInch));
}

QString pipeDiameterTitle(RiskData::Units units)
{
    return units == RiskData::Units::English ? QStringLiteral("Pipe diameter (in)")
                                             : QStringLiteral("Pipe diameter (mm)");
}

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
    // The radio button beside the field is its label.
    GetControl(kAveragePipeCost)->setAccessibleName(QStringLiteral("Average of pipe costs"));
    CreateTable();
    Body()->addWidget(table, 1);
}

void CostDataPage::UpdateEnabling()
{
    // Only the pipe costs of the chosen kind can be edited: the other kind stays as it is, greyed.
    const bool average = Data().pipeCostType == RiskData::PipeCostType::Average;
    table->setEnabled(!average);
    SetEnabled({kAveragePipeCost}, average);
}

void CostDataPage::CreateTable()
{
    table = Name(new TableListCtrl(kTableEditorId, false), kPipeCostTable, QStringLiteral("pipeCostTable"));
    table->InsertColumn(0, pipeDiameterTitle(RiskData::Units::English), 100);
    table->InsertColumn(1, QStringLiteral("Pipe cost"), 80);
    table->InsertColumn(2, QStringLiteral("Gravel envelope cost"), 160);
    table->InsertColumn(3, QStringLiteral("% of lateral"), 100);
    table->SetColumnMode(0, TableListCtrl::ColumnMode::ReadOnly);
    // The seven pipe sizes are all the file keeps; a header line copied with the costs is skipped.
    table->SetPasteRules({.numbersOnly = true});
    for (int row = 0; row < RiskData::kPipeSizes; ++row) table->InsertItem(row, QString());
    table->setAccessibleName(QStringLiteral("Pipe cost table"));
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
    const RiskData::Units units = Data().units;
    table->SetColumnTitle(0, pipeDiameterTitle(units));
    for (int row = 0; row < RiskData::kPipeSizes; ++row) {
        table->SetCellText(row, 0, pipeDiameterText(row, units));
        for (int column = kPipeCostColumn; column <= kLateralColumn; ++column)
            table->SetCellText(row, column, zelm::formatFieldReal(costs.Cell(row, column)));
    }
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
