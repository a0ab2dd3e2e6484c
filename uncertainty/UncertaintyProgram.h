// The program: from the command line to the ".rsk" input and the ".UNC" report beside it. A run
// prints its warnings and errors on the console, one line each after a blank; an error writes no
// report and leaves an earlier one as it is.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace uncertainty {

// Exit statuses.
constexpr int kSuccess = 0;  // the report is written (perhaps with warnings)
constexpr int kFailure = 1;  // an error: no report

struct FileNames {
    std::string input;   // base + ".rsk" or base + ".RSK"
    std::string report;  // base + ".UNC"
};

// The files of a base name: the project it names whole when it carries the extension ".rsk" in
// any letter case (so that of BASE.rsk and BASE.RSK the one named is run), else BASE.rsk, else
// BASE.RSK; the report is BASE.UNC. nullopt: no such file.
std::optional<FileNames> fileNamesFor(const std::string& baseName);

// Runs one project; returns the exit status.
int runUncertainty(const std::string& baseName, std::ostream& console);

// The whole command line (without the program's name): a base name, --help or --version. "--"
// before the base name ends the options, and an argument that names a project is a base name even
// when it begins with "--".
int commandLine(const std::vector<std::string>& arguments, std::ostream& console);

}  // namespace uncertainty
