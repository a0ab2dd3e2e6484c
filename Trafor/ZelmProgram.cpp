#include "ZelmProgram.h"

#include <fstream>

#include "InputReader.h"
#include "ModelError.h"
#include "ModelRun.h"
#include "ReportWriter.h"

namespace zelm {

namespace {

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

}  // namespace

FileNames fileNamesFor(const std::string& baseName)
{
    std::string base = baseName;
    base.erase(base.find_last_not_of(' ') + 1);
    return {base + ".TRN", base + ".OTR", base + ".DAY"};
}

// Projects saved by the editor end in ".trn"; on a file system that tells letter case apart the
// model still finds them when no ".TRN" file is there.
std::string existingInputName(const FileNames& files)
{
    if (std::ifstream(files.input)) return files.input;
    std::string lowerCase = files.input.substr(0, files.input.size() - 4) + ".trn";
    if (std::ifstream(lowerCase)) return lowerCase;
    return files.input;
}

int runZelm(const std::string& baseName, std::ostream& console)
{
    const FileNames files = fileNamesFor(baseName);
    try {
        ModelRun run = simulate(readProjectFile(existingInputName(files)));
        // The daily file holds the last pass that finished, also when the run then fails.
        if (run.lastPass) writeTextFile(files.daily, formatDailyFile(run.daily));
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

}  // namespace zelm
