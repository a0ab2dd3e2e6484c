// Reads the project file (".TRN") into a ProjectInput. The layout is line-oriented with comment
// lines; numbers are read free-format. A file that does not match the layout raises a ModelError
// that names the file and the item that could not be read. What the reader holds is bounded: a
// line, the events and the comment block each have a limit far beyond any real project, and a
// file past a limit raises a ModelError that names it.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "ListDirectedReader.h"
#include "ProjectInput.h"

namespace zelm {

constexpr int kMaxEvents = 999;  // the most the editor adds
constexpr std::size_t kMaxCommentLines = 5000;
constexpr std::size_t kMaxLineCharacters = ListDirectedReader::kMaxLineBytes;

// `fileName` is only used in messages.
ProjectInput INDP(std::istream& in, const std::string& fileName);

// Opens and reads the named file; a missing file is a ModelError too.
ProjectInput readProjectFile(const std::string& fileName);

}  // namespace zelm
