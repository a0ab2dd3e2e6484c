// The report reader and the output document on any report, daily file and project. The input
// holds the three files one after another, separated by marker lines; a part that is missing is
// a file that is missing. Every failure is reported, a report that reads holds only finite numbers
// but for time factors not shown, and what was read is used as the view uses it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>

#include "FuzzFiles.h"
#include "data/CZELMOutputDoc.h"
#include "docview/MessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString report = fuzz::writeOutputFiles(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    docview::MessageRecorder recorder;
    TransientOutputData alone;
    const bool read = alone.ReadData(report);
    fuzz::require(recorder.messages().size() == (read ? 0 : 1), "a read shows one message when it fails, else none");
    recorder.clear();
    const auto finite = [](std::initializer_list<double> values) {
        return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    };
    if (read) {
        for (const OutputRecord& r : alone.records)
            fuzz::require(finite({r.time, r.buildUp, r.flowDepth, r.startHeight, r.heightRatio, r.endHeight}) &&
                              !std::isinf(r.timeFactor),
                          "a record read holds finite numbers, its time factor perhaps not shown");
        for (qsizetype k = 0; k < alone.dailyDay.size(); ++k)
            fuzz::require(finite({alone.dailyHeight[k], alone.dailyDepth[k]}), "a daily row read is finite");
    }

    CZELMOutputDoc document;
    fuzz::require(document.OnOpenDocument(report), "the document opens, whatever it holds");
    if (read) fuzz::require(document.GetOutput().records.size() == alone.records.size(), "the document reads the same");
    for (const ReportTextMode mode : {ReportTextMode::Display, ReportTextMode::Copy})
        document.GetOutput().LoadReportText(mode);
    for (const int offset : {0, 1, 2}) {
        try {
            document.FormatSeasonalHighWaterTable(offset);
        } catch (const std::invalid_argument&) {
        }
    }
    return 0;
}
