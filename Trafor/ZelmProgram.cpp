#include "ZelmProgram.h"

#include <sys/stat.h>

#include <cctype>
#include <istream>
#include <new>
#include <optional>

#include "InputReader.h"
#include "ModelError.h"
#include "ModelRun.h"
#include "OutputFiles.h"

namespace zelm {

namespace {

constexpr std::size_t kMaxBaseNameCharacters = 4096;

std::string usage()
{
    const std::string limits = "at most " + std::to_string(kMaxEvents) + " events, " +
                               std::to_string(kMaxCommentLines) + " comment lines and lines of " +
                               std::to_string(kMaxLineCharacters) + " characters";
    return "Usage: zelm [BASE]\n"
           "       zelm -- BASE\n"
           "       zelm --version | --help\n"
           "\n"
           "Runs the transient drain-spacing model on one project. It reads the project BASE.trn (or\n"
           "BASE.TRN when there is no BASE.trn; BASE may also be the project's file name, BASE.trn or\n"
           "BASE.TRN, which is then read as it is named), designs the drain spacing or analyses the\n"
           "given one, and writes the report BASE.OTR and the daily water table BASE.DAY beside it.\n"
           "Without BASE it asks \"Enter base name?\" and reads the base name from standard input.\n"
           "\"--\" ends the options: the argument after it is the base name, whatever it begins with;\n"
           "so is an argument that names an existing project.\n"
           "\n"
           "Limits: a base name of at most " +
           std::to_string(kMaxBaseNameCharacters) + " characters; a project of " + limits +
           ".\n"
           "\n"
           "A normal run prints nothing. A project the model cannot run prints one line starting\n"
           "\" ERROR - \" and writes nothing: an earlier report and daily file stay as they were. The\n"
           "two files are written to temporary files beside them and renamed into place together\n"
           "once both are complete. A search that does not settle prints one line starting\n"
           "\" WARNING - \" and reports its last pass.\n"
           "\n"
           "Exit status: 0 when the report was written, 1 when the run stopped with an error.\n";
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

FileNames namesFromBase(const std::string& base, const std::string& input)
{
    return {input, base + ".OTR", base + ".DAY"};
}

bool endsWithProjectExtension(const std::string& name)
{
    if (name.size() <= 4) return false;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".trn";
}

// The project the name stands for, when it exists: the file of exactly that name when it carries
// the project's extension, else BASE.trn (as the editor saves it), else BASE.TRN.
std::optional<FileNames> existingProject(const std::string& name)
{
    if (endsWithProjectExtension(name) && exists(name)) return namesFromBase(name.substr(0, name.size() - 4), name);
    for (const char* extension : {".trn", ".TRN"})
        if (exists(name + extension)) return namesFromBase(name, name + extension);
    return std::nullopt;
}

std::string withoutTrailingBlanks(std::string name)
{
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// The line typed after the prompt, without its line end; nothing when it is longer than a base
// name may be (the rest of it is never read).
std::optional<std::string> readBaseName(std::istream& in)
{
    std::string name;
    std::streambuf* input = in.rdbuf();
    for (int c = input->sbumpc(); c != std::char_traits<char>::eof() && c != '\n'; c = input->sbumpc()) {
        if (name.size() > kMaxBaseNameCharacters) return std::nullopt;
        name.push_back(static_cast<char>(c));
    }
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (name.size() > kMaxBaseNameCharacters) return std::nullopt;
    return name;
}

int fail(std::ostream& console, const std::string& message)
{
    consoleLine(console, message);
    return 1;
}

}  // namespace

FileNames fileNamesFor(const std::string& baseName)
{
    const std::string base = withoutTrailingBlanks(baseName);
    return namesFromBase(base, base + ".TRN");
}

FileNames projectFilesFor(const std::string& argument)
{
    if (std::optional<FileNames> asGiven = existingProject(argument)) return *asGiven;
    const std::string trimmed = withoutTrailingBlanks(argument);
    return existingProject(trimmed).value_or(fileNamesFor(trimmed));
}

int runZelm(const std::string& baseName, std::ostream& console)
{
    try {
        const FileNames files = projectFilesFor(baseName);
        requireWritableName(files.report);
        requireWritableName(files.daily);
        const Simulation run = simulate(readProjectFile(files.input));
        if (!run.warning.empty()) consoleLine(console, run.warning);
        if (run.failed()) return fail(console, run.error);
        // The report goes last: whoever finds the new report finds its daily file beside it.
        writeOutputsTogether({{files.daily, run.dailyFile}, {files.report, run.report}});
        return 0;
    } catch (const ModelError& e) {
        return fail(console, e.what());
    } catch (const std::bad_alloc&) {
        return fail(console, "ERROR - NOT ENOUGH MEMORY TO RUN THE PROJECT");
    }
}

int zelmMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& console)
{
    std::vector<std::string> names;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        const bool option = !optionsEnded && argument.size() > 1 && argument[0] == '-' && !existingProject(argument);
        if (!option) {
            names.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--version") {
            console << "zelm " ZELM_VERSION "\n";
            return 0;
        } else if (argument == "--help") {
            console << usage();
            return 0;
        } else {
            return fail(console, "ERROR - UNKNOWN OPTION " + argument + "; ZELM --HELP TELLS THE OPTIONS");
        }
    }
    if (names.size() > 1)
        return fail(console, "ERROR - ONE BASE NAME IS EXPECTED, NOT " + std::to_string(names.size()));
    std::optional<std::string> baseName;
    if (names.empty()) {
        console << " Enter base name?" << std::endl;
        baseName = readBaseName(in);
    } else if (names[0].size() <= kMaxBaseNameCharacters) {
        baseName = names[0];
    }
    if (!baseName)
        return fail(console,
                    "ERROR - THE BASE NAME IS LONGER THAN " + std::to_string(kMaxBaseNameCharacters) + " CHARACTERS");
    return runZelm(*baseName, console);
}

}  // namespace zelm
