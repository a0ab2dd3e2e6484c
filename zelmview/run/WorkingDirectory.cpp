#include "run/WorkingDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "run/ModelRunProtocol.h"

namespace zelm {

namespace {

const QString kUserExamplesFolder = QStringLiteral("zelm-examples");

bool copyWritable(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to)) return false;
    return QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

QString chooseWorkingDirectory(const QString& stored, const QString& startDirectory)
{
    if (!stored.isEmpty()) return stored;
    const QString beside = examplesBeside(startDirectory);
    if (QFileInfo(beside).isDir()) return beside;
    // Started from elsewhere (a terminal in the source folder, say), the build tree's examples
    // beside the program are the ones meant.
    const QString besideProgram = examplesBeside(thisProgramDirectory());
    if (QFileInfo(besideProgram).isDir()) return QDir::cleanPath(besideProgram);
    const QString installed = installedExamplesBeside(thisProgramDirectory());
    if (!QFileInfo(installed).isDir()) return beside;
    return copyInstalledExamples(installed, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString installedExamplesBeside(const QString& programDirectory)
{
    return QDir::cleanPath(programDirectory + QStringLiteral("/../share/zelm/examples"));
}

QString copyInstalledExamples(const QString& installed, const QString& documentsFolder)
{
    const QString copy = QDir(documentsFolder).filePath(kUserExamplesFolder);
    if (documentsFolder.isEmpty() || !QDir().mkpath(copy)) return installed;
    for (const QFileInfo& example : QDir(installed).entryInfoList(QDir::Files)) {
        const QString target = QDir(copy).filePath(example.fileName());
        if (!QFileInfo::exists(target)) copyWritable(example.filePath(), target);
    }
    return copy;
}

QString examplesBeside(const QString& directory)
{
    const QString separator = directory.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return directory + separator + QStringLiteral("../examples");
}

}  // namespace zelm
