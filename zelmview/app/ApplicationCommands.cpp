#include "app/ApplicationCommands.h"

#include "docview/CommandIds.h"
#include "docview/ResourceIds.h"

ApplicationCommands MakeApplicationCommands()
{
    ApplicationCommands application;
    application.commands = {
        {zelm::kNewTransient,
         QStringLiteral("New &Transient"),
         {},
         QStringLiteral("Create a new Transient model input file.")},
        {zelm::kNewRisk, QStringLiteral("New &Risk"), {}, QStringLiteral("Create a new Risk model input file.")},
        {zelm::kRunModel, QStringLiteral("&Run Model"), QKeySequence(Qt::Key_F5),
         QStringLiteral("Run the ZELM Transient model\nRun the ZELM Transient model"), false, true},
    };
    application.fileNew = {zelm::kNewTransient, zelm::kNewRisk};
    application.toolBar = {zelm::kNewTransient, zelm::kNewRisk, docview::kFileOpen, docview::kFileSave, 0,
                           zelm::kRunModel};
    return application;
}
