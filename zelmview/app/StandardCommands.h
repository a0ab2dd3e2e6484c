// The main window's own commands: the File, View, Window and Help menus' standard commands and
// the accelerators of help and of stepping through the windows, with their texts, keys and
// prompts.
#pragma once

#include <QList>

#include "docview/DocumentType.h"

QList<docview::CommandSpec> standardCommands();
