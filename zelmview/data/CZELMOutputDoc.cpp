// CZELMOutputDoc: opening a model report with the project beside it, and the seasonal high water
// table sentence and the assessment line of the output view.
#include "data/CZELMOutputDoc.h"

#include "data/WaterTableAssessment.h"
#include "docview/MessageSink.h"

CZELMOutputDoc::CZELMOutputDoc(QObject* parent) : docview::Document(parent) {}

bool CZELMOutputDoc::OnOpenDocument(const QString& path)
{
    if (!docview::Document::OnOpenDocument(path)) return false;

    if (!output.ReadData(path)) docview::showMessage(QStringLiteral("Error reading input from ") + path);

    const QString projectPath = siblingFile(path, QStringLiteral(".trn"));
    inputRead = input.ReadData(projectPath);
    if (!inputRead) docview::showMessage(QStringLiteral("Error reading input from ") + projectPath);
    return true;
}

void CZELMOutputDoc::DeleteContents()
{
    input = ZELMData();
    inputRead = false;
    output = TransientOutputData();
}

QString CZELMOutputDoc::FormatSeasonalHighWaterTable(int offset)
{
    const double depth = output.ComputeSeasonalHighWaterTable(offset);
    return QString::asprintf("Seasonal High Water Table = %.2f", depth) +
           QLatin1String(input.metricUnits == ZELMData::Units::Metric ? " m." : " ft.");
}

QString CZELMOutputDoc::AssessmentLine() const
{
    if (!inputRead || output.dailyHeight.isEmpty()) return {};
    const zelm::WaterTableAssessment assessment =
        zelm::assessWaterTable(output.dailyDay, output.dailyHeight, input.maxWaterTable);
    return zelm::assessmentLine(input.inputMode, assessment, input.metricUnits);
}
