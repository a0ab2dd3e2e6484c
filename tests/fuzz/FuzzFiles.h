// Helpers of the fuzz targets of the GUI's readers: the readers take paths, so each input is
// written into a scratch folder first; messages are recorded, never shown; a broken promise stops
// the fuzzer like a crash.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

}  // namespace fuzz
