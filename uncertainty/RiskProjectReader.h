// Reads the risk project file (".rsk") that the editor writes: comment lines beginning with "#"
// and empty lines are skipped, then nine lines of numbers, the crop name and pipe type by columns,
// and up to seven rows of the pipe cost table. Lines may end in CR LF and hold up to
// kMaxLineLength characters, so that reading takes bounded memory whatever the file holds. A file
// that does not follow the layout raises a ModelError naming the file and the line.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "RiskProject.h"

namespace uncertainty {

// The longest line of a risk project, its line end not counted: far beyond any line the editor
// writes (a data line holds six numbers).
constexpr std::size_t kMaxLineLength = 65536;

// `fileName` is only used in messages.
RiskProject readRiskProject(std::istream& in, const std::string& fileName);

// Opens and reads the named file; a missing file, or one that is not a regular file, is a
// ModelError too.
RiskProject readRiskProjectFile(const std::string& fileName);

}  // namespace uncertainty
