// What zelmview's command line asks for: files to open (named after "--open", as the desktop
// passes them, or on their own), no splash window, or only the usage or version printed.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace commandline {

// The text to print before ending at once for "--help" or "--version"; none when the program
// is to start.
std::optional<QString> printedReply(const QStringList& arguments);

// The files named: every argument that is not an option; after "--", every argument.
QStringList filesToOpen(const QStringList& arguments);

// Unless "--no-splash" is given.
bool splashWanted(const QStringList& arguments);

}  // namespace commandline
