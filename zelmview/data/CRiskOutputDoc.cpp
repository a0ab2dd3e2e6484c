// CRiskOutputDoc: opening an uncertainty report with the project beside it, and the report's text.
#include "data/CRiskOutputDoc.h"

#include "data/ReportText.h"
#include "data/TransientOutputData.h"
#include "docview/MessageSink.h"

CRiskOutputDoc::CRiskOutputDoc(QObject* parent) : docview::Document(parent) {}

bool CRiskOutputDoc::OnOpenDocument(const QString& path)
{
    if (!docview::Document::OnOpenDocument(path)) return false;

    const QString projectPath = siblingFile(path, QStringLiteral(".rsk"));
    if (!input.ReadData(projectPath)) docview::showMessage(QStringLiteral("Error reading input from ") + projectPath);
    return output.ReadData(path);
}

void CRiskOutputDoc::DeleteContents()
{
    input = RiskData();
    output = RiskOutputData();
}

QString CRiskOutputDoc::LoadOutputText(ReportTextMode mode) const
{
    return loadReportText(output.path, mode, kMaxCopyCharacters);
}
