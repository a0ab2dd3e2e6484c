// The risk output side with a reliability table of 200 rows: opening the report into its window
// the way a finished run or File Open does it (the reopen rule closes the previous window, the
// document reads the project and the report, the window fills its text), and what Plot costs:
// building the reliability chart and drawing it into an 800 x 600 image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "QtBenchmarkMain.h"
#include "app/CZelmViewApp.h"
#include "chart/ChartComponent.h"
#include "chart/GraphDlg.h"
#include "data/CRiskOutputDoc.h"
#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"
#include "risk/ReliabilityChart.h"
#include "risk/RiskReports.h"

namespace {

constexpr int kTableRows = 200;

class LongTableReport {
public:
    LongTableReport()
    {
        writeFile(path, riskreports::ReportWithTable(kTableRows));
        ok = riskreports::CopyMetricProject(dir.filePath("long.rsk"));
    }

    QTemporaryDir dir;
    QString path = dir.filePath("long.unc");
    bool ok = false;
};

void BM_OpenRiskReportIntoItsWindow(benchmark::State& state)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const LongTableReport report;
    docview::MessageRecorder messages;
    CZelmViewApp app;
    app.InitInstance({QStringLiteral("--no-splash")});
    for (auto _ : state) {
        if (app.OpenDocumentFile(report.path) == nullptr) {
            state.SkipWithError("the report did not open");
            break;
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!report.ok || !messages.messages().isEmpty()) state.SkipWithError("the report was not read cleanly");
}
BENCHMARK(BM_OpenRiskReportIntoItsWindow)->Unit(benchmark::kMillisecond);

void BM_BuildAndDrawReliabilityChart(benchmark::State& state)
{
    const LongTableReport report;
    docview::MessageRecorder messages;
    CRiskOutputDoc document;
    const bool opened = document.OnOpenDocument(report.path);
    docview::workingFolder().MoveTo(report.dir.path());
    for (auto _ : state) {
        GraphDlg* dialog = zelm::PlotReliability(document);
        if (dialog == nullptr) {
            state.SkipWithError("the chart was not built");
            break;
        }
        benchmark::DoNotOptimize(dialog->GetChart()->ToImage(QSize(800, 600)));
        delete dialog;
    }
    state.counters["rows"] = double(document.GetOutput().reliabilityTable.size());
    if (!report.ok || !opened || !messages.messages().isEmpty()) state.SkipWithError("the report was not read cleanly");
}
BENCHMARK(BM_BuildAndDrawReliabilityChart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInAnApplication(argc, argv);
}
