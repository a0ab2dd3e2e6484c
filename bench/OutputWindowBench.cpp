// Opening the report of a run of many events into its window, the way a finished model run or
// File Open does it: the reopen rule closes the previous window, the document reads the report,
// its daily file and project, the window builds the text with the seasonal high water table and
// is shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "QtBenchmarkMain.h"
#include "app/CZelmViewApp.h"
#include "data/OutputFiles.h"
#include "docview/MessageSink.h"

namespace {

constexpr int kManyEvents = 60;

void BM_OpenReportIntoItsWindow(benchmark::State& state)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("many.trn")), designProjectText(spreadEvents(kManyEvents)));
    runModel(folder.path(), QStringLiteral("many"));
    const QString report = folder.filePath(QStringLiteral("many.OTR"));

    docview::MessageRecorder messages;
    CZelmViewApp app;
    app.InitInstance({QStringLiteral("--no-splash")});
    for (auto _ : state) {
        if (app.OpenDocumentFile(report) == nullptr) {
            state.SkipWithError("the report did not open");
            break;
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!messages.messages().isEmpty()) state.SkipWithError(qPrintable(messages.messages().constFirst()));
}
BENCHMARK(BM_OpenReportIntoItsWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInAnApplication(argc, argv);
}
