// Small projects and helpers shared by the model tests: projects built in code, their ".TRN"
// text, a scratch folder, and the real zelm program run as a child process.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ProjectInput.h"

namespace zelm::fixtures {

// An English design project, off the barrier, with four events over the year.
inline ProjectInput designProject()
{
    ProjectInput p;
    p.title = "Test design";
    p.inputMode = 0;
    p.permeability = 1.5f;
    p.maxWaterTable = 2.5f;
    p.barrierDistance = 5.0f;
    p.specificYield = 0.05f;
    p.drainRadius = 0.25f;
    p.depthToDrain = 4.0f;
    p.awhc = 7.5f;
    p.barrierMode = -1;
    p.events = {{1, 15, 0.6f}, {3, 12, 1.2f}, {6, 5, 0.4f}, {11, 8, 0.8f}};
    return p;
}

inline ProjectInput analysisProject()
{
    ProjectInput p = designProject();
    p.title = "Test analysis";
    p.inputMode = 1;
    p.drainSpacing = 120.0f;
    return p;
}

inline std::string trnText(const ProjectInput& p)
{
    std::ostringstream out;
    out << "#Version number\n2\n#Title (1 line)\n"
        << p.title << "\n#Project data\n"
        << p.inputMode << ' ' << p.unitsMode << ' ' << p.benchFlag << "\n#Field data\n"
        << p.permeability << ' ' << p.maxWaterTable << ' ' << p.barrierDistance << ' ' << p.specificYield << ' '
        << p.drainRadius << ' ' << p.depthToDrain << ' ' << p.drainSpacing << ' ' << p.awhc << ' ' << p.barrierMode
        << "\n#Number of deep percolation events\n"
        << p.events.size() << "\n#month, day, deep perc val (in or cm)\n";
    for (const PercolationEvent& e : p.events) out << e.month << ' ' << e.day << ' ' << e.amount << '\n';
    out << "#Comment records is delimited by $start and $end\n$start\n";
    for (const std::string& c : p.comments) out << c << '\n';
    out << "$end\n";
    return out.str();
}

// The lines of a text whose lines all end in LF, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0, end;
    while ((end = text.find('\n', start)) != std::string::npos) {
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zelm-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

struct ProcessResult {
    int exitStatus = -1;
    std::string output;  // standard output and standard error together
};

// Runs `command` (a shell command line built by the test itself) in `dir`.
inline ProcessResult runInDir(const std::filesystem::path& dir, const std::string& command)
{
    std::string line = "cd '" + dir.string() + "' && " + command + " 2>&1";
    ProcessResult result;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace zelm::fixtures
