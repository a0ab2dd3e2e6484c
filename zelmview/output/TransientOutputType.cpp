#include "output/TransientOutputType.h"

#include "data/CZELMOutputDoc.h"
#include "docview/ResourceIds.h"
#include "output/CZELMOutputView.h"

namespace {

const QString kDescription = QStringLiteral(
    "\nTransient Out\nTransient Out\nTransient Output Files (*.otr)\n.otr\nZELMOutput.Document\nZELMOutput Document");

}  // namespace

docview::DocumentType transientOutputType()
{
    docview::DocumentType type;
    type.resourceId = zelm::kTransientOutputType;
    type.description = kDescription;
    type.fileMenu = docview::FileMenuKind::WithClose;
    type.replacedOnReopen = true;
    type.helpSection = QStringLiteral("output");
    type.commands = forms::ReportView::ReportCommands();
    type.commands.append(
        {.id = zelm::kViewDailyData, .text = QStringLiteral("&View Daily Water Table Data"), .followsView = true});
    type.menus = {forms::ReportView::ReportMenu(),
                  {QStringLiteral("&Data"), QStringLiteral("dataMenu"), {{zelm::kViewDailyData}}}};
    type.makeDocument = [] { return new CZELMOutputDoc; };
    type.makeView = [](docview::Document* document) {
        return new CZELMOutputView(static_cast<CZELMOutputDoc*>(document));
    };
    return type;
}
