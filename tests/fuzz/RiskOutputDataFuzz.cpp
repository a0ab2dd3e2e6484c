// Fuzz target of the uncertainty report reader. Whatever the report holds, RiskOutputData::ReadData
// must not crash, must show one message exactly when it fails, and has table rows only when it
// found a table.
#include "FuzzFiles.h"
#include "data/RiskOutputData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::inputFile(data, size, QStringLiteral("input.unc"));
    RiskOutputData report;
    fuzz::readCountingMessages([&] { return report.ReadData(path); });
    fuzz::require(report.hasReliabilityTable || report.reliabilityTable.isEmpty(), "rows belong to a table");
    fuzz::require(report.path == path, "the report remembers its path");
    return 0;
}
