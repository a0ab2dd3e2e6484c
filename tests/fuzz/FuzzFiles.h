// Helpers of the fuzz targets of the GUI's readers: the readers take paths, so each input is
// written into a scratch folder first; messages are recorded, never shown; a broken promise stops
// the fuzzer like a crash.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "docview/MessageSink.h"

namespace fuzz {

inline const QTemporaryDir& scratchFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

inline QString scratchFile(const QString& name)
{
    return scratchFolder().filePath(name);
}

inline void writeScratchFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
}

inline void require(bool promise, const char* what)
{
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// Writes the input bytes to a scratch file named `name` and returns its path.
inline QString inputFile(const uint8_t* data, size_t size, const QString& name)
{
    const QString path = scratchFile(name);
    writeScratchFile(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return path;
}

// Writes the report, daily file and project held one after another in `input`, separated by the
// lines "@@DAY@@" and "@@TRN@@", as fuzz.otr, fuzz.day and fuzz.trn, and returns the report's
// path. A part that the input lacks is a file that is missing.
inline QString writeOutputFiles(const QByteArray& input)
{
    const QByteArray dailyMarker = "\n@@DAY@@\n";
    const QByteArray projectMarker = "\n@@TRN@@\n";
    const qsizetype daily = input.indexOf(dailyMarker);
    const qsizetype project = input.indexOf(projectMarker, daily < 0 ? 0 : daily);
    // Writes the part from `from` to `to` (the end when negative), or removes the file when the
    // input has no such part.
    const auto writePart = [&input](const QString& name, qsizetype from, qsizetype to) {
        const QString path = scratchFile(name);
        if (from < 0)
            QFile::remove(path);
        else
            writeScratchFile(path, input.mid(from, to < 0 ? -1 : to - from));
        return path;
    };
    writePart(QStringLiteral("fuzz.day"), daily < 0 ? -1 : daily + dailyMarker.size(), project);
    writePart(QStringLiteral("fuzz.trn"), project < 0 ? -1 : project + projectMarker.size(), -1);
    return writePart(QStringLiteral("fuzz.otr"), 0, daily >= 0 ? daily : project);
}

// The number of messages shown since the count was last reset; counting them, instead of showing
// a box, starts with the first call.
inline int& shownMessages()
{
    static int shown = 0;
    static const docview::MessageHandler replaced = docview::setMessageHandler([](const QString&) { ++shown; });
    (void)replaced;
    return shown;
}

// Runs `read` (which returns the reader's success flag), checks that it showed one message when it
// failed and none otherwise, and returns the flag.
template <typename Read>
bool readCountingMessages(Read read)
{
    shownMessages() = 0;
    const bool succeeded = read();
    require(shownMessages() == (succeeded ? 0 : 1), "a read shows one message when it fails and none otherwise");
    return succeeded;
}

}  // namespace fuzz
