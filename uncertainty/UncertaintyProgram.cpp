#include "UncertaintyProgram.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ModelError.h"
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

// The report goes to a temporary file beside it that then replaces it, so that a failed write
// never leaves half a report in place of the earlier one.
void writeReportFile(const std::string& name, const std::string& text)
{
    std::string temporary = name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) throw ModelError("ERROR - CANNOT WRITE THE REPORT FILE " + name);
    close(fd);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    std::error_code ec;
    if (out) std::filesystem::rename(temporary, name, ec);
    if (!out || ec) {
        std::filesystem::remove(temporary, ec);
        throw ModelError("ERROR - CANNOT WRITE THE REPORT FILE " + name);
    }
}

const char* const kUsage = "Usage: uncertainty BASE | --help | --version";

void printHelp(std::ostream& out)
{
    out << kUsage << "\n\n"
        << "Drainage design under uncertainty: the reliability, cost and expected yield of subsurface\n"
           "drain designs when the hydraulic conductivity, the recharge and the depth to the barrier are\n"
           "uncertain.\n\n"
           "  uncertainty BASE   reads the risk project BASE.rsk (or BASE.RSK) in the current folder and\n"
           "                     writes the report BASE.UNC beside it. BASE may carry the extension .rsk.\n"
           "  --help             prints this text.\n"
           "  --version          prints the program's name and version.\n\n"
           "Warnings and errors are printed on standard output, one line each, beginning\n"
           "\" WARNING - \" or \" ERROR - \". An error stops the run before anything is computed or\n"
           "written; an earlier report stays as it was. The program never reads from its input.\n\n"
           "Exit status: 0 the report was written (perhaps with warnings); 1 an error, no report.\n";
}

}  // namespace

std::optional<FileNames> fileNamesFor(const std::string& baseName)
{
    for (const char* extension : {".rsk", ".RSK"}) {
        if (exists(baseName + extension)) return FileNames{baseName + extension, baseName + ".UNC"};
    }
    const std::size_t dot = baseName.size() >= 4 ? baseName.size() - 4 : std::string::npos;
    if (dot != std::string::npos && lowerCase(baseName.substr(dot)) == ".rsk" && exists(baseName))
        return FileNames{baseName, baseName.substr(0, dot) + ".UNC"};
    return std::nullopt;
}

int runUncertainty(const std::string& baseName, std::ostream& console)
{
    try {
        const std::optional<FileNames> files = fileNamesFor(baseName);
        if (!files)
            throw ModelError("ERROR - CANNOT FIND THE RISK PROJECT FILE " + baseName + ".rsk (NOR " + baseName +
                             ".RSK)");
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
    if (arguments.size() == 1 && arguments[0] == "--help") {
        printHelp(console);
        return kSuccess;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        console << "uncertainty " << programVersion() << '\n';
        return kSuccess;
    }
    if (arguments.size() == 1 && arguments[0].rfind("--", 0) != 0) return runUncertainty(arguments[0], console);
    if (arguments.empty()) {
        consoleLine(console, "ERROR - NO PROJECT GIVEN: NAME THE RISK PROJECT'S BASE NAME");
    } else if (arguments.size() == 1) {
        consoleLine(console, "ERROR - UNKNOWN OPTION " + arguments[0]);
    } else {
        consoleLine(console,
                    "ERROR - ONE BASE NAME IS EXPECTED, NOT " + std::to_string(arguments.size()) + " ARGUMENTS");
    }
    console << kUsage << '\n';
    return kFailure;
}

}  // namespace uncertainty
