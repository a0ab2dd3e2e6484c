#include "run/ModelRunProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "docview/MessageSink.h"

namespace zelm {
namespace {

const QString kReportUpper = QStringLiteral(".OTR");
const QString kReportLower = QStringLiteral(".otr");

}  // namespace

InputFileParts SplitInputPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return {path.left(slash + 1), dot < 0 ? name : name.left(dot)};
}

bool ChangeToInputDirectory(const QString& directory)
{
    if (!directory.isEmpty() && QDir::setCurrent(directory)) return true;
    docview::showMessage(QStringLiteral("Unable to change to directory ") + directory);
    return false;
}

QString ProgramDirectory()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString TransientReportPath(const QString& directory, const QString& baseName)
{
    const QString upper = directory + baseName + kReportUpper;
    const QString lower = directory + baseName + kReportLower;
    return !QFileInfo::exists(upper) && QFileInfo::exists(lower) ? lower : upper;
}

void DeleteTransientReport(const QString& directory, const QString& baseName)
{
    QFile::remove(directory + baseName + kReportUpper);
    QFile::remove(directory + baseName + kReportLower);
}

bool JudgeModelOutput(const QString& output)
{
    const QString lowered = output.toLower();
    if (!lowered.contains(QLatin1String("error"))) return true;
    docview::showMessage(QStringLiteral("Error detected, project file not opened:\n") + lowered);
    return false;
}

}  // namespace zelm
