// The application's own commands beside the standard ones of the main window: New Transient and
// New Risk at the top of every File menu, and Run Model, shared by both models, on the tool bar.
#pragma once

#include <QList>

#include "docview/DocumentType.h"

struct ApplicationCommands {
    QList<docview::CommandSpec> commands;
    // Commands at the top of every File menu.
    QList<int> fileNew;
    // The tool bar's buttons in order; 0 is a separator.
    QList<int> toolBar;
};

ApplicationCommands makeApplicationCommands();
