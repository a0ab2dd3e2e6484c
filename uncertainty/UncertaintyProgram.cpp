#include "UncertaintyProgram.h"

#include <cctype>
#include <filesystem>

#include "ModelError.h"
#include "ReportFile.h"
#include "RiskProjectReader.h"
#include "UncertaintyRun.h"
#include "Version.h"

namespace uncertainty {

namespace {

void consoleLine(std::ostream& console, const std::string& message)
{
    console << ' ' << message << '\n';
}

bool exists(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::exists(name, ec);
}

std::string lowerCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const char* const kUsage = "Usage: uncertainty BASE | -- BASE | --help | --version";

void printHelp(std::ostream& out)
{
    out << kUsage << "\n\n"
        << "Drainage design under uncertainty: the reliability, cost and expected yield of subsurface\n"
           "drain designs when the hydraulic conductivity, the recharge and the depth to the barrier are\n"
           "uncertain.\n\n"
           "  uncertainty BASE   reads the risk project BASE.rsk (or BASE.RSK) in the current folder and\n"
           "                     writes the report BASE.UNC beside it. BASE may carry the extension .rsk\n"
           "                     in any letter case: then that very file is read, so of BASE.rsk and\n"
           "                     BASE.RSK the one named is run (without it, BASE.rsk comes first).\n"
           "  --                 ends the options: \"uncertainty -- --name\" runs the project --name.rsk.\n"
           "                     A base name that names a project is never taken for an option.\n"
           "  --help             prints this text.\n"
           "  --version          prints the program's name and version.\n\n"
           "Warnings and errors are printed on standard output, one line each, beginning\n"
           "\" WARNING - \" or \" ERROR - \". An error stops the run and writes no report; an earlier\n"
           "report stays as it was. Errors are: a project file that is missing, malformed or has a line\n"
           "longer than "
        << kMaxLineLength
        << " characters; an input outside its domain (each message says the domain);\n"
           "a result that is not a finite number (an input beyond what the model can compute); a report\n"
           "name that exists as anything but a regular file; a report that cannot be written whole (a\n"
           "full disk, a file-size limit). The report is written to a temporary file beside it that\n"
           "replaces BASE.UNC only when complete; it gets the permissions the umask gives a new file.\n"
           "The program never reads from its input.\n\n"
           "Exit status: 0 the report was written (perhaps with warnings); 1 an error, no report.\n";
}

// An argument beginning with "--" is an option, unless it names a project.
bool isOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0 && !fileNamesFor(argument);
}

int option(const std::string& name, std::ostream& console)
{
    if (name == "--help") {
        printHelp(console);
        return kSuccess;
    }
    if (name == "--version") {
        console << "uncertainty " << programVersion() << '\n';
        return kSuccess;
    }
    consoleLine(console, "ERROR - UNKNOWN OPTION " + name);
    console << kUsage << '\n';
    return kFailure;
}

}  // namespace

std::optional<FileNames> fileNamesFor(const std::string& baseName)
{
    const std::size_t dot = baseName.size() > 4 ? baseName.size() - 4 : std::string::npos;
    if (dot != std::string::npos && lowerCase(baseName.substr(dot)) == ".rsk" && exists(baseName))
        return FileNames{baseName, baseName.substr(0, dot) + ".UNC"};
    for (const char* extension : {".rsk", ".RSK"}) {
        if (exists(baseName + extension)) return FileNames{baseName + extension, baseName + ".UNC"};
    }
    return std::nullopt;
}

int runUncertainty(const std::string& baseName, std::ostream& console)
{
    try {
        const std::optional<FileNames> files = fileNamesFor(baseName);
        if (!files)
            throw ModelError("ERROR - CANNOT FIND THE RISK PROJECT FILE " + baseName + ".rsk (NOR " + baseName +
                             ".RSK)");
        requireReportName(files->report);
        RunOutcome outcome = runRiskAnalysis(readRiskProjectFile(files->input), files->input);
        for (const std::string& w : outcome.warnings) consoleLine(console, w);
        for (const std::string& e : outcome.errors) consoleLine(console, e);
        if (outcome.failed()) return kFailure;
        writeReportFile(files->report, outcome.report);
        return kSuccess;
    } catch (const ModelError& e) {
        consoleLine(console, e.what());
        return kFailure;
    }
}

int commandLine(const std::vector<std::string>& arguments, std::ostream& console)
{
    std::vector<std::string> baseNames = arguments;
    if (!baseNames.empty() && baseNames[0] == "--" && (baseNames.size() > 1 || !fileNamesFor("--"))) {
        baseNames.erase(baseNames.begin());
    } else if (baseNames.size() == 1 && isOption(baseNames[0])) {
        return option(baseNames[0], console);
    }
    if (baseNames.size() == 1) return runUncertainty(baseNames[0], console);
    if (baseNames.empty()) {
        consoleLine(console, "ERROR - NO PROJECT GIVEN: NAME THE RISK PROJECT'S BASE NAME");
    } else {
        consoleLine(console,
                    "ERROR - ONE BASE NAME IS EXPECTED, NOT " + std::to_string(baseNames.size()) + " ARGUMENTS");
    }
    console << kUsage << '\n';
    return kFailure;
}

}  // namespace uncertainty
