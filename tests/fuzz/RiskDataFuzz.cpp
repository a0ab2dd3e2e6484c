// Fuzz target of the risk project reader. Whatever the file holds, RiskData::ReadData must not
// crash, must show one message exactly when it fails, and a project it read must write a file
// that reads back and writes again to the same text.
#include <QFile>

#include "FuzzInput.h"
#include "RiskData.h"

namespace {

QByteArray writtenText(const RiskData& project, const QString& path)
{
    fuzzCheck(project.WriteData(path), "a project that was read can be written");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzInputFile(data, size, QStringLiteral("input.rsk"));
    RiskData project;
    if (!readCountingMessages([&] { return project.ReadData(path); })) return 0;

    const QString copyPath = path + QStringLiteral(".copy.rsk");
    const QByteArray written = writtenText(project, copyPath);
    RiskData reread;
    fuzzCheck(readCountingMessages([&] { return reread.ReadData(copyPath); }), "a written project reads back");
    fuzzCheck(writtenText(reread, copyPath) == written, "a project read back writes the same text");
    return 0;
}
