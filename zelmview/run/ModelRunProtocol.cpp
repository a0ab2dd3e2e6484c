#include "run/ModelRunProtocol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"
#include "run/ModelRunner.h"

namespace zelm {

namespace {

QString howItEnded(const ModelProgram& model, const ModelEnd& end)
{
    if (!end.crashed) return QStringLiteral("%1 ended with exit status %2").arg(model.program).arg(end.code);
    const char* name = strsignal(end.code);
    return QStringLiteral("%1 was ended by signal %2%3")
        .arg(model.program)
        .arg(end.code)
        .arg(name != nullptr ? QStringLiteral(", ") + QString::fromLocal8Bit(name) : QString());
}

}  // namespace

InputFileParts splitInputPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return {path.left(slash + 1), dot < 0 ? name : name.left(dot)};
}

QString modelFolder(const QString& directory)
{
    const QFileInfo folder(directory);
    if (!directory.isEmpty() && folder.isDir() && folder.isExecutable()) return directory;
    docview::showMessage(QStringLiteral("Unable to change to directory ") + directory);
    return docview::workingFolder().Path() + QLatin1Char('/');
}

QString thisProgramDirectory()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString modelReportPath(const ModelProgram& model, const QString& directory, const QString& baseName)
{
    return directory + baseName + model.reportExtension;
}

QStringList modelArguments(const QString& fileName)
{
    if (fileName.startsWith(QLatin1Char('-'))) return {QStringLiteral("--"), fileName};
    return {fileName};
}

std::optional<ModelRun> startModelRun(const ModelProgram& model, const QString& programDirectory,
                                      const QString& inputPath)
{
    const InputFileParts parts = splitInputPath(inputPath);
    const QString folder = modelFolder(parts.directory);
    const QString fileName = inputPath.mid(parts.directory.size());
    auto runner = std::make_unique<ModelRunner>();
    if (!runner->Start(programDirectory + model.program, modelArguments(fileName), folder)) return std::nullopt;
    return ModelRun{modelReportPath(model, folder, parts.baseName), std::move(runner), model};
}

bool judgeModelRun(const ModelProgram& model, const QString& output, const ModelEnd& end)
{
    const QString lowered = output.toLower();
    if (lowered.contains(QLatin1String("error"))) {
        docview::showMessage(QStringLiteral("Error detected, project file not opened:\n") + lowered);
        return false;
    }
    if (end.crashed || end.code != 0) {
        QString text = QStringLiteral("The model stopped unexpectedly (") + howItEnded(model, end) +
                       QStringLiteral("); no report was opened.");
        if (!output.isEmpty()) text += QStringLiteral("\nIt printed:\n") + output;
        docview::showMessage(text);
        return false;
    }
    // Warnings are shown as the errors are, in lower case.
    if (model.showsWarnings && lowered.contains(QLatin1String("warning"))) docview::showMessage(lowered);
    return true;
}

}  // namespace zelm
