// The report reaches its name only whole: it is written to a temporary file beside it that then
// replaces the name, with the permissions of an ordinary new file (those the umask leaves). A full
// disk or a file-size limit (which would otherwise end the program by SIGXFSZ) is an error, after
// which the temporary file is gone and an earlier report is as it was.
#pragma once

#include <string>

namespace uncertainty {

// A ModelError unless `name` is free or a regular file: a folder, a link, a FIFO (which would
// block the run) or a device is never replaced by a report.
void requireReportName(const std::string& name);

// Writes `text` as the file `name`; a ModelError names the file and the reason when it cannot.
void writeReportFile(const std::string& name, const std::string& text);

}  // namespace uncertainty
