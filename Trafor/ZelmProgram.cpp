#include "ZelmProgram.h"

#include <sys/stat.h>

#include <fstream>
#include <istream>
#include <optional>

#include "InputReader.h"
#include "ModelError.h"
#include "ModelRun.h"
#include "ReportWriter.h"

namespace zelm {

namespace {

constexpr char kUsage[] =
    "Usage: zelm [BASE]\n"
    "       zelm --version | --help\n"
    "\n"
    "Runs the transient drain-spacing model on one project. It reads BASE.TRN (or BASE.trn;\n"
    "BASE may also be given with its .trn extension), designs the drain spacing or analyses the\n"
    "given one, and writes the report BASE.OTR and the daily water table BASE.DAY beside it.\n"
    "Without BASE it asks \"Enter base name?\" and reads the base name from standard input.\n"
    "\n"
    "A normal run prints nothing. A project the model cannot run prints one line starting\n"
    "\" ERROR - \" and writes no report; a search that does not settle prints one line starting\n"
    "\" WARNING - \" and reports its last pass.\n"
    "\n"
    "Exit status: 0 when the report was written, 1 when the run stopped with an error.\n";

void writeTextFile(const std::string& name, const std::string& text)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw ModelError("ERROR - CANNOT WRITE OUTPUT FILE " + name);
}

void consoleLine(std::ostream& console, const std::string& message)
{
    console << ' ' << message << '\n';
}

// Whether anything by that name is there; a pipe or a folder counts, and is refused when read.
bool exists(const std::string& name)
{
    struct stat status {};
    return ::stat(name.c_str(), &status) == 0;
}

FileNames namesFromBase(const std::string& base)
{
    return {base + ".TRN", base + ".OTR", base + ".DAY"};
}

// The project of `base` saved as ".TRN" or, by the editor, as ".trn".
std::optional<FileNames> existingProject(const std::string& base)
{
    FileNames names = namesFromBase(base);
    if (exists(names.input)) return names;
    names.input = base + ".trn";
    if (exists(names.input)) return names;
    return std::nullopt;
}

bool endsWithProjectExtension(const std::string& name)
{
    return name.size() > 4 &&
           (name.compare(name.size() - 4, 4, ".trn") == 0 || name.compare(name.size() - 4, 4, ".TRN") == 0);
}

}  // namespace

FileNames fileNamesFor(const std::string& baseName)
{
    std::string base = baseName;
    base.erase(base.find_last_not_of(' ') + 1);
    return namesFromBase(base);
}

FileNames projectFilesFor(const std::string& argument)
{
    if (std::optional<FileNames> asGiven = existingProject(argument)) return *asGiven;
    if (endsWithProjectExtension(argument) && exists(argument)) {
        FileNames names = namesFromBase(argument.substr(0, argument.size() - 4));
        names.input = argument;
        return names;
    }
    const FileNames trimmed = fileNamesFor(argument);
    std::string base = trimmed.input.substr(0, trimmed.input.size() - 4);
    return existingProject(base).value_or(trimmed);
}

int runZelm(const std::string& baseName, std::ostream& console)
{
    const FileNames files = projectFilesFor(baseName);
    try {
        ModelRun run = simulate(readProjectFile(files.input));
        // The daily file holds the last pass that finished, also when the run then fails.
        if (!run.daily.empty()) writeTextFile(files.daily, formatDailyFile(run.daily));
        if (!run.warning.empty()) consoleLine(console, run.warning);
        if (run.failed()) {
            consoleLine(console, run.error);
            return 1;
        }
        writeTextFile(files.report, run.report);
        return 0;
    } catch (const ModelError& e) {
        consoleLine(console, e.what());
        return 1;
    }
}

int zelmMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& console)
{
    std::string baseName;
    if (!arguments.empty()) {
        baseName = arguments[0];
        if (baseName == "--version") {
            console << "zelm " ZELM_VERSION "\n";
            return 0;
        }
        if (baseName == "--help") {
            console << kUsage;
            return 0;
        }
    } else {
        console << " Enter base name?" << std::endl;
        std::getline(in, baseName);
        if (!baseName.empty() && baseName.back() == '\r') baseName.pop_back();
    }
    return runZelm(baseName, console);
}

}  // namespace zelm
