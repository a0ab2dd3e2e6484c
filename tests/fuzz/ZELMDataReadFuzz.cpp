// The GUI's project reader on any file: one message for a failure and none for success; a project
// it reads is written back, read again to the same file, and read by the model to the same values.
#include <QRegularExpression>
#include <cstdint>

#include "FuzzFiles.h"
#include "data/ModelReading.h"
#include "data/ZELMData.h"
#include "docview/MessageSink.h"

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && QByteArrayView(" \t\r\n\v\f").contains(char(text.back().unicode()))) text.chop(1);
    return text;
}

// The comment's lines as the file keeps them: the writer makes a line break of a lone carriage
// return, and the reader trims the end of every line and the blank lines around the text.
QString commentLines(const QString& comment)
{
    QStringList lines = comment.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (QString& line : lines) line = withoutTrailingBlanks(line);
    QString text = lines.join('\n');
    while (text.startsWith('\n') || text.startsWith(' ') || text.startsWith('\t')) text.remove(0, 1);
    return withoutTrailingBlanks(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString original = fuzz::scratchFile(QStringLiteral("fuzz.trn"));
    fuzz::writeScratchFile(original, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    docview::MessageRecorder recorder;
    ZELMData project;
    const bool read = project.ReadData(original);
    fuzz::require(recorder.messages().size() == (read ? 0 : 1), "a read shows one message when it fails, else none");
    if (!read) return 0;

    QList<IrrigationDataElement> events = project.events;
    try {
        ZELMData::SortEventsByDate(events);
    } catch (const EventDateError&) {
    }

    const QString written = fuzz::scratchFile(QStringLiteral("written.trn"));
    fuzz::require(project.WriteData(written), "a project that was read can be written");
    ZELMData again;
    fuzz::require(again.ReadData(written), "what was written reads back");
    fuzz::require(
        again.events.size() == project.events.size() && commentLines(again.comment) == commentLines(project.comment),
        "nothing is lost on the way");
    const ModelReading model = readWithModel(written);
    fuzz::require(model.project.has_value(), "the model reads what the GUI wrote");
    fuzz::require(firstDifference(again, *model.project, true).empty(), "to the same values");
    fuzz::require(recorder.messages().isEmpty(), "and no message is shown on the way");
    return 0;
}
