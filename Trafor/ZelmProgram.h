// The model program: from a base name to the ".TRN" input and the ".OTR" and ".DAY" outputs
// beside it. Normal runs print nothing; a failure prints one line and writes no report.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelm {

struct FileNames {
    std::string input;   // base + ".TRN"
    std::string report;  // base + ".OTR"
    std::string daily;   // base + ".DAY"
};

// The base name with trailing blanks removed, followed by the three extensions.
FileNames fileNamesFor(const std::string& baseName);

// The files of the project the user named: the file of exactly that name when it exists and
// carries the extension ".trn" in any letter case (zelmview names the file it edits so), else
// BASE.trn, else BASE.TRN; the same again for the name without trailing blanks; else the names of
// the base name without trailing blanks. The outputs follow the base name that was used, always
// with ".OTR" and ".DAY".
FileNames projectFilesFor(const std::string& argument);

// Runs one project; returns the process exit status (0 on success).
int runZelm(const std::string& baseName, std::ostream& console);

// The whole program over its arguments (without the program name): "--version", "--help", "--"
// (the end of the options), and one base name; an argument that names an existing project is a
// base name whatever it begins with. Without a base name it asks for one on `in`.
int zelmMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& console);

}  // namespace zelm
