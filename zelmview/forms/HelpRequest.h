// How a window that is not a document's view asks for the help (the chart, the daily table): by the
// section of the help page it is about. The application installs the handler that opens the help
// window; without one, a request does nothing.
#pragma once

#include <QString>
#include <functional>

namespace forms {

using HelpHandler = std::function<void(const QString& section)>;

// Opens the help at `section`, an anchor of the help page (the contents when empty).
void showHelp(const QString& section);

// Installs `handler` and returns the one it replaces.
HelpHandler setHelpHandler(HelpHandler handler);

}  // namespace forms
