// Writing the outputs of a run so that a failure never destroys a good result: every file is
// written to a temporary file beside it and the files are renamed into place together, only when
// all of them were written in full. The new files get the permissions of any new file (the umask).
// On any failure the temporary files are removed, the old outputs stay as they were, and a
// ModelError says what went wrong; a file size limit (SIGXFSZ) or a signal that ends the program
// meanwhile removes them too.
#pragma once

#include <string>
#include <vector>

namespace zelm {

struct OutputFile {
    std::string name;
    std::string text;
};

// A ModelError when `name` exists as anything but a regular file (a folder, a pipe, a device, a
// symbolic link): the program never writes through such a name.
void requireWritableName(const std::string& name);

// Writes `files` and renames them into place in their order, so the last one appears last.
void writeOutputsTogether(const std::vector<OutputFile>& files);

}  // namespace zelm
