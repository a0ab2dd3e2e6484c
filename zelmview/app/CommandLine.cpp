#include "app/CommandLine.h"

namespace commandline {

namespace {

const QString kEndOfOptions = QStringLiteral("--");

bool isOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

// The options, up to "--".
QStringList options(const QStringList& arguments)
{
    QStringList found;
    for (const QString& argument : arguments) {
        if (argument == kEndOfOptions) break;
        if (isOption(argument)) found.append(argument);
    }
    return found;
}

QString usage()
{
    return QStringLiteral(
        "Usage: zelmview [--no-splash] [FILE...]\n"
        "       zelmview [--no-splash] --open FILE...\n"
        "       zelmview --version | --help\n"
        "\n"
        "Starts the desktop application of the drainage design suite and opens the files named in\n"
        "it: transient projects (.trn), risk projects (.rsk), transient model reports (.otr) and\n"
        "uncertainty reports (.unc). \"--open\" names the files as the desktop passes them; a file\n"
        "named on its own opens just the same. \"--\" ends the options: every argument after it is\n"
        "a file. \"--no-splash\" starts without the splash window.\n");
}

}  // namespace

std::optional<QString> printedReply(const QStringList& arguments)
{
    const QStringList given = options(arguments);
    if (given.contains(QStringLiteral("--help"))) return usage();
    if (given.contains(QStringLiteral("--version"))) return QStringLiteral("zelmview " ZELMVIEW_VERSION "\n");
    return std::nullopt;
}

QStringList filesToOpen(const QStringList& arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == kEndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(argument)) files.append(argument);
    }
    return files;
}

bool splashWanted(const QStringList& arguments)
{
    return !options(arguments).contains(QStringLiteral("--no-splash"));
}

}  // namespace commandline
