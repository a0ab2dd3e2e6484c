// Reads the project file (".TRN") into a ProjectInput. The layout is line-oriented with comment
// lines; numbers are read free-format. A file that does not match the layout raises a ModelError
// that names the file and the item that could not be read.
#pragma once

#include <istream>
#include <string>

#include "ProjectInput.h"

namespace zelm {

// `fileName` is only used in messages.
ProjectInput INDP(std::istream& in, const std::string& fileName);

// Opens and reads the named file; a missing file is a ModelError too.
ProjectInput readProjectFile(const std::string& fileName);

}  // namespace zelm
