// Helpers for tests of the model's output files: projects of any number of events run through the
// real `zelm` in a temporary folder, and the hand-made reports and daily files in tests/data/output.
#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <string>

#include "data/IrrigationDataElement.h"
#include "data/ProjectFiles.h"

inline QString outputDataFile(const QString& name)
{
    return QStringLiteral(ZELM_TEST_DATA_DIR "/output/") + name;
}

// `count` events spread over the year in calendar order, of 0.3 to 0.6 inches.
inline QList<IrrigationDataElement> spreadEvents(int count)
{
    static constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QList<IrrigationDataElement> events;
    for (int k = 0; k < count; ++k) {
        int day = 10 + k * (340 / count);
        int month = 0;
        while (day > kMonthLengths[month]) day -= kMonthLengths[month++];
        events.append({month + 1, day, 0.3 + 0.1 * (k % 4)});
    }
    return events;
}

// The text of a design project, English units, drains off the barrier, with `events`.
inline QByteArray designProjectText(const QList<IrrigationDataElement>& events)
{
    QByteArray text = "#Version number\n2\n#Title (1 line)\nDesign of " + QByteArray::number(events.size()) +
                      " events\n#Project data\n0 0 1\n#Field data\n"
                      "1.5 2.5 5 0.05 0.25 4 0 7.5 -1\n#Number of deep percolation events\n" +
                      QByteArray::number(events.size()) + "\n#month, day, deep perc val\n";
    for (const IrrigationDataElement& event : events)
        text += QByteArray::number(event.month) + ' ' + QByteArray::number(event.day) + ' ' +
                QByteArray::number(event.amount) + '\n';
    return text + "#Comment records\n$start\nWritten by the test.\n$end\n";
}

// Runs the model (`program`, zelm when not given) on `folder`/`baseName` the way the program does
// and returns what it printed.
inline QByteArray runModel(const QString& folder, const QString& baseName,
                           const QString& program = QStringLiteral(ZELM_MODEL_PROGRAM))
{
    QProcess model;
    model.setProcessChannelMode(QProcess::MergedChannels);
    model.setWorkingDirectory(folder);
    model.start(program, {baseName});
    model.closeWriteChannel();
    if (!model.waitForFinished(60000)) return "the model did not finish";
    return model.readAll();
}

// The value of the report's parameter line that begins with `label` ("Drain spacing").
inline std::string reportValue(const QByteArray& report, const char* label)
{
    for (const QByteArray& line : report.split('\n'))
        if (line.startsWith(label)) return line.mid(line.indexOf('=') + 1).trimmed().toStdString();
    return "(no line)";
}

// Copies the test data file `name` to `target`; false when it cannot.
inline bool copyDataFile(const QString& name, const QString& target)
{
    QFile::remove(target);
    return QFile::copy(outputDataFile(name), target);
}
