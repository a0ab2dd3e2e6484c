#include "risk/RiskOutputType.h"

#include "data/CRiskOutputDoc.h"
#include "docview/ResourceIds.h"
#include "risk/CRiskOutputView.h"

namespace {

const QString kDescription = QStringLiteral(
    "\nRiskOu\nRiskOutput\nRisk Analysis Output Files (*.unc)\n.UNC\nRiskOutput.Document\nRisk Output Document");

}  // namespace

docview::DocumentType riskOutputType()
{
    docview::DocumentType type;
    type.resourceId = zelm::kRiskOutputType;
    type.description = kDescription;
    type.fileMenu = docview::FileMenuKind::WithClose;
    type.replacedOnReopen = true;
    type.helpSection = QStringLiteral("risk-output");
    type.commands = forms::ReportView::ReportCommands();
    type.menus = {forms::ReportView::ReportMenu()};
    type.makeDocument = [] { return new CRiskOutputDoc; };
    type.makeView = [](docview::Document* document) {
        return new CRiskOutputView(static_cast<CRiskOutputDoc*>(document));
    };
    return type;
}
