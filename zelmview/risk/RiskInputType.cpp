#include "risk/RiskInputType.h"

#include <QUndoStack>

#include "docview/DocumentHost.h"
#include "docview/EditCommands.h"
#include "docview/ResourceIds.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"

namespace {

const QString kDescription = QStringLiteral(
    "\nZELMRisk\nZELMRisk\nRisk Analysis Input Files (*.rsk)\n.RSK\nZELMRisk.Document\nZELMRisk Document");

// "&Model" with "&Run Uncertainty Model", the tool bar's Run in this type's words.
docview::MenuSpec modelMenu()
{
    return {QStringLiteral("&Model"),
            QStringLiteral("riskModelMenu"),
            {{zelm::kRunModel, QStringLiteral("&Run Uncertainty Model"), QStringLiteral("runUncertaintyModel"),
              QStringLiteral("Run the uncertainty model")}}};
}

}  // namespace

docview::DocumentType riskInputType(docview::DocumentHost& host)
{
    docview::DocumentType type;
    type.resourceId = zelm::kRiskInputType;
    type.description = kDescription;
    type.fileMenu = docview::FileMenuKind::WithSave;
    type.newCommand = zelm::kNewRisk;
    type.helpSection = QStringLiteral("risk");
    type.commands = docview::editCommands();
    type.menus = {modelMenu(), docview::editMenu()};
    type.makeDocument = [] { return new CZELMRiskDoc; };
    type.makeView = [&host](docview::Document* document) {
        auto* view = new CZELMRiskView(static_cast<CZELMRiskDoc*>(document));
        view->openReport = [&host](const QString& path) { return host.OpenDocumentFile(path); };
        const auto follow = [&host] { host.UpdateCommandStates(); };
        QObject::connect(&view->GetRunSession(), &ModelRunSession::runningChanged, view, follow);
        QObject::connect(view->GetRiskDocument()->GetUndoStack(), &QUndoStack::indexChanged, view, follow);
        return view;
    };
    type.updateCommands = docview::updateEditCommands;
    return type;
}
