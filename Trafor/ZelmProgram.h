// The model program: from a base name to the ".TRN" input and the ".OTR" and ".DAY" outputs
// beside it. Normal runs print nothing; a failure prints one line and writes no report.
#pragma once

#include <ostream>
#include <string>

namespace zelm {

struct FileNames {
    std::string input;   // base + ".TRN"
    std::string report;  // base + ".OTR"
    std::string daily;   // base + ".DAY"
};

// The base name with trailing blanks removed, followed by the three extensions.
FileNames fileNamesFor(const std::string& baseName);

// The input file to read: base + ".TRN", or base + ".trn" when only that exists.
std::string existingInputName(const FileNames& files);

// Runs one project; returns the process exit status (0 on success).
int runZelm(const std::string& baseName, std::ostream& console);

}  // namespace zelm
