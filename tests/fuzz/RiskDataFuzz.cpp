// Fuzz target of the risk project reader. Whatever the file holds, RiskData::ReadData must not
// crash, must show one message exactly when it fails, and a project it read must write a file
// that reads back and writes again to the same text.
#include <QFile>

#include "FuzzFiles.h"
#include "data/RiskData.h"

namespace {

QByteArray writtenText(const RiskData& project, const QString& path)
{
    fuzz::require(project.WriteData(path), "a project that was read can be written");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::inputFile(data, size, QStringLiteral("input.rsk"));
    RiskData project;
    if (!fuzz::readCountingMessages([&] { return project.ReadData(path); })) return 0;

    const QString copyPath = path + QStringLiteral(".copy.rsk");
    const QByteArray written = writtenText(project, copyPath);
    RiskData reread;
    fuzz::require(fuzz::readCountingMessages([&] { return reread.ReadData(copyPath); }),
                  "a written project reads back");
    fuzz::require(writtenText(reread, copyPath) == written, "a project read back writes the same text");
    return 0;
}
