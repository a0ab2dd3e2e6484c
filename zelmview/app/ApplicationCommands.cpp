#include "app/ApplicationCommands.h"

#include "docview/CommandIds.h"
#include "docview/ResourceIds.h"

ApplicationCommands makeApplicationCommands()
{
    ApplicationCommands application;
    application.commands = {
        {.id = zelm::kNewTransient,
         .text = QStringLiteral("New &Transient"),
         .prompt = QStringLiteral("Create a new Transient model input file.")},
        {.id = zelm::kNewRisk,
         .text = QStringLiteral("New &Risk"),
         .prompt = QStringLiteral("Create a new Risk model input file.")},
        {.id = zelm::kRunModel,
         .text = QStringLiteral("&Run Model"),
         .key = QKeySequence(Qt::Key_F5),
         .prompt = QStringLiteral("Run the ZELM Transient model\nRun the ZELM Transient model"),
         .followsView = true},
    };
    application.fileNew = {zelm::kNewTransient, zelm::kNewRisk};
    application.toolBar = {zelm::kNewTransient, zelm::kNewRisk, docview::kFileOpen, docview::kFileSave, 0,
                           zelm::kRunModel};
    return application;
}
