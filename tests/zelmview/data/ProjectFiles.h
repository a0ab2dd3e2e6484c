// Helpers for tests of the project file: the sample projects under tests/data/trn and small
// variants of them written into a temporary folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString testDataFile(const QString& name)
{
    return QStringLiteral(ZELM_TEST_DATA_DIR "/trn/") + name;
}

// The sample project as lines without their line ends.
inline QList<QByteArray> sampleLines()
{
    QList<QByteArray> lines = fileBytes(testDataFile("sample.trn")).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QByteArray joinedLines(const QList<QByteArray>& lines, const QByteArray& lineEnd = "\n")
{
    return lines.join(lineEnd) + lineEnd;
}
