// What the fuzz targets of the file readers share: the input bytes as a file a reader can open,
// and the rule that a read shows exactly one message when it fails and none when it succeeds.
// A broken rule aborts, so the fuzzer keeps the input that broke it.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "MessageSink.h"

// Writes the input to a file named `name` in a folder that lives as long as the process and
// returns its path.
inline QString fuzzInputFile(const uint8_t* data, size_t size, const QString& name)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

inline void fuzzCheck(bool holds, const char* rule)
{
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
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

// Runs `read` (which returns the reader's success flag), checks the one-message rule and returns
// the flag.
template <typename Read>
bool readCountingMessages(Read read)
{
    shownMessages() = 0;
    const bool succeeded = read();
    fuzzCheck(shownMessages() == (succeeded ? 0 : 1), "a read shows one message when it fails and none otherwise");
    return succeeded;
}
