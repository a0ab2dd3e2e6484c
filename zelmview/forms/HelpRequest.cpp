#include "forms/HelpRequest.h"

namespace forms {

namespace {

HelpHandler& installed()
{
    static HelpHandler handler;
    return handler;
}

}  // namespace

void showHelp(const QString& section)
{
    if (installed()) installed()(section);
}

HelpHandler setHelpHandler(HelpHandler handler)
{
    HelpHandler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

}  // namespace forms
