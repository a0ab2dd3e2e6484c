// Uncertainty reports for the tests of the risk output windows: the reports under tests/data/unc,
// reports with a reliability table of any length, and reports of the real model's runs of the
// examples, each placed in a folder of the test's own.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include "data/ProjectFiles.h"

namespace riskreports {

// Copies the test report `name` (tests/data/unc) to `path`.
inline bool CopyTestReport(const QString& name, const QString& path)
{
    QFile::remove(path);
    return QFile::copy(QStringLiteral(ZELM_TEST_DATA_DIR "/unc/") + name, path);
}

// Copies tests/data/rsk/written.rsk, a metric project, to `path`.
inline bool CopyMetricProject(const QString& path)
{
    QFile::remove(path);
    return QFile::copy(QStringLiteral(ZELM_TEST_DATA_DIR "/rsk/written.rsk"), path);
}

// A report whose reliability table has `rows` rows (none: the section's heading and header
// alone). Row i is designed for 50 + i / 4 percent, costs 100 + i a year and has the spacing
// 60 - i / 10.
inline QByteArray ReportWithTable(int rows)
{
    QByteArray text =
        " DRAINAGE DESIGN UNDER UNCERTAINTY\n"
        " =================================\n\n"
        " TABLE OF RELIABILITY VS DEPTH AND SPACING\n"
        " -----------------------------------------\n\n"
        "   REQUIRED  DEPTH   CAPITAL    ANNUAL   SPACING  RELIAB.   MEAN      CV OF    LATERALS\n"
        "   RELIAB.           COST       COST              REACHED   DEPTH     DEPTH    LENGTH\n"
        "     (%)      (ft)   ($/ac)    ($/ac/yr)  (ft)      (%)      (ft)               (ft/ac)\n"
        "   -------  ------  --------  ---------  -------  -------  -------  -------  --------\n";
    for (int i = 0; i < rows; ++i)
        text += QString::asprintf("   %7.2f  %6.3f  %8.2f  %9.2f  %7.3f  %7.2f  %7.3f  %7.4f  %8.2f\n", 50 + i / 4.0,
                                  4.0, 900.0 + 10 * i, 100.0 + i, 60 - i / 10.0, 51 + i / 4.0, 1.5, 0.25, 726.0)
                    .toLatin1();
    return text + "\n END OF REPORT\n";
}

// Copies the example risk project `name` (without extension) into `folder`, runs the real
// uncertainty model on it there and returns the report's path; empty when none was written.
inline QString RunExample(const QString& name, const QString& folder)
{
    const QString project = folder + QLatin1Char('/') + name + QStringLiteral(".rsk");
    QFile::remove(project);
    if (!QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + QStringLiteral(".rsk"), project)) return {};
    QProcess model;
    model.setWorkingDirectory(folder);
    model.start(QStringLiteral(UNCERTAINTY_BINARY), {name});
    if (!model.waitForFinished(60000)) return {};
    const QString report = folder + QLatin1Char('/') + name + QStringLiteral(".UNC");
    return QFile::exists(report) ? report : QString();
}

}  // namespace riskreports
