// The steps every model run shares: run the model in the input file's folder, remove the files of
// the last run, start the model on the bare base name, and judge how it ended ("error" in any
// letter case in what it printed, a non-zero exit status or a signal mean it failed). The
// transient and the risk views both start a run with StartModelRun and follow it with a
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

// The report of `model` for a project: as the model names it (BASE.OTR), or in lower case when
// only that exists.
QString modelReportPath(const ModelProgram& model, const QString& directory, const QString& baseName);
// Removes the report and the other files of an earlier run in either letter case, so a run that
// writes none opens none and no stale daily file is read with a new report.
void deleteOldOutputs(const ModelProgram& model, const QString& directory, const QString& baseName);

// A started run: the report it will write and the runner that follows the model.
struct ModelRun {
    QString outputPath;
    std::unique_ptr<ModelRunner> runner;
    ModelProgram model;
};

// Removes the old outputs in the folder of `inputPath` and starts `model` from `programDirectory`
// there, on the base name. Nothing when the model could not be started (after
// "CreateProcess failed").
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
