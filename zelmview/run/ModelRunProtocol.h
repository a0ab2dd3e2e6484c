// The steps every model run shares: run the model in the input file's folder on the input file's
// name, and judge how it ended ("error" in any letter case in what it printed, a non-zero exit
// status or a signal mean it failed). The report of the last run stays until the model replaces
// it, which the models do only after a run that succeeded, and a report is opened only after such
// a run. The transient and the risk views both start a run with startModelRun and follow it with a
// ModelRunSession. The model's folder is set on its process: a run leaves the program's working
// folder where it is.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "run/ModelProgram.h"
#include "run/ModelRunner.h"

namespace zelm {

// The folder of a document's file (ending in "/", empty for a bare name) and its name without
// the extension.
struct InputFileParts {
    QString directory;
    QString baseName;
};
InputFileParts splitInputPath(const QString& path);

// The folder a model runs in, ending in "/": `directory` (the input file's) or, when that cannot
// be entered, the working folder after "Unable to change to directory " + directory.
QString modelFolder(const QString& directory);

// The folder of zelmview itself, ending in "/": the models live beside it.
QString thisProgramDirectory();

// The report of `model` for a project as the model names it (BASE.OTR), whatever exists.
QString modelReportPath(const ModelProgram& model, const QString& directory, const QString& baseName);

// The model's arguments for the input file `fileName` (no folder): the name as it stands, so that
// the model reads the file the user edits also when the name exists in the other letter case, after
// "--" when it begins with "-" and would read as an option.
QStringList modelArguments(const QString& fileName);

// A started run: the report it will write and the runner that follows the model.
struct ModelRun {
    QString outputPath;
    std::unique_ptr<ModelRunner> runner;
    ModelProgram model;
};

// Starts `model` from `programDirectory` in the folder of `inputPath`, on the input file's name.
// Nothing when the model could not be started (after "CreateProcess failed").
std::optional<ModelRun> startModelRun(const ModelProgram& model, const QString& programDirectory,
                                      const QString& inputPath);

// How the model's process ended.
struct ModelEnd {
    bool crashed = false;  // ended by a signal; `code` is the signal
    int code = 0;          // the exit status, or the signal
};

// True when the run succeeded and its report may be opened. Output with "error" shows
// "Error detected, project file not opened:\n" and the output in lower case; otherwise an end by
// a signal or with a non-zero status shows "The model stopped unexpectedly …". For a model that
// shows its warnings, output with "warning" is shown in lower case before the caller opens the
// report.
bool judgeModelRun(const ModelProgram& model, const QString& output, const ModelEnd& end);

}  // namespace zelm
