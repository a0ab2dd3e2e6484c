// Reports for the GUI's tests, written by the real model into a temporary folder.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

namespace testreports {

// Copies the example project `name` (without extension) into `folder`, runs the model on it
// there and returns the report's path; empty when the model did not write one.
inline QString RunExample(const QString& name, const QString& folder)
{
    const QString project = folder + QLatin1Char('/') + name + QStringLiteral(".trn");
    QFile::remove(project);
    if (!QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + QStringLiteral(".trn"), project)) return {};
    QProcess model;
    model.setWorkingDirectory(folder);
    model.start(QStringLiteral(ZELM_BINARY), {name});
    if (!model.waitForFinished(30000)) return {};
    const QString report = folder + QLatin1Char('/') + name + QStringLiteral(".OTR");
    return QFile::exists(report) ? report : QString();
}

}  // namespace testreports
