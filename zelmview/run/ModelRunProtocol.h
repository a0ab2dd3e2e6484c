// The steps every model run shares: work in the input file's folder, start the model on the bare
// base name, and judge what it printed ("error" in any letter case means it failed).
#pragma once

#include <QString>

namespace zelm {

// The folder of a document's file (ending in "/", empty for a bare name) and its name without
// the extension.
struct InputFileParts {
    QString directory;
    QString baseName;
};
InputFileParts SplitInputPath(const QString& path);

// Changes the current directory; a failure shows "Unable to change to directory " + directory
// and the run goes on where it is.
bool ChangeToInputDirectory(const QString& directory);

// The folder of zelmview itself, ending in "/": the models live beside it.
QString ProgramDirectory();

// The report of the transient model for a project: the model names it BASE.OTR; a report saved
// as ".otr" is found as well.
QString TransientReportPath(const QString& directory, const QString& baseName);
// Removes an earlier report in either letter case, so a run that writes none opens none.
void DeleteTransientReport(const QString& directory, const QString& baseName);

// True when the model's output reports no error. Otherwise shows
// "Error detected, project file not opened:\n" and the output in lower case.
bool JudgeModelOutput(const QString& output);

}  // namespace zelm
