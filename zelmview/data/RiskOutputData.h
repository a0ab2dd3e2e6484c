// The results of one uncertainty model run as the program reads them back from its ".UNC" report:
// the results for a fixed design and the table of reliability against depth and spacing that
// feeds the reliability chart. The rest of the report is text for people.
#pragma once

#include <QList>
#include <QString>
#include <array>

// Nine values of the report, all 0 when created. A row of the reliability table holds, in order:
// the required reliability (percent), depth, capital cost, total (annual) cost, spacing, the
// reliability reached, the mean depth to the water table, its coefficient of variation and the
// length of laterals; the fixed design holds the values listed in RiskOutputData.
struct RiskOutputRangeSpacingItem {
    static constexpr int kValues = 9;
    // The columns of a reliability table row that the program uses.
    static constexpr int kReliability = 0, kDepth = 1, kTotalCost = 3, kSpacing = 4;

    std::array<double, kValues> value{};
};

class RiskOutputData {
public:
    // Reads the report at `path`, starting from empty results. A section begins at a line that
    // holds its heading alone. Reports a failure with one message through the message sink and
    // returns false; the fields keep what was read before the failure. A report without either
    // section reads successfully.
    bool ReadData(const QString& path);

    QString path;                 // the report last read
    bool hasFixedDesign = false;  // once the fixed-design section was found
    // Cost per acre, spacing, depth, reliability, critical depth to the water table, mean depth to
    // the water table, coefficient of variance of that depth, Y at the critical depth and the
    // covariance of Y at the critical depth.
    RiskOutputRangeSpacingItem fixedDesign;
    bool hasReliabilityTable = false;                    // once the table section was found
    QList<RiskOutputRangeSpacingItem> reliabilityTable;  // in file order, of every table section
};
