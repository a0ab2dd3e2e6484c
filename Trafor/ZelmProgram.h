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

// The files of the project the user named: the base name as given when its ".TRN" (or ".trn")
// exists, else the name of an existing ".trn" or ".TRN" file with its extension, else the base
// name without trailing blanks. The outputs follow the name that was used.
FileNames projectFilesFor(const std::string& argument);

// Runs one project; returns the process exit status (0 on success).
int runZelm(const std::string& baseName, std::ostream& console);

// The whole program over its arguments (without the program name): "--version", "--help", or the
// base name; without arguments it asks for the base name on `in`.
int zelmMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& console);

}  // namespace zelm
