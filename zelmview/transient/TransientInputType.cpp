#include "transient/TransientInputType.h"

#include <QAction>
#include <QUndoStack>

#include "docview/DocumentHost.h"
#include "docview/EditCommands.h"
#include "docview/ResourceIds.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"

namespace {

const QString kDescription =
    QStringLiteral("\nTransient\nTransient\nTransient Input Files (*.trn)\n.trn\nZelmView.Document\nZelm Document");

// "&Model": "&Run Transient Model", "&Cancel Run", "&Sensitivity..." and "&Bench && Bottomland" with
// its check mark.
docview::MenuSpec modelMenu()
{
    // The tool bar's Run button is shared by both models; the menu names this one.
    return {QStringLiteral("&Model"),
            QStringLiteral("transientModelMenu"),
            {{zelm::kRunModel, QStringLiteral("&Run Transient Model"), QStringLiteral("runTransientModel"),
              QStringLiteral("Run the ZELM Transient model")},
             {CZelmViewView::kCancelRunCommand},
             {CZelmViewView::kSensitivityCommand},
             {zelm::kBenchBottomland}}};
}

// The check mark follows the project of the active form, and Undo and Redo its steps.
void updateCommands(const docview::CommandBoard& board)
{
    auto* view = qobject_cast<CZelmViewView*>(board.GetActiveView());
    if (QAction* bench = board.GetCommandAction(zelm::kBenchBottomland))
        bench->setChecked(view != nullptr && view->GetZelmDocument()->IsBenchBottomland());
    docview::updateEditCommands(board);
}

}  // namespace

docview::DocumentType transientInputType(docview::DocumentHost& host)
{
    docview::DocumentType type;
    type.resourceId = zelm::kTransientInputType;
    type.description = kDescription;
    type.fileMenu = docview::FileMenuKind::WithSave;
    type.newCommand = zelm::kNewTransient;
    type.helpSection = QStringLiteral("form");
    type.commands = {
        {.id = CZelmViewView::kCancelRunCommand,
         .text = QStringLiteral("&Cancel Run"),
         .prompt = QStringLiteral("Stop the model run in progress"),
         .followsView = true},
        {.id = CZelmViewView::kSensitivityCommand,
         .text = QStringLiteral("&Sensitivity..."),
         .prompt = QStringLiteral("Show how the result depends on each input")},
        {.id = zelm::kBenchBottomland,
         .text = QStringLiteral("&Bench && Bottomland"),
         .prompt = QStringLiteral("Calculate the bench and bottom land classification"),
         .checkable = true},
    };
    type.commands.append(docview::editCommands());
    type.menus = {modelMenu(), docview::editMenu()};
    type.makeDocument = [] { return new CZelmViewDoc; };
    type.makeView = [&host](docview::Document* document) {
        auto* view = new CZelmViewView(static_cast<CZelmViewDoc*>(document));
        view->openReport = [&host](const QString& path) { return host.OpenDocumentFile(path); };
        const auto follow = [&host] { host.UpdateCommandStates(); };
        QObject::connect(view, &CZelmViewView::runStateChanged, view, follow);
        QObject::connect(view, &CZelmViewView::benchBottomlandChanged, view, follow);
        QObject::connect(view->GetZelmDocument()->GetUndoStack(), &QUndoStack::indexChanged, view, follow);
        return view;
    };
    type.updateCommands = updateCommands;
    return type;
}
