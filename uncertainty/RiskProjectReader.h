// Reads the risk project file (".rsk") that the editor writes: comment lines beginning with "#"
// and empty lines are skipped, then nine lines of numbers, the crop name and pipe type by columns,
// and up to seven rows of the pipe cost table. Lines may be of any length and may end in CR LF.
// A file that does not follow the layout raises a ModelError naming the file and the line.
#pragma once

#include <istream>
#include <string>

#include "RiskProject.h"

namespace uncertainty {

// `fileName` is only used in messages.
RiskProject readRiskProject(std::istream& in, const std::string& fileName);

// Opens and reads the named file; a missing file, or one that is not a regular file, is a
// ModelError too.
RiskProject readRiskProjectFile(const std::string& fileName);

}  // namespace uncertainty
