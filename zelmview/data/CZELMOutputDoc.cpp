// CZELMOutputDoc: opening a model report with the project beside it, and the seasonal high water
// table sentence of the output view.
#include "data/CZELMOutputDoc.h"

#include "docview/MessageSink.h"

CZELMOutputDoc::CZELMOutputDoc(QObject* parent) : docview::Document(parent) {}

bool CZELMOutputDoc::OnOpenDocument(const QString& path)
{
    if (!docview::Document::OnOpenDocument(path)) return false;

    if (!output.ReadData(path)) docview::showMessage(QStringLiteral("Error reading input from ") + path);

    const QString projectPath = siblingFile(path, QStringLiteral(".trn"));
    if (!input.ReadData(projectPath)) docview::showMessage(QStringLiteral("Error reading input from ") + projectPath);
    return true;
}

void CZELMOutputDoc::DeleteContents()
{
    input = ZELMData();
    output = TransientOutputData();
}

QString CZELMOutputDoc::FormatSeasonalHighWaterTable(int offset)
{
    const double depth = output.ComputeSeasonalHighWaterTable(offset);
    return QString::asprintf("Seasonal High Water Table = %.2f", depth) +
           QLatin1String(input.metricUnits == ZELMData::Units::Metric ? " m." : " ft.");
}
