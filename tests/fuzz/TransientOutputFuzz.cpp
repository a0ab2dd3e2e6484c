// The report reader and the output document on any report, daily file and project. The input
// holds the three files one after another, separated by marker lines; a part that is missing is
// a file that is missing. Every failure is reported, and what was read is used as the view uses it.
#include <cstdint>
#include <stdexcept>

#include "FuzzFiles.h"
#include "data/CZELMOutputDoc.h"
#include "docview/MessageSink.h"

namespace {

const QByteArray kDailyMarker = "\n@@DAY@@\n";
const QByteArray kProjectMarker = "\n@@TRN@@\n";

// Writes `part` to `path`, or removes the file when the input has no such part.
void writePart(const QString& path, const QByteArray& input, qsizetype from, qsizetype to)
{
    if (from < 0) {
        QFile::remove(path);
        return;
    }
    fuzz::writeScratchFile(path, input.mid(from, to < 0 ? -1 : to - from));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype daily = input.indexOf(kDailyMarker);
    const qsizetype project = input.indexOf(kProjectMarker, daily < 0 ? 0 : daily);
    const qsizetype reportEnd = daily >= 0 ? daily : project;
    const QString report = fuzz::scratchFile(QStringLiteral("fuzz.otr"));
    writePart(report, input, 0, reportEnd);
    writePart(fuzz::scratchFile(QStringLiteral("fuzz.day")), input, daily < 0 ? -1 : daily + kDailyMarker.size(),
              project);
    writePart(fuzz::scratchFile(QStringLiteral("fuzz.trn")), input, project < 0 ? -1 : project + kProjectMarker.size(),
              -1);

    docview::MessageRecorder recorder;
    TransientOutputData alone;
    const bool read = alone.ReadData(report);
    fuzz::require(recorder.messages().size() == (read ? 0 : 1), "a read shows one message when it fails, else none");
    recorder.clear();

    CZELMOutputDoc document;
    fuzz::require(document.OnOpenDocument(report), "the document opens, whatever it holds");
    if (read) fuzz::require(document.GetOutput().records.size() == alone.records.size(), "the document reads the same");
    for (const int mode : {TransientOutputData::kDisplayLines, TransientOutputData::kBlock})
        document.GetOutput().LoadReportText(mode);
    for (const int offset : {0, 1, 2}) {
        try {
            document.FormatSeasonalHighWaterTable(offset);
        } catch (const std::invalid_argument&) {
        }
    }
    return 0;
}
